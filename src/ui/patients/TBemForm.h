#pragma once

// "Bemerkungen hinzufügen/ändern": the remarks of the displayed recording.

#include "RibbonDialog.h"

class QPlainTextEdit;

namespace zud::ui {

class TBemForm : public RibbonDialog {
    Q_OBJECT
public:
    explicit TBemForm(QWidget* parent = nullptr);
    QPlainTextEdit* Text = nullptr;

protected:
    void RetranslateUi() override;
    void showEvent(QShowEvent* e) override;
};

} // namespace zud::ui

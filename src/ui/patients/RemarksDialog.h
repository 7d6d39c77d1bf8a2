#pragma once

// "Bemerkungen hinzufügen/ändern": the remarks of the displayed recording.

#include "RibbonDialog.h"

class QPlainTextEdit;

namespace zud::ui {

class RemarksDialog : public RibbonDialog {
    Q_OBJECT
public:
    explicit RemarksDialog(QWidget* parent = nullptr);
    QPlainTextEdit* Text = nullptr;

protected:
    void RetranslateUi() override;
    void showEvent(QShowEvent* e) override;
};

} // namespace zud::ui

#pragma once

// "Therapeut ändern": first name and surname of a device therapist; the caller fills the edits
// and reads them back after OK.

#include "RibbonDialog.h"

class QLineEdit;
class QLabel;

namespace zud::ui {

class TherapistChangeDialog : public RibbonDialog {
    Q_OBJECT
public:
    explicit TherapistChangeDialog(QWidget* parent = nullptr);
    QLineEdit* VornameEdit = nullptr;
    QLineEdit* NameEdit = nullptr;

protected:
    void RetranslateUi() override;

private:
    QLabel* FVorname = nullptr;
    QLabel* FName = nullptr;
};

} // namespace zud::ui

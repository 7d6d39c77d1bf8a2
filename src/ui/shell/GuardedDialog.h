#pragma once

// A dialog whose edits are not lost unasked: closing by the user ("Zurück", Escape, the close
// box) goes through MayClose(), which asks before changes are discarded. Closing by the program
// (accept(), done()) does not ask.

#include <QDialog>

namespace zud::ui {

class GuardedDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
    // The window's "Zurück": rejects the dialog when MayClose() lets it.
    void CloseByUser();

protected:
    // True when the dialog may close now (after asking, when there are changes).
    virtual bool MayClose() = 0;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};

} // namespace zud::ui

#include "GuardedDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace zud::ui {

void GuardedDialog::CloseByUser() {
    if (MayClose()) {
        reject();
    }
}

void GuardedDialog::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Cancel)) {
        CloseByUser();
        return;
    }
    QDialog::keyPressEvent(e);
}

void GuardedDialog::closeEvent(QCloseEvent* e) {
    if (isVisible() && !MayClose()) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

} // namespace zud::ui

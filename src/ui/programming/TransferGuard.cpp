#include "TransferGuard.h"

#include <QApplication>
#include <QKeyEvent>

namespace zud::ui {

TransferGuard::TransferGuard(QWidget* window, QWidget* progress, std::function<void()> cancel)
    : FWindow(window), FProgress(progress), FCancel(std::move(cancel)) {
    qApp->installEventFilter(this);
}

TransferGuard::~TransferGuard() {
    qApp->removeEventFilter(this);
}

bool TransferGuard::eventFilter(QObject* o, QEvent* e) {
    if (!o->isWidgetType() || !FWindow) {
        return false;
    }
    QWidget* top = static_cast<QWidget*>(o)->window();
    const bool ours = top == FWindow;
    const bool progress = FProgress && top == FProgress;
    if (!ours && !progress) {
        return false;
    }
    auto cancel = [this] {
        if (FCancel) {
            FCancel();
        }
    };
    switch (e->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
            cancel();
            return true;
        }
        return ours;
    case QEvent::ShortcutOverride:
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return ours;
    case QEvent::Close:
        if (ours && o == FWindow) {
            e->ignore();
            cancel();
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace zud::ui

#include "TransferGuard.h"

#include <QApplication>
#include <QKeyEvent>

namespace zud::ui {

TransferGuard::TransferGuard(const QList<QWidget*>& owned, QWidget* progress, std::function<void()> cancel)
    : FProgress(progress), FCancel(std::move(cancel)) {
    for (QWidget* w : owned) {
        FOwned.append(w);
    }
    qApp->installEventFilter(this);
}

TransferGuard::~TransferGuard() {
    qApp->removeEventFilter(this);
}

QList<QWidget*> TransferGuard::OpenWindows(const char* progressClass) {
    QList<QWidget*> open;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !w->inherits(progressClass)) {
            open.append(w);
        }
    }
    return open;
}

bool TransferGuard::eventFilter(QObject* o, QEvent* e) {
    if (!o->isWidgetType()) {
        return false;
    }
    QWidget* top = static_cast<QWidget*>(o)->window();
    const bool ours = FOwned.contains(top);
    const bool progress = FProgress && top == FProgress;
    if (!ours && !progress) {
        return false; // whatever opened meanwhile
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
    case QEvent::Shortcut:
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
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return ours;
    case QEvent::Close:
        if (ours && o == top) {
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

#include "ScreenTips.h"

#include "Settings.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace zud::ui {

int ScreenTipStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                              QStyleHintReturn* returnData) const {
    if (hint == SH_ToolTip_WakeUpDelay)
        return kWakeUpMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

ScreenTips::ScreenTips(QObject* parent) : QObject(parent) {}

void ScreenTips::Install() {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app || app->findChild<ScreenTips*>())
        return;
    QApplication::setStyle(new ScreenTipStyle);
    app->installEventFilter(new ScreenTips(app));
}

bool ScreenTips::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w)
        return false;
    if (!Settings().ShowScreenTips()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const QString tip = w->toolTip();
    if (tip.isEmpty())
        return false; // the widget may answer the event itself (item views, ribbon buttons)
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), tip, w, {}, ScreenTipStyle::kShownMs);
    return true;
}

} // namespace zud::ui

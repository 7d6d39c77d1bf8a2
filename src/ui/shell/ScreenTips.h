#pragma once

// Screen tips of every window: they appear after the pointer has rested 2 s on a control and
// stay 5 s; the per-user setting ShowScreenTips switches them off for the whole program.

#include <QObject>
#include <QProxyStyle>

namespace zud::ui {

// The application's style with the program's tip delay.
class ScreenTipStyle : public QProxyStyle {
public:
    static constexpr int kWakeUpMs = 2000;
    static constexpr int kShownMs = 5000;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// Installed on the application: shows a control's tip for kShownMs, or none while the setting
// is off. The setting is read when a tip is due, so a change takes effect at once.
class ScreenTips : public QObject {
    Q_OBJECT
public:
    explicit ScreenTips(QObject* parent = nullptr);
    static void Install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace zud::ui

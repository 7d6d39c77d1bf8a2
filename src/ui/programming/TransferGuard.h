#pragma once

// While a window writes to the device, it takes no input: keys, clicks, wheel and context menus
// meant for it or any of its widgets are dropped, so that no edit lands in a record the transfer
// has already written. Escape and the window's close box ask the transfer to stop (the progress
// window's cancel) instead of closing the window underneath; Escape in the progress window does
// the same. Installed for the duration of one transfer.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace zud::ui {

class TransferGuard : public QObject {
public:
    // `cancel` runs on Escape or the close box; empty: a transfer that cannot be stopped.
    TransferGuard(QWidget* window, QWidget* progress, std::function<void()> cancel);
    ~TransferGuard() override;
    TransferGuard(const TransferGuard&) = delete;
    TransferGuard& operator=(const TransferGuard&) = delete;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QPointer<QWidget> FWindow;
    QPointer<QWidget> FProgress;
    std::function<void()> FCancel;
};

} // namespace zud::ui

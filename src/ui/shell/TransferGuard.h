#pragma once

// While a transfer writes to or reads from the device, the windows it owns take no input: keys,
// clicks, wheel, drops and context menus meant for them or their widgets are dropped, so that no
// edit lands in a record the transfer has already written. Escape and the close box of an owned
// window ask the transfer to stop instead of closing the window underneath; Escape in the
// progress window does the same. Windows that open during the transfer (a question) and the
// progress windows work as usual. Installed for the duration of one transfer.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace zud::ui {

class TransferGuard : public QObject {
public:
    // `cancel` runs on Escape or a close box; empty: a transfer that cannot be stopped.
    TransferGuard(const QList<QWidget*>& owned, QWidget* progress, std::function<void()> cancel);
    ~TransferGuard() override;
    TransferGuard(const TransferGuard&) = delete;
    TransferGuard& operator=(const TransferGuard&) = delete;

    // The windows open now, the progress windows (`progressClass`) left out.
    static QList<QWidget*> OpenWindows(const char* progressClass);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QList<QPointer<QWidget>> FOwned;
    QPointer<QWidget> FProgress;
    std::function<void()> FCancel;
};

} // namespace zud::ui

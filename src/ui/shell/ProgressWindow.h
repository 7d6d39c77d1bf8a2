#pragma once

// The progress window of the device workflows: small, on top, a text line and a progress bar.
// Showing it clears its cancel flag; its close box (enabled only for the transfer) sets it.
// Short-lived second windows for long listings and deletions stand 20 px below the first one.

#include "ProgressBar.h"
#include "Readout.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QAction;

namespace zud {
class TZUD12;
}

namespace zud::ui {

// A device-layer progress bar that moves a Qt progress bar and repaints it at once.
class QtProgressBar : public TProgressBar {
public:
    explicit QtProgressBar(QProgressBar* bar) : FBar(bar) {}

protected:
    void Changed() override;

private:
    QProgressBar* FBar;
};

class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);
    ~ProgressWindow() override;

    void SetText(const QString& text);
    QString Text() const;
    void SetMaximum(int maximum);
    void SetPosition(int position);
    int Position() const;
    int Maximum() const;
    // Positions count items in progress (the transfer's "n of m"): the bar stands at the end of
    // the item before and moves through item n by its bytes (SetBytes). Off again at Finish.
    void SetItemsInProgress(bool on);
    void SetBytes(qint64 done, qint64 total);
    // The close box; only the transfer enables it.
    void SetCloseEnabled(bool on);
    bool CloseEnabled() const { return FCloseEnabled; }
    bool Cancel() const { return FCancel; }
    // The program is ending: the running transfer stops after its recording, as by the close box.
    void RequestCancel() { FCancel = true; }
    // What the close box does, for Escape and for the windows underneath: the cancel, when the
    // close box is on (else nothing).
    void CancelByUser();
    // What the device commands move.
    TProgressBar* DeviceBar() { return &FDeviceBar; }

    // A second window with its text and maximum, at this window's left edge 20 px below it.
    ProgressWindow* OpenSecond(const QString& text, int maximum);
    void CloseSecond();
    ProgressWindow* Second() const { return FSecond.get(); }

    // The workflow callbacks served by this window (progress, cancel, second windows).
    wf::Callbacks Callbacks();
    // Closes the window after a workflow, the close box disabled again.
    void Finish();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Repaint();
    QLabel* FLabel = nullptr;
    QProgressBar* FBar = nullptr;
    QtProgressBar FDeviceBar;
    bool FCancel = false;
    bool FCloseEnabled = false;
    bool FFinishing = false;
    bool FPlaced = false;
    bool FItemsInProgress = false;
    int FItem = 0;
    static constexpr int kFine = 1000; // bar steps within one item
    std::unique_ptr<ProgressWindow> FSecond;
};

// While a workflow talks to the device: the window keeps repainting (the device's pump
// processes events between blocks) and the competing actions are disabled; everything comes
// back as it was at the end. With the progress window given, the transfer owns the windows
// that were open when it began: they take no input (no click, key or close lands in them), and
// Escape or the close box on any of them is the progress window's cancel. Windows that open
// during the transfer (a question) and the progress windows work as usual.
class DeviceWork {
public:
    DeviceWork(TZUD12& dev, const QList<QAction*>& competing, ProgressWindow* progress = nullptr);
    ~DeviceWork();
    DeviceWork(const DeviceWork&) = delete;
    DeviceWork& operator=(const DeviceWork&) = delete;

private:
    TZUD12& FDev;
    std::function<void()> FOldPump;
    QList<QPair<QAction*, bool>> FActions;
    std::unique_ptr<QObject> FGuard;
};

} // namespace zud::ui

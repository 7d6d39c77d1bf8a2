#pragma once

// The progress window of a database backup and restore: the current step, a bar and
// "Abbrechen". Escape and the close box cancel as the button does. While it is shown it is the
// only window that takes input, so nothing else can start meanwhile.

#include "Feedback.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace zud::ui {

// A run of the exchange that the window's "Abbrechen" stops. While the run goes on, Escape, the
// close box and the button ask it to stop (the button then takes no more clicks); the window
// closes when the run has cleaned up.
class CancellableRun {
public:
    CancellableRun() = default;
    explicit CancellableRun(QPushButton* cancel) : FCancel(cancel) {}
    // A run starts: nothing asked yet, the button takes clicks.
    void Begin();
    void End() { FRunning = false; }
    bool Running() const { return FRunning; }
    bool Cancelled() const { return FCancelled; }
    // The window's reject(): while a run goes on, asks it to stop and returns true (the window
    // stays); false when none runs.
    bool Stop();
    // Feedback that shows each step in `label` (and adds it to `steps`) and moves `bar`. It keeps
    // the window painting; the window is modal and takes no other input meanwhile, so only the
    // cancel can be pressed. Its progress reports the cancel.
    exchange::Feedback Feedback(QLabel* label, QProgressBar* bar, QStringList& steps) const;

private:
    QPushButton* FCancel = nullptr;
    bool FRunning = false;
    bool FCancelled = false;
};

class ExchangeProgress : public QDialog {
    Q_OBJECT
public:
    explicit ExchangeProgress(QWidget* parent = nullptr);

    // Shows the window with `title`; the feedback moves it and reports its cancel.
    exchange::Feedback Start(const QString& title);
    // Hides the window after the run.
    void Finish();
    bool Cancelled() const { return FRun.Cancelled(); }
    QPushButton* CancelButton() const { return FCancel; }
    // The steps of the last run (tests read them).
    QStringList Steps;

protected:
    void reject() override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void RetranslateUi();
    QLabel* FLabel = nullptr;
    QProgressBar* FBar = nullptr;
    QPushButton* FCancel = nullptr;
    CancellableRun FRun;
};

// Moves a progress bar by a step's bytes or items: large totals count in KiB, so that the bar's
// int is never exceeded; an unknown total (-1) keeps the bar busy.
void ShowProgress(QProgressBar* bar, qint64 done, qint64 total);

} // namespace zud::ui

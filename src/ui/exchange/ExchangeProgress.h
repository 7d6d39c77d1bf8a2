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

class ExchangeProgress : public QDialog {
    Q_OBJECT
public:
    explicit ExchangeProgress(QWidget* parent = nullptr);

    // Shows the window with `title`; the feedback moves it and reports its cancel.
    exchange::Feedback Start(const QString& title);
    // Hides the window after the run.
    void Finish();
    bool Cancelled() const { return FCancelled; }
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
    bool FRunning = false;
    bool FCancelled = false;
};

// Moves a progress bar by a step's bytes or items: large totals count in KiB, so that the bar's
// int is never exceeded; an unknown total (-1) keeps the bar busy.
void ShowProgress(QProgressBar* bar, qint64 done, qint64 total);

} // namespace zud::ui

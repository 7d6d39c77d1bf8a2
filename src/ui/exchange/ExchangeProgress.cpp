#include "ExchangeProgress.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace zud::ui {

void ShowProgress(QProgressBar* bar, qint64 done, qint64 total) {
    if (total <= 0)
        return;
    const int scale = total > (1 << 30) ? 1024 : 1;
    bar->setRange(0, static_cast<int>(total / scale));
    bar->setValue(static_cast<int>(done / scale));
}

ExchangeProgress::ExchangeProgress(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ExchangeProgress"));
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    FLabel = new QLabel(this);
    FLabel->setObjectName(QStringLiteral("Label"));
    FBar = new QProgressBar(this);
    FBar->setObjectName(QStringLiteral("Progress"));
    FBar->setMinimumWidth(360);
    FCancel = new QPushButton(this);
    FCancel->setObjectName(QStringLiteral("Abbrechen"));
    FCancel->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(FCancel);
    layout->addWidget(FLabel);
    layout->addWidget(FBar);
    layout->addLayout(row);
    connect(FCancel, &QPushButton::clicked, this, [this] { reject(); });
    RetranslateUi();
}

void ExchangeProgress::RetranslateUi() {
    FCancel->setText(tr("Abbrechen"));
}

void ExchangeProgress::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        RetranslateUi();
    QDialog::changeEvent(e);
}

exchange::Feedback ExchangeProgress::Start(const QString& title) {
    setWindowTitle(title);
    Steps.clear();
    FLabel->clear();
    FBar->setRange(0, 0);
    FCancelled = false;
    FRunning = true;
    FCancel->setEnabled(true);
    show();
    raise();
    QCoreApplication::processEvents();
    exchange::Feedback fb;
    fb.step = [this](const QString& text) {
        Steps << text;
        FLabel->setText(text);
        FBar->setRange(0, 0);
        QCoreApplication::processEvents();
    };
    fb.progress = [this](qint64 done, qint64 total) {
        ShowProgress(FBar, done, total);
        // The window is modal: only its cancel can be pressed meanwhile.
        QCoreApplication::processEvents();
        return !FCancelled;
    };
    return fb;
}

void ExchangeProgress::Finish() {
    FRunning = false;
    hide();
}

void ExchangeProgress::reject() {
    // While the run goes on, Escape, the close box and the button ask it to stop; the window
    // closes when the run has cleaned up.
    if (FRunning) {
        FCancelled = true;
        FCancel->setEnabled(false);
        return;
    }
    QDialog::reject();
}

void ExchangeProgress::closeEvent(QCloseEvent* e) {
    if (FRunning) {
        e->ignore();
        reject();
        return;
    }
    QDialog::closeEvent(e);
}

} // namespace zud::ui

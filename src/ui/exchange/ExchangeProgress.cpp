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

void CancellableRun::Begin() {
    FCancelled = false;
    FRunning = true;
    FCancel->setEnabled(true);
}

bool CancellableRun::Stop() {
    if (!FRunning)
        return false;
    FCancelled = true;
    FCancel->setEnabled(false);
    return true;
}

exchange::Feedback CancellableRun::Feedback(QLabel* label, QProgressBar* bar, QStringList& steps) const {
    exchange::Feedback fb;
    fb.step = [label, bar, &steps](const QString& text) {
        steps << text;
        label->setText(text);
        bar->setRange(0, 0);
        QCoreApplication::processEvents();
    };
    fb.progress = [this, bar](qint64 done, qint64 total) {
        ShowProgress(bar, done, total);
        QCoreApplication::processEvents();
        return !FCancelled;
    };
    return fb;
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
    FRun = CancellableRun(FCancel);
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
    FRun.Begin();
    show();
    raise();
    QCoreApplication::processEvents();
    return FRun.Feedback(FLabel, FBar, Steps);
}

void ExchangeProgress::Finish() {
    FRun.End();
    hide();
}

void ExchangeProgress::reject() {
    if (FRun.Stop())
        return;
    QDialog::reject();
}

void ExchangeProgress::closeEvent(QCloseEvent* e) {
    if (FRun.Running()) {
        e->ignore();
        reject();
        return;
    }
    QDialog::closeEvent(e);
}

} // namespace zud::ui

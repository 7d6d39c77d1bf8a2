#include "ProgressWindow.h"

#include "TransferGuard.h"

#include "SplashScreen.h"
#include "TZUD12.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QSet>
#include <QVBoxLayout>

#include <algorithm>

namespace zud::ui {

void QtProgressBar::Changed() {
    FBar->setRange(Min(), Max());
    FBar->setValue(Position());
    // The bar shows the new value at once, also while the device command still blocks.
    FBar->repaint();
}

ProgressWindow::ProgressWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      FDeviceBar(nullptr) {
    setObjectName(QStringLiteral("ProgressWindow"));
    setWindowTitle(QStringLiteral("ZUD-Software"));
    // Nothing else is used while it is shown; its own close box still works.
    setWindowModality(Qt::ApplicationModal);
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(12, 10, 12, 10);
    FLabel = new QLabel(this);
    FLabel->setObjectName(QStringLiteral("Text"));
    FBar = new QProgressBar(this);
    FBar->setObjectName(QStringLiteral("Bar"));
    FBar->setTextVisible(false);
    FBar->setRange(0, 100);
    FBar->setValue(0);
    lay->addWidget(FLabel);
    lay->addWidget(FBar);
    FDeviceBar = QtProgressBar(FBar);
    setFixedSize(420, 76);
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::SetText(const QString& text) {
    FLabel->setText(text);
}

QString ProgressWindow::Text() const {
    return FLabel->text();
}

void ProgressWindow::SetMaximum(int maximum) {
    FBar->setRange(0, FItemsInProgress ? maximum * kFine : maximum);
}

void ProgressWindow::SetPosition(int position) {
    FItem = position;
    FBar->setValue(FItemsInProgress ? std::max(0, position - 1) * kFine : position);
}

int ProgressWindow::Position() const {
    return FItemsInProgress ? FItem : FBar->value();
}

int ProgressWindow::Maximum() const {
    return FItemsInProgress ? FBar->maximum() / kFine : FBar->maximum();
}

void ProgressWindow::SetItemsInProgress(bool on) {
    if (on == FItemsInProgress)
        return;
    const int maximum = Maximum();
    const int position = Position();
    FItemsInProgress = on;
    SetMaximum(maximum);
    SetPosition(position);
}

void ProgressWindow::SetBytes(qint64 done, qint64 total) {
    if (!FItemsInProgress || total <= 0)
        return;
    const qint64 within = std::clamp<qint64>(done, 0, total) * kFine / total;
    FBar->setValue(std::max(0, FItem - 1) * kFine + int(within));
    Repaint();
}

void ProgressWindow::SetCloseEnabled(bool on) {
    FCloseEnabled = on;
    const bool shown = isVisible();
    const bool cancel = FCancel;
    setWindowFlag(Qt::WindowCloseButtonHint, on); // hides a shown window
    if (shown) {
        show();
        FCancel = cancel; // a new close box is no new start
    }
}

void ProgressWindow::showEvent(QShowEvent* e) {
    FCancel = false;
    if (!FPlaced && parentWidget()) {
        // The first showing: in the middle of the window it belongs to.
        FPlaced = true;
        winId();
        const QRect owner = parentWidget()->window()->frameGeometry();
        move(owner.center() - QPoint(width() / 2, height() / 2));
    }
    QWidget::showEvent(e);
    // Each kind of window once per run.
    static QSet<QString> dumped;
    if (!qEnvironmentVariableIsEmpty("ZUD_SCREENSHOTS") && !dumped.contains(objectName())) {
        dumped.insert(objectName());
        DumpScreenshot(this, objectName() == QLatin1String("ProgressWindow")
                                 ? QStringLiteral("progress")
                                 : QStringLiteral("progress-second"));
    }
}

void ProgressWindow::closeEvent(QCloseEvent* e) {
    if (FFinishing) {
        e->accept();
        return;
    }
    if (!FCloseEnabled) {
        e->ignore();
        return;
    }
    FCancel = true;
    e->accept();
}

void ProgressWindow::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        CancelByUser();
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

void ProgressWindow::CancelByUser() {
    if (FCloseEnabled && isVisible()) {
        close(); // as the close box: sets the cancel
    } else if (FCloseEnabled) {
        FCancel = true;
    }
}

void ProgressWindow::Repaint() {
    // Painted at once; events are processed only by the device's pump between blocks, where a
    // device command started by any of them is refused without touching the line.
    FLabel->repaint();
    FBar->repaint();
}

ProgressWindow* ProgressWindow::OpenSecond(const QString& text, int maximum) {
    CloseSecond();
    FSecond = std::make_unique<ProgressWindow>(parentWidget());
    FSecond->setObjectName(QStringLiteral("ProgressWindowSecond"));
    FSecond->SetText(text);
    FSecond->DeviceBar()->SetMin(0);
    FSecond->DeviceBar()->SetMax(maximum);
    FSecond->DeviceBar()->SetPosition(0);
    const QRect g = frameGeometry();
    FSecond->FPlaced = true;
    FSecond->winId(); // with its platform window the frame's place is known
    FSecond->move(g.left(), g.top() + g.height() + 20);
    FSecond->show();
    FSecond->Repaint();
    return FSecond.get();
}

void ProgressWindow::CloseSecond() {
    if (FSecond) {
        FSecond->Finish();
        FSecond.reset();
    }
}

wf::Callbacks ProgressWindow::Callbacks() {
    wf::Callbacks cb;
    cb.progress = [this](const QString& text, int position, int maximum) {
        SetText(text);
        SetMaximum(maximum);
        SetPosition(position);
        // A window the user closed stays closed: showing it again would forget the cancel.
        if (!isVisible() && !FCancel) {
            show();
        }
        Repaint();
    };
    cb.cancelRequested = [this] { return FCancel; };
    cb.fileBytes = [this](qint64 done, qint64 total) { SetBytes(done, total); };
    cb.openSecond = [this](const QString& text, int maximum) -> TProgressBar* {
        return OpenSecond(text, maximum)->DeviceBar();
    };
    cb.closeSecond = [this] { CloseSecond(); };
    return cb;
}

void ProgressWindow::Finish() {
    CloseSecond();
    SetItemsInProgress(false);
    FFinishing = true;
    close();
    FFinishing = false;
    if (FCloseEnabled) {
        SetCloseEnabled(false);
    }
}

DeviceWork::DeviceWork(TZUD12& dev, const QList<QAction*>& competing, ProgressWindow* progress)
    : FDev(dev), FOldPump(dev.Pump) {
    FDev.Pump = [] { QCoreApplication::processEvents(); };
    for (QAction* a : competing) {
        if (a) {
            FActions.append({a, a->isEnabled()});
            a->setEnabled(false);
        }
    }
    if (progress) {
        const QPointer<ProgressWindow> p(progress);
        FGuard = std::make_unique<TransferGuard>(TransferGuard::OpenWindows("zud::ui::ProgressWindow"),
                                                 progress, [p] {
                                                     if (p) {
                                                         p->CancelByUser();
                                                     }
                                                 });
    }
}

DeviceWork::~DeviceWork() {
    FGuard.reset();
    FDev.Pump = FOldPump;
    for (const auto& [a, enabled] : FActions) {
        a->setEnabled(enabled);
    }
}

} // namespace zud::ui

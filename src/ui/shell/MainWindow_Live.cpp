// The main window's part of the live measurement: "Echtzeit Start" and "Echtzeit Stop", the
// running state with the single live chart in place of the tabs, the finished recordings as
// "*Neu" tabs, and the tone that follows the live value ("Ton" and its volume).

#include "LiveChart.h"
#include "LiveMeasurement.h"
#include "LiveSessionPanel.h"
#include "MainWindow.h"
#include "PatientDatabase.h"
#include "RecordingTabs.h"
#include "TZUD12.h"
#include "ToneOutput.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QSplitter>
#include <QStatusBar>
#include <algorithm>

namespace zud::ui {

void MainWindow::CreateLiveWindow() {
    FLiveChart = new LiveChart(FSplitter);
    FSplitter->addWidget(FLiveChart);
    FLiveChart->hide();
    FLivePanel = new LiveSessionPanel(FSplitter);
    FSplitter->addWidget(FLivePanel);
    FSplitter->setStretchFactor(FSplitter->indexOf(FLivePanel), 0);
    FLivePanel->hide();
    connect(Action(QStringLiteral("EZStart")), &QAction::triggered, this, &MainWindow::StartLive);
    connect(Action(QStringLiteral("EZStop")), &QAction::triggered, this, &MainWindow::StopLive);

    FTone = new ToneOutput(this);
    connect(Action(QStringLiteral("EZTon")), &QAction::toggled, this, [this](bool on) {
        FSettings.SetLiveTone(on);
        FTone->SetEnabled(on);
        // The pressed button and its icon both say whether the tone sounds.
        Action(QStringLiteral("EZTon"))
            ->setIcon(
                ThemeIcon(on ? QStringLiteral("audio-volume-high") : QStringLiteral("audio-volume-muted"),
                          QStringLiteral("EZTon")));
    });
    connect(FToneVolume, &QSlider::valueChanged, this, [this](int v) {
        FSettings.SetLiveToneVolume(v);
        FTone->SetVolume(v);
        RetranslateTone();
    });
    // Said once for the whole run of the program; the measurement goes on without the tone.
    connect(FTone, &ToneOutput::Unavailable, this, [this] {
        statusBar()->showMessage(
            tr("Kein Audioausgabegerät gefunden: Der Ton der Echtzeitmessung bleibt stumm."));
    });
}

void MainWindow::ApplyToneSettings() {
    const int volume = FSettings.LiveToneVolume();
    FToneVolume->setValue(volume);
    FTone->SetVolume(volume);
    const bool on = FSettings.LiveTone();
    QAction* ton = Action(QStringLiteral("EZTon"));
    ton->setChecked(on);
    ton->setIcon(ThemeIcon(on ? QStringLiteral("audio-volume-high") : QStringLiteral("audio-volume-muted"),
                           QStringLiteral("EZTon")));
    FTone->SetEnabled(on);
    RetranslateTone();
}

void MainWindow::RetranslateTone() {
    FToneVolumeLabel->setText(tr("Lautstärke"));
    const QString tip = tr("Lautstärke des Tons: %1 %").arg(FToneVolume->value());
    FToneVolume->setToolTip(tip);
    FToneVolumeLabel->setToolTip(tip);
}

void MainWindow::MakeLiveMeasurement() {
    // The device object exists from the creation step on; the measurement borrows it.
    if (FLiveMeasurement || !FDevice)
        return;
    FLiveMeasurement = new LiveMeasurement(*FDevice, FLiveChart, this);
    FLiveMeasurement->SetToneOutput(FTone);
    FLiveMeasurement->SetPanel(FLivePanel);
    connect(FLiveMeasurement, &LiveMeasurement::Started, this, [this] {
        UpdateRecordingActions();
        FTabs->hide();
        FLiveChart->SetOptions(ChartOptions());
        FLiveChart->show();
    });
    connect(FLiveMeasurement, &LiveMeasurement::Ended, this,
            [this](const std::vector<LiveCapture::Fertig>& recordings, EZEnde reason) {
                FLiveChart->hide();
                FTabs->show();
                ReleasePortFromLive();
                switch (reason) {
                case EZEnde::Stille:
                case EZEnde::WertZuSpaet:
                case EZEnde::Leitung:
                    statusBar()->showMessage(
                        tr("Die Echtzeitmessung wurde beendet: das Gerät sendet keine Daten mehr."));
                    break;
                case EZEnde::EinschaltenFehler:
                    statusBar()->showMessage(tr("Das Gerät hat die Echtzeitmessung nicht gestartet."));
                    break;
                default:
                    break;
                }
                if (recordings.empty()) {
                    ShowFrames();
                    UpdateRecordingActions();
                }
                for (const LiveCapture::Fertig& f : recordings)
                    AddLiveRecording(f.stream, f.start);
            });
    // The panel beside the live chart comes and goes with it (after the chart took its place);
    // it names the patient the recording will be saved for and shows the pressure in the
    // chart's unit.
    connect(FLiveMeasurement, &LiveMeasurement::Started, this, &MainWindow::ShowLivePanel);
    connect(FLiveMeasurement, &LiveMeasurement::Ended, FLivePanel, &QWidget::hide);
}

void MainWindow::ShowLivePanel() {
    std::optional<Patient> p;
    if (FDM && FDM->LoggedIn() && FCurrentPatient >= 0)
        p = FDM->GetPatient(FCurrentPatient);
    FLivePanel->SetPatient(p ? &*p : nullptr);
    FLivePanel->SetPressureUnit(FSettings.DruckEinheit());
    FLivePanel->show();
    // The splitter gives a widget it shows again its old width, none the first time: the
    // panel gets the width its texts ask for, the chart the rest.
    const int panel = std::clamp(FLivePanel->sizeHint().width(), FLivePanel->minimumSizeHint().width(),
                                 FLivePanel->maximumWidth());
    QList<int> sizes;
    for (int i = 0; i < FSplitter->count(); ++i) {
        QWidget* w = FSplitter->widget(i);
        sizes << (w == FLivePanel ? panel : w == FLiveChart ? std::max(100, FSplitter->width() - panel) : 0);
    }
    FSplitter->setSizes(sizes);
}

void MainWindow::ReservePortForLive() {
    // From the click on: the feed owns the line, nothing else may reach for the port or the
    // session until the feed has ended.
    BeginLiveMode();
    FLiveRested.clear();
    for (const char* name : {"Aktualisieren", "PortMenu", "BaudMenu", "ChangeApp", "Login", "Logout",
                             "ChangePW", "user", "Export", "Import", "Backup", "Restore"}) {
        if (QAction* a = Action(QString::fromLatin1(name))) {
            FLiveRested.append({a, a->isEnabled()});
            a->setEnabled(false);
        }
    }
    if (FPortBox) {
        FPortBoxRested = FPortBox->isEnabled();
        FPortBox->setEnabled(false);
    }
}

void MainWindow::ReleasePortFromLive() {
    for (const auto& [a, on] : FLiveRested)
        a->setEnabled(on);
    FLiveRested.clear();
    if (FPortBox)
        FPortBox->setEnabled(FPortBoxRested);
    EndLiveMode();
}

void MainWindow::StartLive() {
    MakeLiveMeasurement();
    if (FLive || !FLiveMeasurement || FLiveMeasurement->Running() || !FDevice || FDevice->Pumping())
        return;
    ReservePortForLive();
    QString message;
    bool ok = false;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ok = FLiveMeasurement->Start(&message);
        QApplication::restoreOverrideCursor();
    }
    if (!ok) {
        ReleasePortFromLive();
        Error(message);
    }
}

void MainWindow::StopLive() {
    if (FLiveMeasurement)
        FLiveMeasurement->Stop();
}

bool MainWindow::StopLiveAndKeep(int ms) {
    return !FLiveMeasurement || FLiveMeasurement->StopAndKeep(ms);
}

} // namespace zud::ui

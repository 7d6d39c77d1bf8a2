#include "LiveMeasurement.h"

#include "Handshake.h"
#include "LiveChart.h"
#include "LiveSessionPanel.h"
#include "TZUD12.h"
#include "ToneOutput.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace zud::ui {

LiveMeasurement::LiveMeasurement(TZUD12& dev, LiveChart* chart, QObject* parent)
    : QObject(parent), FDev(dev), FChart(chart) {
    qRegisterMetaType<std::vector<zud::LiveCapture::Fertig>>();
    FCap.Log = [this](const QString& s) { FDev.AddLog(s); };
}

void LiveMeasurement::SetToneOutput(ToneOutput* tone) {
    FToneOut = tone;
}

void LiveMeasurement::SetPanel(LiveSessionPanel* panel) {
    FPanel = panel;
}

LiveMeasurement::~LiveMeasurement() {
    // Whoever listened may be gone already: the feed only ends, nothing is handed over.
    disconnect();
    if (FToneOut)
        FToneOut->End();
    if (FRunning) {
        FDev.TerminateEZThread();
        FDev.WaitEZThread(3000);
    }
}

bool LiveMeasurement::Start(QString* message) {
    if (FRunning)
        return false;
    const Handshake h = RunHandshake(FDev, HandshakeOptions{true, true});
    if (!h.ok()) {
        if (message)
            *message = h.message;
        EndConversation(FDev, h.screenSet);
        return false;
    }
    FCap = LiveCapture{};
    FCap.Log = [this](const QString& s) { FDev.AddLog(s); };
    FProben = 0;
    FTon = LiveTone{};
    FTonProben = 0;
    FEnded = false;
    if (FChart)
        FChart->Clear();
    if (FPanel)
        FPanel->Clear();
    TZUD12Thread* t = FDev.CreateEZThread();
    // Queued: the feed hands each value over and goes on at once.
    connect(
        t, &TZUD12Thread::OnUpdateControls1, this, [this] { emit Started(); }, Qt::QueuedConnection);
    connect(t, &TZUD12Thread::OnUpdatepanels, this, &LiveMeasurement::OnProgramm, Qt::QueuedConnection);
    connect(t, &TZUD12Thread::OnUpdateChartData, this, &LiveMeasurement::OnProbe, Qt::QueuedConnection);
    connect(t, &TZUD12Thread::OnUpdateControls, this, &LiveMeasurement::OnEnde, Qt::QueuedConnection);
    FRunning = true;
    if (FToneOut)
        FToneOut->Begin();
    FDev.StartEZThread();
    return true;
}

void LiveMeasurement::Stop() {
    FDev.TerminateEZThread();
}

bool LiveMeasurement::StopAndKeep(int ms) {
    if (!FRunning)
        return true;
    FDev.TerminateEZThread();
    const QDeadlineTimer frist(ms);
    if (!FDev.WaitEZThread(int(std::max<qint64>(0, frist.remainingTime()))))
        return false;
    // The values still queued for the window, then the end.
    const QDeadlineTimer rest(std::max<qint64>(100, frist.remainingTime()));
    while (FRunning && !rest.hasExpired())
        QCoreApplication::sendPostedEvents(this);
    return !FRunning;
}

void LiveMeasurement::OnProgramm(const ProgrammParameter& p) {
    FCap.Programm(p);
    FTon.Programm(p);
    if (FChart)
        FChart->Start(p);
    if (FPanel)
        FPanel->Start(p);
}

void LiveMeasurement::OnProbe(const EZProbe& p) {
    QElapsedTimer t;
    t.start();
    FCap.Probe(p);
    ++FProben;
    const bool ton = FTon.Probe(p);
    FTonProben += ton;
    if (FToneOut)
        FToneOut->Set(ton, FTon.Frequenz());
    if (FChart && FCap.HatKopf())
        FChart->Add(p, FCap.Laufend());
    if (FPanel)
        FPanel->Add(p);
    FLetzteMs = double(t.nsecsElapsed()) / 1e6;
    emit SampleShown(p);
}

void LiveMeasurement::OnEnde(EZEnde e) {
    if (FEnded)
        return;
    FEnded = true;
    // The feed has left real-time mode; the device gets its normal screen and the link closes.
    FTon.Ende();
    if (FToneOut)
        FToneOut->End();
    FDev.WaitEZThread(2000);
    EndConversation(FDev, true);
    FRunning = false;
    emit Ended(FCap.Abschliessen(), e);
}

} // namespace zud::ui

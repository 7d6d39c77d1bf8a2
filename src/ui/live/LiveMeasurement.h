#pragma once

// The main window's live measurement: "Echtzeit Start" runs the device handshake and starts
// the feed; every value reaches the window through a queued signal and goes into the live
// recording and the live chart; at the end the recordings of the run are handed over as
// unsaved "*Neu" tabs. Each value also decides the tone of the audio cue, which the tone output
// plays when it is switched on. The feed never waits for the window.

#include "LiveCapture.h"
#include "LiveTone.h"
#include "TZUD12Thread.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <vector>

namespace zud {
class TZUD12;
}

namespace zud::ui {

class LiveChart;
class LiveSessionPanel;
class ToneOutput;

class LiveMeasurement : public QObject {
    Q_OBJECT
public:
    LiveMeasurement(TZUD12& dev, LiveChart* chart, QObject* parent = nullptr);
    ~LiveMeasurement() override;
    // Where the tone of each value is played (none: decided, not played).
    void SetToneOutput(ToneOutput* tone);
    // The panel beside the chart that follows the program and each value (none: not shown).
    void SetPanel(LiveSessionPanel* panel);

    // The handshake and the start of the feed; false with the German message when the device
    // could not be reached (the link is closed again).
    bool Start(QString* message);
    // "Echtzeit Stop": the feed ends at its next look (within 10 ms).
    void Stop();
    bool Running() const { return FRunning; }
    // Ends a running measurement now and waits (at most `ms`) for the feed to leave real-time
    // mode, so that what was recorded is handed over before this returns. For the end of the
    // session (a signal, the window closing); true when nothing runs any more.
    bool StopAndKeep(int ms = 3000);

    const LiveCapture& Capture() const { return FCap; }
    // Time of the last value's handling in the window (append, figures, drawing), in ms.
    double LastSampleMs() const { return FLetzteMs; }
    int Samples() const { return FProben; }
    // The tone's decision for the last value, and how many values of the run sounded.
    const LiveTone& Tone() const { return FTon; }
    int ToneSamples() const { return FTonProben; }

signals:
    // The feed runs: the window switches to its running state.
    void Started();
    // Each handled value (for the status line).
    void SampleShown(const zud::EZProbe& p);
    // The feed ended; `recordings` are the complete recordings of the run (maybe none).
    void Ended(const std::vector<zud::LiveCapture::Fertig>& recordings, zud::EZEnde reason);

private:
    void OnProgramm(const ProgrammParameter& p);
    void OnProbe(const EZProbe& p);
    void OnEnde(EZEnde e);
    TZUD12& FDev;
    QPointer<LiveChart> FChart;
    QPointer<ToneOutput> FToneOut;
    QPointer<LiveSessionPanel> FPanel;
    LiveCapture FCap;
    LiveTone FTon;
    int FTonProben = 0;
    bool FRunning = false;
    bool FEnded = false;
    double FLetzteMs = 0;
    int FProben = 0;
};

} // namespace zud::ui

Q_DECLARE_METATYPE(std::vector<zud::LiveCapture::Fertig>)

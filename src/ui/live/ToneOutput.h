#pragma once

// The tone of the live measurement: a sine through the default audio output, switched on and
// off per sample by the live measurement's decision. Everything runs in the window's thread from
// the queued sample signal, and nothing here waits for the sound device: the audio sink pulls
// its samples from a generator in memory, which only flips a flag per sample. Without an audio
// output (no device, or the device fails) the tone stays silent and Unavailable() is emitted
// once for the life of this object.

#include <QAudioFormat>
#include <QIODevice>
#include <QObject>

#include <atomic>

class QAudioSink;

namespace zud::ui {

// An endless sine of the set frequency and amplitude while on, silence while off; every change
// of level fades over a few milliseconds so that switching does not click. Mono or more channels
// (the same value in each), 16-bit or float samples. Open for reading from the start.
class SineSource : public QIODevice {
    Q_OBJECT
public:
    static constexpr double kFadeMs = 5.0;

    explicit SineSource(const QAudioFormat& format, QObject* parent = nullptr);
    void SetOn(bool on) { FOn = on; }
    bool On() const { return FOn; }
    void SetFrequency(double hz) { FFrequency = hz; }
    // 0..1 of full scale.
    void SetAmplitude(double a) { FAmplitude = a; }
    const QAudioFormat& Format() const { return FFormat; }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QAudioFormat FFormat;
    std::atomic<bool> FOn{false};
    std::atomic<double> FFrequency{440.0};
    std::atomic<double> FAmplitude{0.5};
    double FGain = 0;  // the level now, fading towards the amplitude or 0
    double FPhase = 0; // radians
};

class ToneOutput : public QObject {
    Q_OBJECT
public:
    explicit ToneOutput(QObject* parent = nullptr);
    ~ToneOutput() override;

    // The ribbon's switch; off by default.
    void SetEnabled(bool on);
    bool Enabled() const { return FEnabled; }
    // 0..100 %, on a scale that sounds even (the amplitude follows a logarithmic curve).
    void SetVolume(int percent);
    int Volume() const { return FVolume; }
    // The amplitude (0..1 of full scale) of a volume in percent.
    static double Amplitude(int percent);

    // A live run begins: with the tone switched on the audio output opens now.
    void Begin();
    // One sample's decision: sound at `hz`, or be silent.
    void Set(bool on, double hz);
    // The run ended: silent, the audio output closes.
    void End();

    // A tone is being played now (switched on, asked for, and an output device open).
    bool Playing() const;
    // The audio output is open (a live run with the tone switched on, on a machine with sound).
    bool Open() const { return FSink != nullptr; }

signals:
    // There is no audio output, or it failed: the tone stays silent. Once per object.
    void Unavailable();

private:
    bool OpenSink();
    void CloseSink();
    void Fail();
    QAudioSink* FSink = nullptr;
    SineSource* FSource = nullptr;
    bool FEnabled = false;
    bool FRunning = false;
    bool FFailed = false; // this run: no output, do not try again before the next run
    bool FSaid = false;
    bool FOn = false;
    double FHz = 440.0;
    int FVolume = 50;
};

} // namespace zud::ui

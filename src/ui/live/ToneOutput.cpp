#include "ToneOutput.h"

#include <QAudio>
#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace zud::ui {

namespace {

// Latency of the audio output: short enough that the tone follows the samples (10 a second).
constexpr int kBufferMs = 40;

} // namespace

SineSource::SineSource(const QAudioFormat& format, QObject* parent) : QIODevice(parent), FFormat(format) {
    // Unbuffered: a buffered device reads ahead, and a change would be heard only after that.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 SineSource::bytesAvailable() const {
    // Endless: as much as the sink wants.
    return std::max<qint64>(FFormat.bytesPerFrame(), 0) * 4096 + QIODevice::bytesAvailable();
}

qint64 SineSource::readData(char* data, qint64 maxSize) {
    const int frameBytes = FFormat.bytesPerFrame();
    const int channels = std::max(1, FFormat.channelCount());
    const int rate = std::max(1, FFormat.sampleRate());
    if (frameBytes <= 0)
        return 0;
    const qint64 frames = maxSize / frameBytes;
    const double target = FOn ? std::clamp(FAmplitude.load(), 0.0, 1.0) : 0.0;
    if (target == 0 && FGain == 0) {
        std::memset(data, 0, size_t(frames * frameBytes));
        FPhase = 0;
        return frames * frameBytes;
    }
    const double step = 1.0 / (rate * kFadeMs / 1000.0);
    const double delta = 2 * std::numbers::pi * FFrequency.load() / rate;
    const bool isFloat = FFormat.sampleFormat() == QAudioFormat::Float;
    char* out = data;
    for (qint64 i = 0; i < frames; ++i) {
        if (FGain < target)
            FGain = std::min(target, FGain + step);
        else if (FGain > target)
            FGain = std::max(target, FGain - step);
        const double v = FGain * std::sin(FPhase);
        FPhase += delta;
        if (FPhase >= 2 * std::numbers::pi)
            FPhase -= 2 * std::numbers::pi;
        for (int c = 0; c < channels; ++c) {
            if (isFloat) {
                const float f = float(v);
                std::memcpy(out, &f, sizeof f);
                out += sizeof f;
            } else {
                const auto s = qint16(std::lround(v * 32767));
                std::memcpy(out, &s, sizeof s);
                out += sizeof s;
            }
        }
    }
    return frames * frameBytes;
}

ToneOutput::ToneOutput(QObject* parent) : QObject(parent) {}

ToneOutput::~ToneOutput() {
    CloseSink();
}

void ToneOutput::SetEnabled(bool on) {
    if (FEnabled == on)
        return;
    FEnabled = on;
    if (!on)
        CloseSink();
    else if (FRunning)
        OpenSink();
}

double ToneOutput::Amplitude(int percent) {
    const float linear = float(std::clamp(percent, 0, 100)) / 100.0f;
    return double(QAudio::convertVolume(linear, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale));
}

void ToneOutput::SetVolume(int percent) {
    FVolume = std::clamp(percent, 0, 100);
    if (FSource)
        FSource->SetAmplitude(Amplitude(FVolume));
}

void ToneOutput::Begin() {
    FRunning = true;
    FFailed = false; // a device that came since the last run is tried again
    FOn = false;
    if (FEnabled)
        OpenSink();
}

void ToneOutput::Set(bool on, double hz) {
    FOn = on;
    FHz = hz;
    if (FSource) {
        FSource->SetFrequency(hz);
        FSource->SetOn(on);
    }
}

void ToneOutput::End() {
    FRunning = false;
    FOn = false;
    CloseSink();
}

bool ToneOutput::Playing() const {
    return FEnabled && FOn && FSink != nullptr && FSource != nullptr && FSource->On();
}

bool ToneOutput::OpenSink() {
    if (FSink)
        return true;
    if (FFailed)
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        Fail();
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        format = device.preferredFormat();
        if (format.sampleFormat() != QAudioFormat::Float)
            format.setSampleFormat(QAudioFormat::Int16);
    }
    FSource = new SineSource(format, this);
    FSource->SetFrequency(FHz);
    FSource->SetAmplitude(Amplitude(FVolume));
    FSource->SetOn(FOn);
    FSink = new QAudioSink(device, format, this);
    FSink->setBufferSize(format.bytesForDuration(qint64(kBufferMs) * 1000));
    connect(FSink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        // A device that goes away or refuses: silent from now on. An underrun only means the
        // sink asked before the generator was read again; it goes on by itself.
        if (state == QAudio::StoppedState && FSink && FSink->error() != QAudio::NoError &&
            FSink->error() != QAudio::UnderrunError)
            Fail();
    });
    FSink->start(FSource);
    if (FSink && FSink->error() != QAudio::NoError && FSink->error() != QAudio::UnderrunError) {
        Fail();
        return false;
    }
    return FSink != nullptr;
}

void ToneOutput::CloseSink() {
    if (FSink) {
        QAudioSink* sink = FSink;
        FSink = nullptr;
        sink->disconnect(this);
        sink->stop();
        // Possibly inside one of its own signals: it goes when the event loop is back.
        sink->deleteLater();
    }
    if (FSource) {
        SineSource* source = FSource;
        FSource = nullptr;
        source->close();
        source->deleteLater();
    }
}

void ToneOutput::Fail() {
    FFailed = true;
    CloseSink();
    if (!FSaid) {
        FSaid = true;
        emit Unavailable();
    }
}

} // namespace zud::ui

#pragma once

#include "Crc.h"
#include "Emulator.h"
#include "QtPrinters.h"
#include "TZUD12.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace zud::test {

inline std::vector<uint8_t> Bytes(std::initializer_list<int> b) {
    std::vector<uint8_t> v;
    for (int x : b) {
        v.push_back(static_cast<uint8_t>(x));
    }
    return v;
}

inline std::vector<uint8_t> Pattern(size_t n, uint32_t seed = 1) {
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i) {
        seed = seed * 1103515245u + 12345u;
        v[i] = static_cast<uint8_t>(seed >> 16);
    }
    return v;
}

inline QByteArray ToQ(const std::vector<uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

inline std::vector<uint8_t> FromQ(const QByteArray& a) {
    return std::vector<uint8_t>(a.begin(), a.end());
}

// A 10-byte frame: code, parameters, zeros, CRC high byte first.
inline std::vector<uint8_t> Frame(uint8_t code, std::initializer_list<int> params = {}) {
    std::vector<uint8_t> f(10, 0);
    f[0] = code;
    size_t i = 1;
    for (int p : params) {
        f[i++] = static_cast<uint8_t>(p);
    }
    PutCrc(f.data() + 8, Crc16(f.data(), 8));
    return f;
}

// The device object talking to an emulated device over a pseudo-terminal.
class EmuTest : public ::testing::Test {
protected:
    explicit EmuTest(emu::Options options = {}) : emu(std::move(options)) {}

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(emu.Start());
        logFile = dir.filePath(QStringLiteral("Logfile.txt"));
        dev = std::make_unique<TZUD12>(logFile);
        dev->ComPort = QString::fromStdString(emu.SlavePath());
        dev->open();
        ASSERT_TRUE(dev->ComOpen);
    }

    void TearDown() override {
        dev.reset();
        emu.Stop();
    }

    QStringList LogLines() const {
        QFile f(logFile);
        if (!f.open(QIODevice::ReadOnly)) {
            return {};
        }
        QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return lines;
    }

    // After a failed command: let the device finish or give up, then start clean.
    void Recover() {
        ASSERT_TRUE(emu.WaitIdle());
        dev->open();
    }

    // What the emulator recorded, once it has finished the command the host just ran.
    std::vector<uint16_t> Acks() {
        EXPECT_TRUE(emu.WaitIdle());
        return emu.ReadAcks();
    }

    // The log's lines that end with this message (after the time and date in front).
    int LogCount(const QString& message) const {
        int n = 0;
        for (const QString& l : LogLines()) {
            if (l.endsWith(QLatin1Char(' ') + message)) {
                ++n;
            }
        }
        return n;
    }

    // The last command of a given code as the emulator received it.
    std::vector<uint8_t> LastCommand(uint8_t code) const {
        const auto cmds = emu.Commands();
        for (auto it = cmds.rbegin(); it != cmds.rend(); ++it) {
            if (it->code == code) {
                return it->bytes;
            }
        }
        return {};
    }

    static double Seconds(std::chrono::steady_clock::time_point since) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
    }

    QTemporaryDir dir;
    QString logFile;
    emu::Emulator emu;
    std::unique_ptr<TZUD12> dev;
};

} // namespace zud::test

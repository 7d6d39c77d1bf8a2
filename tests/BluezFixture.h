#pragma once

// A private message bus (dbus-daemon) and a stand-in BlueZ on it (fake_bluez), and a kernel
// device tree in a temporary folder with bound rfcomm devices, for the Bluetooth port tests.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace zud::test {

class PrivateBus {
public:
    PrivateBus() {
        FDaemon.setProgram(QStringLiteral("dbus-daemon"));
        FDaemon.setArguments(
            {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        FDaemon.start();
        if (!FDaemon.waitForStarted(30000)) {
            return;
        }
        while (!FDaemon.canReadLine() && FDaemon.waitForReadyRead(30000)) {
        }
        FAddress = QString::fromUtf8(FDaemon.readLine()).trimmed();
    }
    ~PrivateBus() {
        FDaemon.kill();
        FDaemon.waitForFinished(5000);
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;
    // Empty when the daemon did not start.
    QString Address() const { return FAddress; }

private:
    QProcess FDaemon;
    QString FAddress;
};

class FakeBluez {
public:
    // Empty when it serves, else what went wrong.
    QString Start(const QString& bus, const QStringList& args) {
        FProcess.setProgram(QStringLiteral(ZUD_BIN_DIR "/fake_bluez"));
        FProcess.setArguments(QStringList{QStringLiteral("--bus"), bus} + args);
        FProcess.start();
        if (!FProcess.waitForStarted(30000)) {
            return QStringLiteral("fake_bluez did not start");
        }
        while (!FProcess.canReadLine() && FProcess.waitForReadyRead(30000)) {
        }
        const QString line = QString::fromUtf8(FProcess.readLine()).trimmed();
        return line == QLatin1String("ready")
                   ? QString()
                   : QStringLiteral("fake_bluez: ") + QString::fromUtf8(FProcess.readAllStandardError());
    }
    ~FakeBluez() {
        FProcess.kill();
        FProcess.waitForFinished(5000);
    }

private:
    QProcess FProcess;
};

// class/tty/<name>/address and channel below a temporary root, as the kernel shows them.
class SysRoot {
public:
    QString Root() const { return FDir.path(); }
    void Bind(const QString& name, const QByteArray& address, const QByteArray& channel) {
        const QString d = FDir.filePath(QStringLiteral("class/tty/") + name);
        QDir().mkpath(d);
        Write(d + QStringLiteral("/address"), address);
        Write(d + QStringLiteral("/channel"), channel);
    }
    void Plain(const QString& name) { QDir().mkpath(FDir.filePath(QStringLiteral("class/tty/") + name)); }

private:
    static void Write(const QString& file, const QByteArray& bytes) {
        QFile f(file);
        if (f.open(QIODevice::WriteOnly)) {
            f.write(bytes);
        }
    }
    QTemporaryDir FDir;
};

} // namespace zud::test

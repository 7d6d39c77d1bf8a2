#pragma once

// A private Firebird server on a free loopback port for tests and benchmarks: its root is
// prepared by `zudctl db server-setup` in a separate process (the client library reads its
// configuration once per process), then /usr/sbin/firebird runs with that root.

#include "PatientDatabase.h"

#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <iostream>
#include <memory>

namespace zud::test {

class FirebirdServer {
public:
    ~FirebirdServer() { Stop(); }

    // Empty on success, else what went wrong.
    QString Start(const QString& root, const QString& zudctl,
                  const QString& sysdbaPassword = QString::fromLatin1(kAdminPassword)) {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0)) {
            return QStringLiteral("no free port");
        }
        FPort = probe.serverPort();
        probe.close();
        FRoot = root;
        QProcess setup;
        setup.start(zudctl,
                    {QStringLiteral("db"), QStringLiteral("server-setup"), root, QStringLiteral("--port"),
                     QString::number(FPort), QStringLiteral("--password"), sysdbaPassword});
        if (!setup.waitForFinished(60000) || setup.exitCode() != 0) {
            return QStringLiteral("server-setup: ") + QString::fromUtf8(setup.readAllStandardError());
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("FIREBIRD"), root);
        env.insert(QStringLiteral("FIREBIRD_LOCK"), root + QStringLiteral("/lock"));
        FServer.setProcessEnvironment(env);
        FServer.setProcessChannelMode(QProcess::ForwardedChannels);
        return Launch();
    }

    // The server again, after Stop or Kill, on the same root and port. Empty on success.
    QString Restart() {
        Stop();
        return Launch();
    }

    // Ends the server at once, as a crash or a power cut of the server machine would.
    void Kill() {
        if (FServer.state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(FServer.processId()), SIGKILL);
            FServer.waitForFinished(5000);
        }
    }

    // The server's process (0 when it does not run): for a kill from another thread.
    qint64 Pid() const { return FServer.state() == QProcess::NotRunning ? 0 : FServer.processId(); }

    void Stop() {
        if (FServer.state() != QProcess::NotRunning) {
            // A clean stop usually takes a fraction of a second, but the server sometimes
            // waits ten seconds for its own shutdown timer; test data are throw-away.
            ::kill(static_cast<pid_t>(FServer.processId()), SIGTERM);
            if (!FServer.waitForFinished(2000)) {
                FServer.kill();
                FServer.waitForFinished(5000);
            }
        }
    }

    int Port() const { return FPort; }

    // The end of the server's own log, for a test that fails on the server's side.
    QString LogTail(int lines = 20) const {
        QFile f(FRoot + QStringLiteral("/firebird.log"));
        if (!f.open(QIODevice::ReadOnly)) {
            return QStringLiteral("(no server log)");
        }
        const QStringList all = QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'));
        return all.mid(std::max<qsizetype>(0, all.size() - lines)).join(QLatin1Char('\n'));
    }

private:
    QString Launch() {
        FServer.start(QStringLiteral("/usr/sbin/firebird"), {});
        if (!FServer.waitForStarted(10000)) {
            return QStringLiteral("the server does not start");
        }
        for (int i = 0; i < 200; ++i) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(FPort));
            if (s.waitForConnected(100)) {
                return {};
            }
            QThread::msleep(25);
        }
        return QStringLiteral("the server does not listen");
    }

    int FPort = 0;
    QString FRoot;
    QProcess FServer;
};

// The database installed on a private server and a data module logged in as SYSDBA. Under heavy
// load the first connections to a server that has just started listening have once been dropped
// ("Error reading data from the connection"): each try that fails is printed with the end of the
// server's log, and the set-up is tried three times before the test fails with the last error.
inline std::unique_ptr<PatientDatabase> InstallAndLogin(const FirebirdServer& server, const DbLocation& loc,
                                                        std::string& failed) {
    for (int attempt = 1;; ++attempt) {
        try {
            PatientDatabase(loc).EnsureInstalled();
            auto dm = std::make_unique<PatientDatabase>(loc);
            dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
            return dm;
        } catch (const std::exception& e) {
            failed = std::string(e.what()) + "\n--- the server's log:\n" + server.LogTail().toStdString();
            std::cerr << "[ server   ] set-up try " << attempt << " failed: " << failed << std::endl;
            if (attempt == 3) {
                return nullptr;
            }
            QThread::msleep(500);
        }
    }
}

} // namespace zud::test

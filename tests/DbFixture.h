#pragma once

// Real Firebird 3 for the database tests: the embedded engine on a file in a temporary
// folder, or a private server on a free loopback port, started and stopped by the test.

#include "QtPrinters.h"

#include "Database.h"
#include "Settings.h"
#include "TDM1.h"

#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace zud::test {

class FirebirdServer {
public:
    ~FirebirdServer() { Stop(); }

    bool Start(const QString& root) {
        FRoot = root;
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0)) {
            return false;
        }
        FPort = probe.serverPort();
        probe.close();
        // The server root is prepared by zudctl in its own process: the client library reads
        // its configuration once per process.
        QProcess setup;
        setup.start(QStringLiteral(ZUD_BIN_DIR "/zudctl"),
                    {QStringLiteral("db"), QStringLiteral("server-setup"), root, QStringLiteral("--port"),
                     QString::number(FPort), QStringLiteral("--password"),
                     QString::fromLatin1(kAdminPassword)});
        if (!setup.waitForFinished(60000) || setup.exitCode() != 0) {
            ADD_FAILURE() << "server-setup: " << setup.readAllStandardError().toStdString();
            return false;
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("FIREBIRD"), root);
        env.insert(QStringLiteral("FIREBIRD_LOCK"), root + QStringLiteral("/lock"));
        FServer.setProcessEnvironment(env);
        FServer.setProcessChannelMode(QProcess::ForwardedChannels);
        FServer.start(QStringLiteral("/usr/sbin/firebird"), {});
        if (!FServer.waitForStarted(10000)) {
            return false;
        }
        for (int i = 0; i < 200; ++i) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(FPort));
            if (s.waitForConnected(100)) {
                return true;
            }
            QThread::msleep(25);
        }
        return false;
    }

    void Stop() {
        if (FServer.state() != QProcess::NotRunning) {
            // A clean stop usually takes a fraction of a second, but the server sometimes
            // waits ten seconds for its own shutdown timer; the test data are throw-away.
            ::kill(static_cast<pid_t>(FServer.processId()), SIGTERM);
            if (!FServer.waitForFinished(2000)) {
                FServer.kill();
                FServer.waitForFinished(5000);
            }
        }
    }

    int Port() const { return FPort; }

private:
    QString FRoot;
    int FPort = 0;
    QProcess FServer;
};

enum class Mode { Embedded, Server };

inline std::string ModeName(const ::testing::TestParamInfo<Mode>& info) {
    return info.param == Mode::Embedded ? "Embedded" : "Server";
}

// A fresh database of either kind, installed, and a data module logged in as administrator.
class DbTest : public ::testing::TestWithParam<Mode> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        Settings::RedirectForTests(dir.filePath(QStringLiteral("user")),
                                   dir.filePath(QStringLiteral("system")));
        qputenv("ZUD_DATA_DIR", dir.filePath(QStringLiteral("data")).toLocal8Bit());
        db::SetLockFolder(dir.filePath(QStringLiteral("lock")));
        loc.dir = dir.filePath(QStringLiteral("db"));
        QDir().mkpath(loc.dir);
        if (GetParam() == Mode::Server) {
            ASSERT_TRUE(server.Start(dir.filePath(QStringLiteral("server"))));
            loc.server = QStringLiteral("127.0.0.1");
            loc.port = QString::number(server.Port());
        }
        dm = std::make_unique<TDM1>(loc);
        ASSERT_TRUE(dm->EnsureInstalled());
        dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    }

    void TearDown() override {
        dm.reset();
        server.Stop();
    }

    bool Server() const { return GetParam() == Mode::Server; }

    // A second, independent connection to the same database.
    std::unique_ptr<db::Connection> Second() {
        return db::Connection::Attach({loc.ConnectionString(), QString::fromLatin1(kAdminUser),
                                       QString::fromLatin1(kAdminPassword), QString::fromLatin1(kRole)});
    }

    QTemporaryDir dir;
    FirebirdServer server;
    DbLocation loc;
    std::unique_ptr<TDM1> dm;
};

} // namespace zud::test

#pragma once

// Real Firebird 3 for the database tests: the embedded engine on a file in a temporary
// folder, or a private server on a free loopback port, started and stopped by the test.

#include "QtPrinters.h"

#include "Database.h"
#include "FirebirdServer.h"
#include "PatientDatabase.h"
#include "Settings.h"
#include "TestEnv.h"

#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace zud::test {

enum class Mode { Embedded, Server };

// A recording-shaped byte stream: mode `mode` in byte 2, a fixed pattern elsewhere.
inline QByteArray Stream(int mode, int size) {
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i) {
        b[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    }
    b[2] = static_cast<char>(mode);
    return b;
}

// A patient with the three mandatory fields.
inline Patient Person(const QString& name, const QString& vorname, QDate geburt) {
    Patient p;
    p.Name = name;
    p.Vorname = vorname;
    p.Geburtstag = geburt;
    return p;
}

inline std::string ModeName(const ::testing::TestParamInfo<Mode>& info) {
    return info.param == Mode::Embedded ? "Embedded" : "Server";
}

// A fresh database of either kind, installed, and a data module logged in as administrator.
class DbTest : public ::testing::TestWithParam<Mode> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        test::IsolateProgramFolders(dir);
        db::SetLockFolder(dir.filePath(QStringLiteral("lock")));
        loc.dir = dir.filePath(QStringLiteral("db"));
        QDir().mkpath(loc.dir);
        if (GetParam() == Mode::Server) {
            const QString failed =
                server.Start(dir.filePath(QStringLiteral("server")), QStringLiteral(ZUD_BIN_DIR "/zudctl"));
            ASSERT_TRUE(failed.isEmpty()) << failed.toStdString();
            loc.server = QStringLiteral("127.0.0.1");
            loc.port = QString::number(server.Port());
        }
        if (Server()) {
            std::string why;
            dm = InstallAndLogin(server, loc, why);
            ASSERT_TRUE(dm) << why;
            return;
        }
        dm = std::make_unique<PatientDatabase>(loc);
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
    std::unique_ptr<PatientDatabase> dm;
};

} // namespace zud::test

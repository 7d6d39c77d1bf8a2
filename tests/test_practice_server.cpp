// The practice server: encrypted connections only, a server that cannot be reached named with
// its host, and the edits that server-setup --system makes to the service's configuration.

#include "Database.h"
#include "FirebirdServer.h"
#include "PatientDatabase.h"
#include "TestEnv.h"
#include "ZudctlInternal.h"

#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zud::test {
namespace {

class PracticeServer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new QTemporaryDir;
        ASSERT_TRUE(dir->isValid());
        db::SetLockFolder(dir->filePath(QStringLiteral("lock")));
        server = new FirebirdServer;
        const QString failed =
            server->Start(dir->filePath(QStringLiteral("server")), QStringLiteral(ZUD_BIN_DIR "/zudctl"));
        ASSERT_TRUE(failed.isEmpty()) << failed.toStdString();
        loc.server = QStringLiteral("127.0.0.1");
        loc.port = QString::number(server->Port());
        loc.dir = dir->filePath(QStringLiteral("db"));
        QDir().mkpath(loc.dir);
        ASSERT_TRUE(PatientDatabase(loc).EnsureInstalled());
    }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
        delete dir;
        dir = nullptr;
    }

    static db::ConnectParams Admin(const QString& wireCrypt) {
        db::ConnectParams p{loc.ConnectionString(), QString::fromLatin1(kAdminUser),
                            QString::fromLatin1(kAdminPassword), QString()};
        p.wireCrypt = wireCrypt;
        return p;
    }

    static QTemporaryDir* dir;
    static FirebirdServer* server;
    static DbLocation loc;
};

QTemporaryDir* PracticeServer::dir = nullptr;
FirebirdServer* PracticeServer::server = nullptr;
DbLocation PracticeServer::loc;

QString WireEncrypted(db::Connection& c) {
    const auto rows =
        c.Query(QStringLiteral("select RDB$GET_CONTEXT('SYSTEM', 'WIRE_ENCRYPTED') from RDB$DATABASE"));
    return rows.empty() ? QString() : rows.front().At(0).toString().trimmed();
}

TEST_F(PracticeServer, TheProgramsConnectionIsEncryptedAndAPlainOneIsRefused) {
    // The program's own connection, as the data module opens it.
    PatientDatabase dm(loc);
    dm.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    EXPECT_EQ(WireEncrypted(dm.Db()), QStringLiteral("TRUE"));
    dm.Logout();

    // A client that would take either way gets an encrypted one from this server.
    auto either = db::Connection::Attach(Admin(QStringLiteral("Enabled")));
    EXPECT_EQ(WireEncrypted(*either), QStringLiteral("TRUE"));
    either.reset();

    // A client that asks for a plain connection is refused, and told why in German.
    try {
        db::Connection::Attach(Admin(QStringLiteral("Disabled")));
        FAIL() << "a plain connection was accepted";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.Has(335545064L)) << e.Message().toStdString(); // incompatible wire encryption
        EXPECT_TRUE(db::DescribeError(e).startsWith(
            QStringLiteral("Die Verbindung zum Datenbankserver wäre nicht verschlüsselt.")))
            << db::DescribeError(e).toStdString();
    }
}

TEST_F(PracticeServer, AServerThatCannotBeReachedIsNamedWithItsHostAndPort) {
    DbLocation closed = loc;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closed.port = QString::number(probe.serverPort());
    }
    PatientDatabase dm(closed);
    try {
        dm.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        FAIL() << "logged in to a closed port";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.IsNetworkError()) << e.Message().toStdString();
        const QString m = dm.DescribeLoginError(e);
        EXPECT_TRUE(
            m.startsWith(QStringLiteral("Der Datenbankserver „127.0.0.1“ (Port %1) ist nicht erreichbar.")
                             .arg(closed.port)))
            << m.toStdString();
    }
    // The embedded engine has no server to name: its failures keep their own words.
    DbLocation embedded;
    embedded.dir = dir->filePath(QStringLiteral("fehlt"));
    PatientDatabase local(embedded);
    try {
        local.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        FAIL() << "opened a missing database";
    } catch (const db::DbError& e) {
        EXPECT_FALSE(local.DescribeLoginError(e).contains(QStringLiteral("Datenbankserver")))
            << local.DescribeLoginError(e).toStdString();
    }

    // zudctl says the same, with the host it was given.
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZUD_DATA_DIR"), dir->filePath(QStringLiteral("ctl")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir->filePath(QStringLiteral("cfg")));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ZUD_BIN_DIR "/zudctl"),
            {QStringLiteral("--db-server"), QStringLiteral("localhost"), QStringLiteral("--db-port"),
             closed.port, QStringLiteral("--db-dir"), loc.dir, QStringLiteral("db"),
             QStringLiteral("patients")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_TRUE(err.startsWith(
        QStringLiteral("Der Datenbankserver „localhost“ (Port %1) ist nicht erreichbar.").arg(closed.port)))
        << err.toStdString();
}

TEST(ServerConfiguration, SettingsAreReplacedCommentedOutOrAdded) {
    const QString debian = QStringLiteral("# WireCrypt = Enabled (for client) / Required (for server)\n"
                                          "#WireCrypt = Enabled\n"
                                          "#RemoteServicePort = 3050\n"
                                          "RemoteBindAddress = localhost\n"
                                          "  remotebindaddress=127.0.0.1\n"
                                          "AuthServer = Srp\n");
    QString t = ctl::SetConfValue(debian, QStringLiteral("WireCrypt"), QStringLiteral("Required"));
    t = ctl::SetConfValue(t, QStringLiteral("RemoteServicePort"), QStringLiteral("3052"));
    t = ctl::SetConfValue(t, QStringLiteral("RemoteBindAddress"), QString());
    t = ctl::SetConfValue(t, QStringLiteral("AuthServer"), QStringLiteral("Srp"));
    EXPECT_EQ(t, QStringLiteral("# WireCrypt = Enabled (for client) / Required (for server)\n"
                                "#WireCrypt = Enabled\n"
                                "#RemoteServicePort = 3050\n"
                                "#RemoteBindAddress = localhost\n"
                                "#  remotebindaddress=127.0.0.1\n"
                                "AuthServer = Srp\n"
                                "WireCrypt = Required\n"
                                "RemoteServicePort = 3052\n"));
    // A second run changes nothing.
    QString again = ctl::SetConfValue(t, QStringLiteral("WireCrypt"), QStringLiteral("Required"));
    again = ctl::SetConfValue(again, QStringLiteral("RemoteServicePort"), QStringLiteral("3052"));
    again = ctl::SetConfValue(again, QStringLiteral("RemoteBindAddress"), QString());
    EXPECT_EQ(again, t);
    // A second active line of the same key would win over the first: it is commented out.
    EXPECT_EQ(ctl::SetConfValue(QStringLiteral("WireCrypt = Disabled\nWireCrypt = Enabled"),
                                QStringLiteral("WireCrypt"), QStringLiteral("Required")),
              QStringLiteral("WireCrypt = Required\n#WireCrypt = Enabled\n"));
}

TEST(ServerSetupCommand, WrongUsageAndOrdinaryAccountsAreRefused) {
    QString out, err;
    QTextStream o(&out), e(&err);
    EXPECT_THROW(ctl::RunServerSetup({QStringLiteral("--password-file"), QStringLiteral("/x")}, o, e),
                 ctl::UsageError);
    EXPECT_THROW(ctl::RunServerSetup({QStringLiteral("--system")}, o, e), ctl::UsageError);
    EXPECT_THROW(ctl::RunServerSetup({QStringLiteral("--system"), QStringLiteral("--password-file"),
                                      QStringLiteral("/x"), QStringLiteral("--port"), QStringLiteral("0")},
                                     o, e),
                 ctl::UsageError);
    if (::geteuid() == 0) {
        // As an ordinary account: refused before anything is touched.
        QProcess p;
        p.start(QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                 QStringLiteral("--clear-groups"), QStringLiteral(ZUD_BIN_DIR "/zudctl"),
                 QStringLiteral("server-setup"), QStringLiteral("--system"),
                 QStringLiteral("--password-file"), QStringLiteral("/dev/null")});
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 1);
        EXPECT_TRUE(
            QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("muss als root laufen")));
    }
}

} // namespace
} // namespace zud::test

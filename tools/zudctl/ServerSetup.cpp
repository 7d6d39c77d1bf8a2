// zudctl server-setup --system: turns Debian's firebird3.0-server into the practice's database
// server. The service keeps running the engine; this sets its administrator password, requires
// encrypted connections, opens it to the practice network on the program's port, creates the
// database with its role and says what the workstations put into their machine-wide settings.

#include "Database.h"
#include "Paths.h"
#include "PatientDatabase.h"
#include "ZudctlInternal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QHostInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTcpSocket>
#include <QThread>

#include <cstdlib>
#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zud::ctl {

namespace {

const QString kConfDir = QStringLiteral("/etc/firebird/3.0");
const QString kService = QStringLiteral("firebird3.0");
const QString kServerBinary = QStringLiteral("/usr/sbin/firebird");
const QString kSecurityDb = QStringLiteral("/var/lib/firebird/3.0/system/security3.fdb");
// The folder every installed workstation looks in by default (SQLDir3), here on the server.
const QString kDataDir = QStringLiteral("/var/lib/zud-software");

struct SetupError {
    QString message;
};

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        throw SetupError{QStringLiteral("Datei kann nicht gelesen werden: %1").arg(path)};
    }
    return f.readAll();
}

// Rewrites a file in place of the old one, with the old one's owner and mode.
void WriteKeepingMode(const QString& path, const QByteArray& content) {
    struct stat st {};
    const bool had = ::stat(QFile::encodeName(path).constData(), &st) == 0;
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size() || !f.commit()) {
        throw SetupError{QStringLiteral("Datei kann nicht geschrieben werden: %1").arg(path)};
    }
    if (had) {
        const QByteArray name = QFile::encodeName(path);
        if (::chown(name.constData(), st.st_uid, st.st_gid) != 0 ||
            ::chmod(name.constData(), st.st_mode & 07777) != 0) {
            throw SetupError{QStringLiteral("Rechte von %1 können nicht gesetzt werden").arg(path)};
        }
    }
}

void Run(const QString& program, const QStringList& args, bool mustSucceed = true) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (mustSucceed) {
            throw SetupError{QStringLiteral("%1 %2 ist fehlgeschlagen: %3")
                                 .arg(program, args.join(QLatin1Char(' ')),
                                      QString::fromLocal8Bit(p.readAll()).trimmed())};
        }
    }
}

void Own(const QString& path, uid_t uid, gid_t gid, mode_t mode) {
    const QByteArray name = QFile::encodeName(path);
    if (::chown(name.constData(), uid, gid) != 0 || ::chmod(name.constData(), mode) != 0) {
        throw SetupError{QStringLiteral("Rechte von %1 können nicht gesetzt werden").arg(path)};
    }
}

// May the account (uid, gid and its supplementary groups) enter the folder?
bool CanEnter(const QString& dir, const passwd& account) {
    struct stat st {};
    if (::stat(QFile::encodeName(dir).constData(), &st) != 0) {
        return false;
    }
    if (st.st_uid == account.pw_uid) {
        return (st.st_mode & S_IXUSR) != 0;
    }
    if (st.st_gid == account.pw_gid) {
        return (st.st_mode & S_IXGRP) != 0;
    }
    if (const group* g = ::getgrgid(st.st_gid)) {
        for (char** m = g->gr_mem; m != nullptr && *m != nullptr; ++m) {
            if (std::strcmp(*m, account.pw_name) == 0) {
                return (st.st_mode & S_IXGRP) != 0;
            }
        }
    }
    return (st.st_mode & S_IXOTH) != 0;
}

bool Listens(int port) {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
    return s.waitForConnected(200);
}

} // namespace

QString SetConfValue(const QString& text, const QString& key, const QString& value) {
    // An active line: optional blanks, the key, optional blanks, "=".
    const QRegularExpression active(QStringLiteral("^\\s*%1\\s*=").arg(QRegularExpression::escape(key)),
                                    QRegularExpression::CaseInsensitiveOption);
    QStringList lines = text.split(QLatin1Char('\n'));
    const bool endsWithNewline = text.endsWith(QLatin1Char('\n'));
    if (endsWithNewline) {
        lines.removeLast();
    }
    bool set = false;
    for (QString& line : lines) {
        if (!active.match(line).hasMatch()) {
            continue;
        }
        if (!set && !value.isEmpty()) {
            line = QStringLiteral("%1 = %2").arg(key, value);
        } else {
            line.prepend(QLatin1Char('#'));
        }
        set = true;
    }
    if (!set && !value.isEmpty()) {
        lines << QStringLiteral("%1 = %2").arg(key, value);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

namespace {

struct SetupOptions {
    QString passwordFile;
    QString host;
    int port = 3052;
};

SetupOptions ParseSetupArgs(const QStringList& args) {
    const QString usage =
        QStringLiteral("server-setup --system --password-file DATEI [--host NAME] [--port N]");
    bool system = false;
    SetupOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--system")) {
            system = true;
        } else if (a == QLatin1String("--password-file") && hasValue) {
            o.passwordFile = args[++i];
        } else if (a == QLatin1String("--host") && hasValue) {
            o.host = args[++i];
        } else if (a == QLatin1String("--port") && hasValue) {
            o.port = ParseInt(args[++i], 1, 65535, QStringLiteral("Port"));
        } else {
            throw UsageError{usage};
        }
    }
    if (!system || o.passwordFile.isEmpty()) {
        throw UsageError{usage};
    }
    return o;
}

// Root, the installed server and its account; returns the account.
passwd CheckPrerequisites() {
    if (::geteuid() != 0) {
        throw SetupError{QStringLiteral("server-setup --system richtet den Dienst des Rechners ein und muss "
                                        "als root laufen (sudo zudctl server-setup --system ...).")};
    }
    if (!QFile::exists(kServerBinary) || !QFile::exists(kConfDir + QStringLiteral("/firebird.conf"))) {
        throw SetupError{
            QStringLiteral("Der Firebird-Server ist nicht installiert. Installieren Sie ihn mit: "
                           "apt install firebird3.0-server")};
    }
    const passwd* fbAccount = ::getpwnam("firebird");
    if (fbAccount == nullptr) {
        throw SetupError{
            QStringLiteral("Das Konto firebird fehlt; installieren Sie firebird3.0-server neu.")};
    }
    return *fbAccount;
}

QString ReadPassword(const QString& passwordFile) {
    const QString password =
        QString::fromUtf8(ReadAll(passwordFile).split('\n').value(0)).remove(QLatin1Char('\r'));
    if (password.isEmpty()) {
        throw SetupError{QStringLiteral("Die Passwortdatei ist leer: %1").arg(passwordFile)};
    }
    return password;
}

// The service's configuration: encrypted connections only, the program's port, reachable
// from the practice network (Debian binds to localhost only).
void ConfigureService(int port) {
    const QString confPath = kConfDir + QStringLiteral("/firebird.conf");
    QString conf = QString::fromUtf8(ReadAll(confPath));
    if (!QFile::exists(confPath + QStringLiteral(".zud-orig"))) {
        QFile::copy(confPath, confPath + QStringLiteral(".zud-orig"));
    }
    conf = SetConfValue(conf, QStringLiteral("WireCrypt"), QStringLiteral("Required"));
    conf = SetConfValue(conf, QStringLiteral("RemoteServicePort"), QString::number(port));
    conf = SetConfValue(conf, QStringLiteral("RemoteBindAddress"), QString());
    conf = SetConfValue(conf, QStringLiteral("AuthServer"), QStringLiteral("Srp"));
    WriteKeepingMode(confPath, conf.toUtf8());
}

// Through the embedded engine in a process of its own: an engine in this process would
// keep the security database open, and the service could not log anybody in.
void SetSysdbaInSecurityDb(const QString& password) {
    QByteArray lock = QFile::encodeName(QDir::tempPath() + QStringLiteral("/zud-server-setup-XXXXXX"));
    if (::mkdtemp(lock.data()) == nullptr) {
        throw SetupError{QStringLiteral("Kein temporärer Ordner für die Sperrdateien")};
    }
    QProcess isql;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FIREBIRD_LOCK"), QFile::decodeName(lock));
    env.remove(QStringLiteral("FIREBIRD"));
    isql.setProcessEnvironment(env);
    isql.setProcessChannelMode(QProcess::MergedChannels);
    // The password travels on standard input, never on a command line.
    isql.start(QStringLiteral("isql-fb"),
               {QStringLiteral("-q"), QStringLiteral("-bail"), QStringLiteral("-user"),
                QString::fromLatin1(kAdminUser), kSecurityDb});
    isql.write(QStringLiteral("CREATE OR ALTER USER SYSDBA PASSWORD %1;\nCOMMIT;\n")
                   .arg(PatientDatabase::QuoteString(password))
                   .toUtf8());
    isql.closeWriteChannel();
    const bool ok =
        isql.waitForFinished(60000) && isql.exitStatus() == QProcess::NormalExit && isql.exitCode() == 0;
    const QString said = QString::fromLocal8Bit(isql.readAll()).trimmed();
    QDir(QFile::decodeName(lock)).removeRecursively();
    if (!ok) {
        throw SetupError{
            QStringLiteral("Das SYSDBA-Passwort lässt sich nicht setzen (isql-fb): %1").arg(said)};
    }
}

// The administrator's password, set in the security database while the service is down.
void SetAdminPassword(int port, const QString& password) {
    Run(QStringLiteral("systemctl"), {QStringLiteral("stop"), kService}, false);
    for (int i = 0; i < 100 && Listens(port); ++i) {
        QThread::msleep(100);
    }
    SetSysdbaInSecurityDb(password);
    const QString sysdbaFile = kConfDir + QStringLiteral("/SYSDBA.password");
    if (QFile::exists(sysdbaFile)) {
        QString text = QString::fromUtf8(ReadAll(sysdbaFile));
        text.replace(
            QRegularExpression(QStringLiteral("^ISC_PASSWORD=.*$"), QRegularExpression::MultilineOption),
            QStringLiteral("ISC_PASSWORD=\"%1\"").arg(password));
        WriteKeepingMode(sysdbaFile, text.toUtf8());
    }
}

// The database folder: the workstations' default folder, here the firebird account's alone.
// Returns the folder of the database file.
QString PrepareDataDir(const passwd& fb, QTextStream& err) {
    if (!QFileInfo::exists(kDataDir)) {
        QDir().mkpath(kDataDir);
        Own(kDataDir, 0, 0, 0755);
    }
    if (!CanEnter(kDataDir, fb)) {
        // The workstation package on this machine made the folder its group's.
        struct stat st {};
        ::stat(QFile::encodeName(kDataDir).constData(), &st);
        const group* g = ::getgrgid(st.st_gid);
        if (g == nullptr) {
            throw SetupError{
                QStringLiteral("Der Ordner %1 ist für das Konto firebird nicht zugänglich").arg(kDataDir)};
        }
        Run(QStringLiteral("usermod"), {QStringLiteral("-a"), QStringLiteral("-G"),
                                        QString::fromLocal8Bit(g->gr_name), QStringLiteral("firebird")});
        err << "Das Konto firebird ist jetzt Mitglied der Gruppe " << g->gr_name << '\n';
    }
    const QString dbDir = kDataDir + QStringLiteral("/DB");
    QDir().mkpath(dbDir);
    Own(dbDir, fb.pw_uid, fb.pw_gid, 0700);
    return dbDir;
}

void RestartService(int port) {
    Run(QStringLiteral("systemctl"), {QStringLiteral("enable"), kService}, false);
    Run(QStringLiteral("systemctl"), {QStringLiteral("restart"), kService});
    bool up = false;
    for (int i = 0; i < 150 && !up; ++i) {
        up = Listens(port);
        if (!up) {
            QThread::msleep(100);
        }
    }
    if (!up) {
        throw SetupError{QStringLiteral("Der Dienst %1 hört nicht auf Port %2.").arg(kService).arg(port)};
    }
}

// The administrator can log in, over an encrypted connection.
void CheckEncryptedLogin(const DbLocation& loc, const QString& password) {
    auto c = db::Connection::Attach(
        {loc.ConnectionString(), QString::fromLatin1(kAdminUser), password, QString()});
    const auto rows = c->Query(QStringLiteral("select RDB$GET_CONTEXT('SYSTEM', 'WIRE_ENCRYPTED') "
                                              "from RDB$DATABASE"));
    if (rows.empty() || rows.front().At(0).toString().trimmed() != QLatin1String("TRUE")) {
        throw SetupError{QStringLiteral("Die Verbindung zum Server ist nicht verschlüsselt.")};
    }
}

void CreateDatabase(const QString& dbDir, int port, const QString& password, const passwd& fb,
                    QTextStream& err) {
    DbLocation loc;
    loc.server = QStringLiteral("127.0.0.1");
    loc.port = QString::number(port);
    loc.dir = dbDir + QLatin1Char('/');
    PatientDatabase dm(loc);
    const bool created = dm.EnsureInstalled(password);
    // The database file: read and written by the server's account only.
    Own(loc.FilePath(), fb.pw_uid, fb.pw_gid, 0600);
    CheckEncryptedLogin(loc, password);
    err << (created ? "Datenbank angelegt: " : "Datenbank vorhanden: ") << loc.FilePath() << '\n';
}

// What each workstation puts into /etc/xdg/Brelk/ZUD.conf.
void PrintWorkstationSettings(const SetupOptions& o, const QString& host, QTextStream& out) {
    out << "SQLServer3=" << host << '\n';
    if (o.port != 3052) {
        out << "RemoteServicePort3=" << o.port << '\n';
    }
    out << "; dazu AdminPassword=<das Passwort aus " << o.passwordFile
        << "> (Datei nur für root und die Gruppe zud lesbar)\n";
}

} // namespace

int RunServerSetup(const QStringList& args, QTextStream& out, QTextStream& err) {
    const SetupOptions o = ParseSetupArgs(args);
    try {
        const passwd fb = CheckPrerequisites();
        const QString password = ReadPassword(o.passwordFile);
        const QString host = o.host.isEmpty() ? QHostInfo::localHostName() : o.host;
        ConfigureService(o.port);
        SetAdminPassword(o.port, password);
        const QString dbDir = PrepareDataDir(fb, err);
        RestartService(o.port);
        CreateDatabase(dbDir, o.port, password, fb, err);
        PrintWorkstationSettings(o, host, out);
        return 0;
    } catch (const SetupError& e) {
        err << e.message << '\n';
        return 1;
    } catch (const db::DbError& e) {
        err << db::DescribeError(e) << '\n';
        return 1;
    } catch (const DataError& e) {
        err << e.Message() << '\n';
        return 1;
    }
}

} // namespace zud::ctl

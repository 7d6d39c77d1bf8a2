// zudctl db ...: the patient database for clinic IT and scripts, through the same data module
// as the program.

#include "CheckedFile.h"
#include "Database.h"
#include "DatabaseCheck.h"
#include "PatientDatabase.h"
#include "RecordingCheck.h"
#include "Settings.h"
#include "SignalWatcher.h"
#include "ZudctlInternal.h"

#include <QCoreApplication>
#include <QFile>

namespace zud::ctl {

namespace {

// "--name VALUE" pairs after the positional arguments.
struct Args {
    QStringList positional;
    QMap<QString, QString> options;
};

Args Split(const QStringList& rest, const QStringList& known) {
    Args a;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const QString& r = rest[i];
        if (r.startsWith(QLatin1String("--"))) {
            if (!known.contains(r) || i + 1 >= rest.size()) {
                throw UsageError{QStringLiteral("unbekannte oder unvollständige Option: %1").arg(r)};
            }
            a.options.insert(r, rest[++i]);
        } else {
            a.positional << r;
        }
    }
    return a;
}

qint64 Key(const QString& s, const QString& what) {
    bool ok = false;
    const qint64 v = s.toLongLong(&ok);
    if (!ok || v < 0) {
        throw UsageError{QStringLiteral("%1 muss eine Zahl sein: %2").arg(what, s)};
    }
    return v;
}

QDate Date(const QString& s) {
    const QDate d = QDate::fromString(s, QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid()) {
        throw UsageError{QStringLiteral("Datum nicht lesbar (JJJJ-MM-TT): %1").arg(s)};
    }
    return d;
}

void Positional(const Args& a, qsizetype n, const QString& usage) {
    if (a.positional.size() != n) {
        throw UsageError{QStringLiteral("Aufruf: zudctl db %1").arg(usage)};
    }
}

// Options that belong to another command are wrong usage too.
void Only(const Args& a, const QStringList& allowed, const QString& cmd) {
    for (auto it = a.options.cbegin(); it != a.options.cend(); ++it) {
        if (!allowed.contains(it.key())) {
            throw UsageError{QStringLiteral("Option %1 gehört nicht zu db %2").arg(it.key(), cmd)};
        }
    }
}

} // namespace

DbLocation Location(const DbOptions& o) {
    DbLocation loc = DbLocation::FromSettings(Settings());
    if (!o.server.isEmpty()) {
        loc.server = o.server;
    }
    if (!o.port.isEmpty()) {
        loc.port = o.port;
    }
    if (!o.dir.isEmpty()) {
        loc.dir = o.dir;
    }
    return loc;
}

QString Password(const DbOptions& o) {
    // Given, else from the environment, else the administrator's of this machine.
    QString password = o.password;
    if (password.isEmpty()) {
        password = qEnvironmentVariable("ZUD_DB_PASSWORD");
    }
    if (password.isEmpty()) {
        password = Settings().AdminPassword();
    }
    return password;
}

std::unique_ptr<PatientDatabase> OpenDatabase(const DbOptions& o) {
    auto dm = std::make_unique<PatientDatabase>(Location(o));
    dm->Login(o.user.isEmpty() ? QString::fromLatin1(kAdminUser) : o.user, Password(o),
              Settings().AdminPassword());
    return dm;
}

int ReportingDatabaseFaults(QTextStream& err, const std::function<int()>& command) {
    try {
        return command();
    } catch (const db::DbError& e) {
        err << db::DescribeError(e) << '\n';
    } catch (const DataError& e) {
        err << e.Message() << '\n';
    }
    return 1;
}

namespace {

int ServerSetupCommand(const QStringList& rest, QTextStream& out) {
    const Args a = Split(rest, {QStringLiteral("--port"), QStringLiteral("--password")});
    if (a.positional.size() != 1) {
        throw UsageError{QStringLiteral("db server-setup ORDNER --port N --password P")};
    }
    const int port = ParseInt(a.options.value(QStringLiteral("--port"), QStringLiteral("3052")), 1, 65535,
                              QStringLiteral("Port"));
    const QString pw = a.options.value(QStringLiteral("--password"), QString::fromLatin1(kAdminPassword));
    out << PrepareServerRoot(a.positional.front(), port, pw) << '\n';
    return 0;
}

// Administrator commands on the server's accounts; false when cmd is none of them.
bool AccountCommand(const QString& cmd, const QStringList& rest, const DbLocation& loc,
                    const QString& password, QTextStream& out) {
    if (cmd == QLatin1String("users")) {
        if (!rest.isEmpty()) {
            throw UsageError{QStringLiteral("db users hat keine Argumente")};
        }
        for (const QString& u : PatientDatabase::Users(loc, password)) {
            out << u << '\n';
        }
        return true;
    }
    if (cmd == QLatin1String("add-user") || cmd == QLatin1String("set-password")) {
        if (rest.size() != 2) {
            throw UsageError{QStringLiteral("db %1 NAME PASSWORT").arg(cmd)};
        }
        if (cmd == QLatin1String("add-user")) {
            PatientDatabase::CreateUser(loc, password, rest[0], rest[1]);
        } else {
            PatientDatabase::AlterUser(loc, password, rest[0], rest[1]);
        }
        return true;
    }
    if (cmd == QLatin1String("drop-user")) {
        if (rest.size() != 1) {
            throw UsageError{QStringLiteral("db drop-user NAME")};
        }
        PatientDatabase::DropUser(loc, password, rest[0]);
        return true;
    }
    return false;
}

int VerifyCommand(const QStringList& rest, const DbLocation& loc, const QString& user,
                  const QString& password, QTextStream& out) {
    if (!rest.isEmpty()) {
        throw UsageError{QStringLiteral("db verify hat keine Argumente")};
    }
    wf::DatabaseCheckResult result;
    {
        // The database client sets signal handlers of its own while it attaches.
        const SignalWatcher::Hold hold;
        result = wf::CheckDatabase(loc, user, password);
    }
    for (const QString& p : std::as_const(result.problems)) {
        out << p << '\n';
    }
    out << result.Summary() << '\n';
    return result.Sound() ? 0 : 1;
}

int CreateCommand(const QStringList& rest, PatientDatabase& dm, const DbLocation& loc,
                  const QString& password, QTextStream& out) {
    if (!rest.isEmpty()) {
        throw UsageError{QStringLiteral("db create hat keine Argumente")};
    }
    const bool created = dm.EnsureInstalled(password);
    out << (created ? "angelegt: " : "vorhanden: ") << loc.ConnectionString() << '\n';
    return 0;
}

// The commands on patients and recordings, which need a login.
bool IsDataCommand(const QString& cmd) {
    static const QStringList kCommands = {
        QStringLiteral("patients"),       QStringLiteral("add-patient"), QStringLiteral("edit-patient"),
        QStringLiteral("delete-patient"), QStringLiteral("recordings"),  QStringLiteral("store"),
        QStringLiteral("fetch"),          QStringLiteral("move"),        QStringLiteral("delete-recording"),
        QStringLiteral("remarks")};
    return kCommands.contains(cmd);
}

// Their options; --with-recordings, the one option without a value, is taken out into *withRecordings.
Args DataCommandArgs(const QString& cmd, const QStringList& rest, bool* withRecordings) {
    QStringList values = rest;
    *withRecordings = values.removeAll(QStringLiteral("--with-recordings")) > 0;
    if (*withRecordings && cmd != QLatin1String("delete-patient")) {
        throw UsageError{QStringLiteral("Option --with-recordings gehört nicht zu db %1").arg(cmd)};
    }
    return Split(values, {QStringLiteral("--search"), QStringLiteral("--name"), QStringLiteral("--vorname"),
                          QStringLiteral("--geburtstag"), QStringLiteral("--nummer"),
                          QStringLiteral("--date"), QStringLiteral("--time"), QStringLiteral("--device")});
}

const QStringList& PatientFieldOptions() {
    static const QStringList kFields = {QStringLiteral("--name"), QStringLiteral("--vorname"),
                                        QStringLiteral("--geburtstag"), QStringLiteral("--nummer")};
    return kFields;
}

// False, with the message, when there is no such patient.
bool PatientFound(PatientDatabase& dm, qint64 id, QTextStream& err) {
    if (!dm.GetPatient(id)) {
        err << "Patient nicht gefunden: " << id << '\n';
        return false;
    }
    return true;
}

void PrintPatient(const Patient& p, QTextStream& out) {
    out << p.Identifikation << ';' << Csv(p.Name) << ';' << Csv(p.Vorname) << ';'
        << p.Geburtstag.toString(QStringLiteral("yyyy-MM-dd")) << '\n';
}

int ListPatients(PatientDatabase& dm, const Args& a, const QString& cmd, QTextStream& out) {
    Positional(a, 0, QStringLiteral("patients [--search TEXT]"));
    Only(a, {QStringLiteral("--search")}, cmd);
    const auto list = a.options.contains(QStringLiteral("--search"))
                          ? dm.SearchPatients(a.options.value(QStringLiteral("--search")))
                          : dm.AllPatients();
    for (const Patient& p : list) {
        PrintPatient(p, out);
    }
    return 0;
}

int AddPatient(PatientDatabase& dm, const Args& a, const QString& cmd, QTextStream& out) {
    Positional(a, 0, QStringLiteral("add-patient --name N --vorname V --geburtstag JJJJ-MM-TT [--nummer X]"));
    Only(a, PatientFieldOptions(), cmd);
    Patient p;
    p.Name = a.options.value(QStringLiteral("--name"));
    p.Vorname = a.options.value(QStringLiteral("--vorname"));
    p.Geburtstag = Date(a.options.value(QStringLiteral("--geburtstag")));
    p.Nummer = a.options.value(QStringLiteral("--nummer"));
    out << dm.AddPatient(p) << '\n';
    return 0;
}

int EditPatient(PatientDatabase& dm, const Args& a, const QString& cmd, QTextStream& out, QTextStream& err) {
    const QString usage =
        QStringLiteral("edit-patient ID [--name N] [--vorname V] [--geburtstag JJJJ-MM-TT] [--nummer X]");
    Positional(a, 1, usage);
    Only(a, PatientFieldOptions(), cmd);
    if (a.options.isEmpty()) {
        throw UsageError{QStringLiteral("Aufruf: zudctl db %1 (mindestens ein Feld)").arg(usage)};
    }
    const qint64 id = Key(a.positional[0], QStringLiteral("ID"));
    const QDate geburtstag = a.options.contains(QStringLiteral("--geburtstag"))
                                 ? Date(a.options.value(QStringLiteral("--geburtstag")))
                                 : QDate();
    auto p = dm.GetPatient(id);
    if (!p) {
        err << "Patient nicht gefunden: " << id << '\n';
        return 1;
    }
    // Only the given fields change; the checks are those of the patient dialog.
    if (a.options.contains(QStringLiteral("--name"))) {
        p->Name = a.options.value(QStringLiteral("--name"));
    }
    if (a.options.contains(QStringLiteral("--vorname"))) {
        p->Vorname = a.options.value(QStringLiteral("--vorname"));
    }
    if (geburtstag.isValid()) {
        p->Geburtstag = geburtstag;
    }
    if (a.options.contains(QStringLiteral("--nummer"))) {
        p->Nummer = a.options.value(QStringLiteral("--nummer"));
    }
    dm.UpdatePatient(*p);
    PrintPatient(*p, out);
    return 0;
}

int DeletePatient(PatientDatabase& dm, const Args& a, bool withRecordings, const QString& cmd,
                  QTextStream& out, QTextStream& err) {
    Positional(a, 1, QStringLiteral("delete-patient ID [--with-recordings]"));
    Only(a, {}, cmd);
    const qint64 id = Key(a.positional[0], QStringLiteral("ID"));
    if (!PatientFound(dm, id, err)) {
        return 1;
    }
    QStringList counters;
    for (const Recording& r : dm.ListRecordings(id, QStringLiteral("ASC"), QStringLiteral("ASC"))) {
        counters << QString::number(r.Counter);
    }
    try {
        dm.DeletePatient(id, withRecordings);
    } catch (const DataError&) {
        err << "Patient nicht gefunden: " << id << '\n';
        return 1;
    }
    if (withRecordings) {
        out << QCoreApplication::translate("Datenbank", "Patient %1 gelöscht, mit seinen Übungen (%2).")
                   .arg(id)
                   .arg(counters.size())
            << '\n';
    } else if (counters.isEmpty()) {
        out << QCoreApplication::translate("Datenbank", "Patient %1 gelöscht; er hatte keine Übungen.")
                   .arg(id)
            << '\n';
    } else {
        // Which recordings lost their patient, so that they can be moved to another one.
        out << QCoreApplication::translate(
                   "Datenbank",
                   "Patient %1 gelöscht; seine Übungen bleiben ohne Patient in der Datenbank (%2): %3")
                   .arg(id)
                   .arg(counters.size())
                   .arg(counters.join(QLatin1Char(',')))
            << '\n';
    }
    return 0;
}

int Remarks(PatientDatabase& dm, const Args& a, const QString& cmd, QTextStream& out, QTextStream& err) {
    if (a.positional.size() != 1 && a.positional.size() != 2) {
        throw UsageError{QStringLiteral("Aufruf: zudctl db remarks COUNTER [TEXT]")};
    }
    Only(a, {}, cmd);
    const qint64 counter = Key(a.positional[0], QStringLiteral("COUNTER"));
    if (a.positional.size() == 1) {
        const auto text = dm.Remarks(counter);
        if (!text) {
            err << "Übung nicht gefunden: " << counter << '\n';
            return 1;
        }
        out << *text;
        if (!text->isEmpty() && !text->endsWith(QLatin1Char('\n'))) {
            out << '\n';
        }
    } else {
        try {
            dm.SetRemarks(counter, a.positional[1]);
        } catch (const DataError&) {
            err << "Übung nicht gefunden: " << counter << '\n';
            return 1;
        }
    }
    return 0;
}

int ListRecordings(PatientDatabase& dm, const Args& a, const QString& cmd, QTextStream& out,
                   QTextStream& err) {
    Positional(a, 1, QStringLiteral("recordings PATIENT"));
    Only(a, {}, cmd);
    const qint64 patient = Key(a.positional[0], QStringLiteral("PATIENT"));
    if (!PatientFound(dm, patient, err)) {
        return 1;
    }
    for (const Recording& r : dm.ListRecordings(patient)) {
        out << r.Counter << ';' << r.Datum.toString(QStringLiteral("yyyy-MM-dd")) << ';'
            << r.Uhrzeit.toString(QStringLiteral("hh:mm:ss")) << ';' << r.Betriebsart << ';' << r.Groesse
            << '\n';
    }
    return 0;
}

int StoreRecording(PatientDatabase& dm, const Args& a, const QString& cmd, QTextStream& out,
                   QTextStream& err) {
    Positional(a, 2, QStringLiteral("store PATIENT DATEI --date JJJJ-MM-TT --time hh:mm:ss [--device NAME]"));
    Only(a, {QStringLiteral("--date"), QStringLiteral("--time"), QStringLiteral("--device")}, cmd);
    const qint64 patient = Key(a.positional[0], QStringLiteral("PATIENT"));
    const QDate date = Date(a.options.value(QStringLiteral("--date")));
    const QTime time =
        QTime::fromString(a.options.value(QStringLiteral("--time")), QStringLiteral("hh:mm:ss"));
    if (!time.isValid()) {
        throw UsageError{QStringLiteral("Uhrzeit nicht lesbar (hh:mm:ss)")};
    }
    QFile f(a.positional[1]);
    if (!f.open(QIODevice::ReadOnly)) {
        err << "Datei kann nicht gelesen werden: " << a.positional[1] << '\n';
        return 1;
    }
    const QByteArray daten = f.readAll();
    QString why;
    if (!IstAufzeichnung(daten, &why)) {
        err << why << " (" << a.positional[1] << ")\n";
        return 1;
    }
    if (!PatientFound(dm, patient, err)) {
        return 1;
    }
    out << dm.InsertRecording(patient, date, time, daten,
                              a.options.value(QStringLiteral("--device"), QStringLiteral("ZUD12")))
        << '\n';
    return 0;
}

int FetchRecording(PatientDatabase& dm, const Args& a, const QString& cmd, QTextStream& err) {
    Positional(a, 2, QStringLiteral("fetch COUNTER DATEI"));
    Only(a, {}, cmd);
    QString why;
    if (!CheckDestination(a.positional[1], &why)) {
        err << why << '\n';
        return 1;
    }
    const auto r = dm.GetRecording(Key(a.positional[0], QStringLiteral("COUNTER")));
    if (!r) {
        err << "Übung nicht gefunden: " << a.positional[0] << '\n';
        return 1;
    }
    if (!SaveFile(a.positional[1], r->Daten, &why)) {
        err << why << '\n';
        return 1;
    }
    return 0;
}

int MoveRecording(PatientDatabase& dm, const Args& a, const QString& cmd, QTextStream& err) {
    Positional(a, 2, QStringLiteral("move COUNTER PATIENT"));
    Only(a, {}, cmd);
    const qint64 patient = Key(a.positional[1], QStringLiteral("PATIENT"));
    if (!PatientFound(dm, patient, err)) {
        return 1;
    }
    try {
        dm.MoveRecording(Key(a.positional[0], QStringLiteral("COUNTER")), patient);
    } catch (const DataError&) {
        err << "Übung nicht gefunden: " << a.positional[0] << '\n';
        return 1;
    }
    return 0;
}

int DeleteRecording(PatientDatabase& dm, const Args& a, const QString& cmd, QTextStream& err) {
    Positional(a, 1, QStringLiteral("delete-recording COUNTER"));
    Only(a, {}, cmd);
    try {
        dm.DeleteRecording(Key(a.positional[0], QStringLiteral("COUNTER")));
    } catch (const DataError&) {
        err << "Übung nicht gefunden: " << a.positional[0] << '\n';
        return 1;
    }
    return 0;
}

int DataCommand(PatientDatabase& dm, const QString& cmd, const Args& a, bool withRecordings, QTextStream& out,
                QTextStream& err) {
    if (cmd == QLatin1String("patients")) {
        return ListPatients(dm, a, cmd, out);
    }
    if (cmd == QLatin1String("add-patient")) {
        return AddPatient(dm, a, cmd, out);
    }
    if (cmd == QLatin1String("edit-patient")) {
        return EditPatient(dm, a, cmd, out, err);
    }
    if (cmd == QLatin1String("delete-patient")) {
        return DeletePatient(dm, a, withRecordings, cmd, out, err);
    }
    if (cmd == QLatin1String("remarks")) {
        return Remarks(dm, a, cmd, out, err);
    }
    if (cmd == QLatin1String("recordings")) {
        return ListRecordings(dm, a, cmd, out, err);
    }
    if (cmd == QLatin1String("store")) {
        return StoreRecording(dm, a, cmd, out, err);
    }
    if (cmd == QLatin1String("fetch")) {
        return FetchRecording(dm, a, cmd, err);
    }
    if (cmd == QLatin1String("move")) {
        return MoveRecording(dm, a, cmd, err);
    }
    if (cmd == QLatin1String("delete-recording")) {
        return DeleteRecording(dm, a, cmd, err);
    }
    return 0;
}

} // namespace

int RunDb(const DbOptions& o, const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.isEmpty()) {
        throw UsageError{QStringLiteral("db braucht einen Befehl")};
    }
    const QString cmd = args.front();
    const QStringList rest = args.mid(1);

    if (cmd == QLatin1String("server-setup")) {
        return ServerSetupCommand(rest, out);
    }

    Settings settings;
    const DbLocation loc = Location(o);
    const QString user = o.user.isEmpty() ? QString::fromLatin1(kAdminUser) : o.user;
    const QString password = Password(o);

    if (AccountCommand(cmd, rest, loc, password, out)) {
        return 0;
    }
    if (cmd == QLatin1String("verify")) {
        return VerifyCommand(rest, loc, user, password, out);
    }

    PatientDatabase dm(loc);
    if (cmd == QLatin1String("create")) {
        return CreateCommand(rest, dm, loc, password, out);
    }
    if (!IsDataCommand(cmd)) {
        throw UsageError{QStringLiteral("unbekannter db-Befehl: %1").arg(cmd)};
    }
    bool withRecordings = false;
    const Args a = DataCommandArgs(cmd, rest, &withRecordings);
    dm.Login(user, password, settings.AdminPassword());
    return DataCommand(dm, cmd, a, withRecordings, out, err);
}

} // namespace zud::ctl

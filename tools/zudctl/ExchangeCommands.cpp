// zudctl export, import, backup, restore, takeover: patient archives, backups of the whole
// database and the take-over of the previous version, through the same module as the program.

#include "ExchangeCommands.h"

#include "Database.h"
#include "ExchangeDatabase.h"
#include "Settings.h"
#include "SignalWatcher.h"

#include <QSet>

namespace zud::ctl {

namespace {

// The exit status of a command that a signal ended, as the shell counts Ctrl+C.
constexpr int kExitCancelled = 130;

const QString kUsageExport = QStringLiteral("export --patients ID,ID,... ARCHIV.qvz");
const QString kUsageImport = QStringLiteral("import ARCHIV.qvz [--patients ID,ID,...]");
const QString kUsageBackup = QStringLiteral("backup DATEI.bak3");
const QString kUsageRestore = QStringLiteral("restore DATEI.bak3 --yes");
const QString kUsageTakeover = QStringLiteral("takeover [--old-dir ORDNER] [--old-server S] [--old-port P]");

QList<qint64> Ids(const QString& list) {
    QList<qint64> ids;
    QSet<qint64> seen;
    for (const QString& part : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const qint64 id = part.trimmed().toLongLong(&ok);
        if (!ok || id < 0) {
            throw UsageError{QStringLiteral("Patientennummer ungültig: %1").arg(part)};
        }
        if (!seen.contains(id)) {
            seen.insert(id);
            ids << id;
        }
    }
    if (ids.isEmpty()) {
        throw UsageError{QStringLiteral("--patients braucht mindestens eine Patientennummer")};
    }
    return ids;
}

// Positional arguments and "--name VALUE" options; flags are named in `flags`.
struct Parsed {
    QStringList positional;
    QMap<QString, QString> options;
};

Parsed Parse(const QStringList& rest, const QStringList& withValue, const QStringList& flags,
             const QString& usage) {
    Parsed p;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const QString& a = rest[i];
        if (flags.contains(a)) {
            p.options.insert(a, QString());
        } else if (withValue.contains(a)) {
            if (i + 1 >= rest.size()) {
                throw UsageError{QStringLiteral("Aufruf: zudctl %1").arg(usage)};
            }
            p.options.insert(a, rest[++i]);
        } else if (a.startsWith(QLatin1String("--"))) {
            throw UsageError{QStringLiteral("unbekannte Option %1; Aufruf: zudctl %2").arg(a, usage)};
        } else {
            p.positional << a;
        }
    }
    return p;
}

void One(const Parsed& p, const QString& usage) {
    if (p.positional.size() != 1) {
        throw UsageError{QStringLiteral("Aufruf: zudctl %1").arg(usage)};
    }
}

QString Line(const MergeResult& r) {
    return QStringLiteral(
               "patients new %1;patients existing %2;recordings inserted %3;recordings overwritten %4;"
               "devices added %5")
        .arg(r.patientsNew)
        .arg(r.patientsExisting)
        .arg(r.recordingsInserted)
        .arg(r.recordingsOverwritten)
        .arg(r.devicesAdded);
}

// The database client sets its own handlers for SIGINT and SIGTERM when it first attaches: held
// back meanwhile, the signals stay ours and Ctrl+C still stops a running step.
std::unique_ptr<PatientDatabase> Open(const DbOptions& o) {
    const SignalWatcher::Hold hold;
    return OpenDatabase(o);
}

int ExportCommand(const DbOptions& o, ExchangeDatabase& dm2, const QStringList& rest, QTextStream& out) {
    const Parsed p = Parse(rest, {QStringLiteral("--patients")}, {}, kUsageExport);
    One(p, kUsageExport);
    if (!p.options.contains(QStringLiteral("--patients"))) {
        throw UsageError{QStringLiteral("Aufruf: zudctl %1").arg(kUsageExport)};
    }
    const QList<qint64> ids = Ids(p.options.value(QStringLiteral("--patients")));
    auto dm = Open(o);
    const ExportResult r = dm2.Export(dm->Db(), ids, p.positional.front());
    out << "patients " << r.patients << ";recordings " << r.recordings << ";devices " << r.devices
        << ";bytes " << r.archiveBytes << '\n';
    return 0;
}

// The archive's patients to import: those wanted (all when none is named), each of them there.
QList<qint64> PatientsToImport(const std::vector<ArchivePatient>& listed, const QList<qint64>& wanted) {
    QList<qint64> ids;
    for (const ArchivePatient& a : listed) {
        if (wanted.isEmpty() || wanted.contains(a.Identifikation)) {
            ids << a.Identifikation;
        }
    }
    for (const qint64 id : wanted) {
        if (!ids.contains(id)) {
            throw DataError(QStringLiteral("Den Patienten %1 gibt es im Archiv nicht.").arg(id));
        }
    }
    if (ids.isEmpty()) {
        throw DataError(QStringLiteral("Das Archiv enthält keine Patienten."));
    }
    return ids;
}

int ImportCommand(const DbOptions& o, ExchangeDatabase& dm2, const QStringList& rest, QTextStream& out) {
    const Parsed p = Parse(rest, {QStringLiteral("--patients")}, {}, kUsageImport);
    One(p, kUsageImport);
    QList<qint64> wanted;
    if (p.options.contains(QStringLiteral("--patients"))) {
        wanted = Ids(p.options.value(QStringLiteral("--patients")));
    }
    auto dm = Open(o);
    struct Close {
        ExchangeDatabase& m;
        ~Close() { m.CloseArchive(); }
    } close{dm2};
    const QList<qint64> ids = PatientsToImport(dm2.OpenArchive(p.positional.front()), wanted);
    out << Line(dm2.Import(dm->Db(), ids)) << '\n';
    return 0;
}

int BackupCommand(ExchangeDatabase& dm2, const QStringList& rest, QTextStream& out) {
    const Parsed p = Parse(rest, {}, {}, kUsageBackup);
    One(p, kUsageBackup);
    out << "bytes " << dm2.Backup(p.positional.front()) << '\n';
    return 0;
}

int RestoreCommand(ExchangeDatabase& dm2, const QStringList& rest) {
    const Parsed p = Parse(rest, {}, {QStringLiteral("--yes")}, kUsageRestore);
    One(p, kUsageRestore);
    if (!p.options.contains(QStringLiteral("--yes"))) {
        throw UsageError{
            QStringLiteral("restore ersetzt alle Patienten- und Messdaten; bestätigen mit --yes")};
    }
    dm2.Restore(p.positional.front());
    return 0;
}

int TakeoverCommand(const DbOptions& o, const Settings& settings, ExchangeDatabase& dm2,
                    const QStringList& rest, QTextStream& out) {
    const Parsed p = Parse(
        rest, {QStringLiteral("--old-dir"), QStringLiteral("--old-server"), QStringLiteral("--old-port")}, {},
        kUsageTakeover);
    if (!p.positional.isEmpty()) {
        throw UsageError{QStringLiteral("Aufruf: zudctl %1").arg(kUsageTakeover)};
    }
    DbLocation old = OldLocationFromSettings(settings);
    old.dir = p.options.value(QStringLiteral("--old-dir"), old.dir);
    old.port = p.options.value(QStringLiteral("--old-port"), old.port);
    // Without a server the old file is read by the embedded engine.
    old.server = p.options.value(QStringLiteral("--old-server"),
                                 p.options.contains(QStringLiteral("--old-dir")) ? QStringLiteral("EMBEDDED")
                                                                                 : old.server);
    auto dm = Open(o);
    if (!ExchangeDatabase::OldDatabaseAnswers(old)) {
        throw DataError(QStringLiteral("Die Datenbank der Vorgängerversion antwortet nicht: %1")
                            .arg(ExchangeDatabase::OldConnection(old)));
    }
    out << Line(dm2.TakeOver(dm->Db(), old)) << '\n';
    return 0;
}

int Run(const DbOptions& o, const QString& cmd, const QStringList& rest, QTextStream& out) {
    const Settings settings;
    const DbLocation loc = Location(o);
    ExchangeDatabase dm2(loc, settings.AdminPassword());

    if (cmd == QLatin1String("export")) {
        return ExportCommand(o, dm2, rest, out);
    }
    if (cmd == QLatin1String("import")) {
        return ImportCommand(o, dm2, rest, out);
    }
    if (cmd == QLatin1String("backup")) {
        return BackupCommand(dm2, rest, out);
    }
    if (cmd == QLatin1String("restore")) {
        return RestoreCommand(dm2, rest);
    }
    return TakeoverCommand(o, settings, dm2, rest, out);
}

} // namespace

int RunExchange(const DbOptions& o, const QString& cmd, const QStringList& rest, QTextStream& out,
                QTextStream& err) {
    static const QStringList kCommands = {QStringLiteral("export"), QStringLiteral("import"),
                                          QStringLiteral("backup"), QStringLiteral("restore"),
                                          QStringLiteral("takeover")};
    if (!kCommands.contains(cmd)) {
        return -1;
    }
    try {
        return Run(o, cmd, rest, out);
    } catch (const db::DbError& e) {
        err << db::DescribeError(e) << '\n';
    } catch (const DataError& e) {
        err << e.Message() << '\n';
    }
    // Ctrl+C or SIGTERM stopped the run (and its tool); what it wrote is gone.
    return SignalWatcher::Requested() ? kExitCancelled : 1;
}

void RemoveExchangeLeftovers(const DbOptions& o) {
    try {
        const SignalWatcher::Hold hold; // it may drop a database copy: the first attach
        ExchangeDatabase(Location(o), Settings().AdminPassword()).RemoveLeftovers();
    } catch (const std::exception&) {
        // Nothing to clean up, or no way to: the next run tries again.
    }
}

} // namespace zud::ctl

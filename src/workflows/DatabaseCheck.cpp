#include "DatabaseCheck.h"

#include "RecordingCheck.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QSet>

#include <map>
#include <optional>
#include <tuple>

namespace zud::wf {

namespace {

// A table, its key column and the generator that numbers it.
struct Keyed {
    const char* table;
    const char* key;
    const char* generator;
};
constexpr Keyed kTables[] = {
    {"ZUDDATA", "COUNTER", "GEN_ZUDDATA_ID"},
    {"QALPATIENT", "IDENTIFIKATION", "GEN_QALPATIENT_ID"},
    {"QALGERAETE", "ZAEHLER", "GEN_GERAETE_ID"},
};

QString Latin(const char* s) {
    return QString::fromLatin1(s);
}

// Primary keys, duplicate keys, generators behind the largest key.
void CheckKeys(db::Connection& c, QStringList& problems) {
    QSet<QString> withKey;
    for (const db::Row& r : c.Query(QStringLiteral("select RDB$RELATION_NAME from RDB$RELATION_CONSTRAINTS "
                                                   "where RDB$CONSTRAINT_TYPE = 'PRIMARY KEY'"))) {
        withKey.insert(r.At(0).toString().trimmed());
    }
    QSet<QString> generators;
    for (const db::Row& r : c.Query(QStringLiteral("select RDB$GENERATOR_NAME from RDB$GENERATORS"))) {
        generators.insert(r.At(0).toString().trimmed());
    }
    for (const Keyed& t : kTables) {
        if (!withKey.contains(Latin(t.table))) {
            problems << QCoreApplication::translate("Datenbank",
                                                    "Der Tabelle %1 fehlt ihr Primärschlüssel auf %2: ein "
                                                    "Schlüssel kann doppelt vorkommen.")
                            .arg(Latin(t.table), Latin(t.key));
        }
        for (const db::Row& r :
             c.Query(QStringLiteral("select %1, count(*) from %2 group by %1 having count(*) > 1")
                         .arg(Latin(t.key), Latin(t.table)))) {
            problems << QCoreApplication::translate(
                            "Datenbank", "Der Schlüssel %1 = %2 kommt in der Tabelle %3 %4-mal vor.")
                            .arg(Latin(t.key), r.At(0).toString(), Latin(t.table), r.At(1).toString());
        }
        if (!generators.contains(Latin(t.generator))) {
            problems << QCoreApplication::translate(
                            "Datenbank",
                            "Der Generator %1 fehlt: neue Zeilen der Tabelle %2 bekommen keinen Schlüssel.")
                            .arg(Latin(t.generator), Latin(t.table));
            continue;
        }
        // Step 0 reads the generator without moving it.
        const auto value =
            c.Query(QStringLiteral("select gen_id(%1, 0) from RDB$DATABASE").arg(Latin(t.generator)));
        const auto max = c.Query(QStringLiteral("select max(%1) from %2").arg(Latin(t.key), Latin(t.table)));
        if (value.empty() || max.empty() || !max.front().At(0).isValid()) {
            continue;
        }
        const qint64 g = value.front().At(0).toLongLong();
        const qint64 m = max.front().At(0).toLongLong();
        if (g < m) {
            problems << QCoreApplication::translate("Datenbank",
                                                    "Der Generator %1 steht auf %2, der größte Schlüssel %3 "
                                                    "in %4 ist aber %5: neue Zeilen "
                                                    "bekämen Schlüssel, die es schon gibt.")
                            .arg(Latin(t.generator))
                            .arg(g)
                            .arg(Latin(t.key), Latin(t.table))
                            .arg(m);
        }
    }
}

// Asks `pump` between steps and remembers a cancel.
class Cancel {
public:
    explicit Cancel(const std::function<bool()>& pump) : FPump(pump) {}
    // False once the user has cancelled.
    bool Ask() {
        if (FPump && !FPump()) {
            FCancelled = true;
        }
        return !FCancelled;
    }
    bool Cancelled() const { return FCancelled; }

private:
    const std::function<bool()>& FPump;
    bool FCancelled = false;
};

DataError Stopped() {
    return DataError(
        QCoreApplication::translate("Datenbank", "Die Prüfung der Datenbank wurde abgebrochen."));
}

// The engine's own check of the file; a failure after a cancel is the cancel.
db::Validation ValidateFile(const DbLocation& loc, const QString& user, const QString& password,
                            Cancel& cancel) {
    const QString service = loc.Embedded() ? QStringLiteral("service_mgr")
                                           : QStringLiteral("%1/%2:service_mgr").arg(loc.Server(), loc.port);
    db::Validation engine;
    try {
        engine = db::Validate(service, loc.FilePath(), user, password, [&] { return cancel.Ask(); });
    } catch (const db::DbError&) {
        if (cancel.Cancelled()) {
            throw Stopped();
        }
        throw;
    }
    return engine;
}

// What the engine found: its notes, the tables it could not check, its errors.
void TakeEngineFindings(const db::Validation& engine, DatabaseCheckResult& result) {
    result.online = engine.online;
    result.notes = engine.notes;
    for (const QString& t : std::as_const(engine.unchecked)) {
        result.problems << QCoreApplication::translate(
                               "Datenbank",
                               "Firebird konnte die Tabelle %1 nicht prüfen: ein angemeldeter Arbeitsplatz "
                               "hat sie in einer noch offenen Transaktion geändert. Prüfen Sie noch "
                               "einmal, wenn alle Arbeitsplätze abgemeldet sind.")
                               .arg(t);
    }
    for (const QString& f : std::as_const(engine.findings)) {
        result.problems << QCoreApplication::translate(
                               "Datenbank", "Firebird meldet einen Fehler in der Datenbankdatei: %1")
                               .arg(f);
    }
}

// The patients' keys; counts them.
QSet<qint64> ReadPatients(db::Connection& c, DatabaseCheckResult& result) {
    QSet<qint64> patients;
    for (const db::Row& r : c.Query(QStringLiteral("select IDENTIFIKATION from QALPATIENT"))) {
        patients.insert(r.At(0).toLongLong());
    }
    result.patients = static_cast<int>(patients.size());
    return patients;
}

// The device numbers (GERAETEID); counts the device rows and names a number given more than once.
QSet<qint64> ReadDevices(db::Connection& c, DatabaseCheckResult& result) {
    QSet<qint64> devices;
    for (const db::Row& r :
         c.Query(QStringLiteral("select GERAETEID, count(*) from QALGERAETE group by GERAETEID"))) {
        result.devices += static_cast<int>(r.At(1).toLongLong());
        if (!r.At(0).isValid()) {
            continue;
        }
        devices.insert(r.At(0).toLongLong());
        if (r.At(1).toLongLong() > 1) {
            result.problems
                << QCoreApplication::translate(
                       "Datenbank",
                       "Die Gerätenummer %1 (GERAETEID) ist in QALGERAETE %2-mal vergeben: ihre Übungen "
                       "gehören zu keinem eindeutigen Gerät.")
                       .arg(r.At(0).toString(), r.At(1).toString());
        }
    }
    return devices;
}

// Patient, date, time and the hash of the bytes: a second recording with the same is stored twice.
using RecordingKey = std::tuple<qint64, QDateTime, QDateTime, QByteArray>;

// Checks the recordings one at a time against the patients and devices there are.
class RecordingChecks {
public:
    RecordingChecks(db::Connection& c, const QSet<qint64>& patients, const QSet<qint64>& devices,
                    QStringList& problems)
        : FC(c), FPatients(patients), FDevices(devices), FProblems(problems) {}

    // `r` is a row of COUNTER, TYP, PATIENT, DATUM, UHRZEIT, BETRIEBSART.
    void Check(const db::Row& r) {
        const qint64 counter = r.At(0).toLongLong();
        const std::optional<QByteArray> daten = Read(counter);
        if (!daten) {
            return;
        }
        for (const QString& f : AufzeichnungsFehler(*daten, static_cast<int>(r.At(5).toLongLong()))) {
            Problem(counter, f);
        }
        CheckOwners(counter, r.At(2), r.At(1));
        CheckTwice(counter, r, *daten);
    }

private:
    // A recording's problem lines begin with its number.
    void Problem(qint64 counter, const QString& text) {
        FProblems << QCoreApplication::translate("Datenbank", "Übung %1: %2").arg(counter).arg(text);
    }

    // The recording's bytes; none, and a problem, when they cannot be read. A broken connection
    // ends the check.
    std::optional<QByteArray> Read(qint64 counter) {
        try {
            const auto blob =
                FC.Query(QStringLiteral("select DATEN from ZUDDATA where COUNTER = ?"), {counter});
            return blob.empty() ? QByteArray() : blob.front().At(0).toByteArray();
        } catch (const db::DbError& e) {
            if (e.IsNetworkError()) {
                throw;
            }
            Problem(counter,
                    QCoreApplication::translate("Datenbank", "Die Daten können nicht gelesen werden (%1).")
                        .arg(e.Message()));
            return std::nullopt;
        }
    }

    // Its patient (PATIENT) and device (TYP) rows exist.
    void CheckOwners(qint64 counter, const QVariant& patient, const QVariant& typ) {
        if (!patient.isValid()) {
            Problem(counter, QCoreApplication::translate(
                                 "Datenbank", "Die Übung gehört zu keinem Patienten (PATIENT ist leer)."));
        } else if (!FPatients.contains(patient.toLongLong())) {
            Problem(counter,
                    QCoreApplication::translate(
                        "Datenbank", "Der Patient %1 fehlt in der Patiententabelle: die Übung erscheint "
                                     "bei keinem Patienten. "
                                     "Ordnen Sie sie einem Patienten zu (zudctl db move %2 PATIENT).")
                        .arg(patient.toLongLong())
                        .arg(counter));
        }
        if (typ.isValid() && !FDevices.contains(typ.toLongLong())) {
            Problem(counter, QCoreApplication::translate(
                                 "Datenbank", "Das Gerät %1 (TYP) fehlt in der Gerätetabelle QALGERAETE.")
                                 .arg(typ.toLongLong()));
        }
    }

    // The same patient, date, time and bytes as an earlier recording: stored twice.
    void CheckTwice(qint64 counter, const db::Row& r, const QByteArray& daten) {
        const QVariant patient = r.At(2);
        const auto key = std::make_tuple(patient.isValid() ? patient.toLongLong() : -1, r.At(3).toDateTime(),
                                         r.At(4).toDateTime(),
                                         QCryptographicHash::hash(daten, QCryptographicHash::Sha256));
        if (const auto [it, fresh] = FSeen.emplace(key, counter); !fresh) {
            Problem(counter,
                    QCoreApplication::translate("Datenbank", "Die Übung ist doppelt gespeichert: Patient, "
                                                             "Datum, Uhrzeit und Daten gleichen Übung %1.")
                        .arg(it->second));
        }
    }

    db::Connection& FC;
    const QSet<qint64>& FPatients;
    const QSet<qint64>& FDevices;
    QStringList& FProblems;
    std::map<RecordingKey, qint64> FSeen;
};

// Every recording, its bytes read one at a time; `cancel` is asked before each.
void CheckRecordings(db::Connection& c, const QSet<qint64>& patients, const QSet<qint64>& devices,
                     Cancel& cancel, DatabaseCheckResult& result) {
    const auto rows = c.Query(QStringLiteral(
        "select COUNTER, TYP, PATIENT, DATUM, UHRZEIT, BETRIEBSART from ZUDDATA order by COUNTER"));
    result.recordings = static_cast<int>(rows.size());
    RecordingChecks checks(c, patients, devices, result.problems);
    for (const db::Row& r : rows) {
        if (!cancel.Ask()) {
            throw Stopped();
        }
        checks.Check(r);
    }
}

} // namespace

QString DatabaseCheckResult::Summary() const {
    QString s = QCoreApplication::translate("Datenbank",
                                            "Datenbank geprüft (Übungen: %1, Patienten: %2, Geräte: %3).")
                    .arg(recordings)
                    .arg(patients)
                    .arg(devices);
    s += QLatin1Char(' ');
    s += problems.isEmpty() ? QCoreApplication::translate("Datenbank", "Keine Probleme gefunden.")
                            : QCoreApplication::translate("Datenbank", "Probleme: %1.").arg(problems.size());
    if (!notes.isEmpty()) {
        s += QLatin1Char(' ');
        s += QCoreApplication::translate(
                 "Datenbank",
                 "Hinweis von Firebird (kein Schaden: nach einem unerwarteten Ende eines Programms bleiben "
                 "Seiten belegt, die nichts enthalten; eine Datensicherung mit Wiederherstellung gibt sie "
                 "frei): %1.")
                 .arg(notes.join(QStringLiteral("; ")));
    }
    if (online) {
        s += QLatin1Char(' ');
        s += QCoreApplication::translate(
            "Datenbank",
            "Andere Arbeitsplätze waren angemeldet: Firebird hat Tabellen und Indizes geprüft, aber nicht "
            "die "
            "Verwaltungsseiten der Datei. Die vollständige Prüfung läuft, wenn niemand angemeldet ist.");
    }
    return s;
}

DatabaseCheckResult CheckDatabase(const DbLocation& loc, const QString& user, const QString& password,
                                  const std::function<bool()>& pump) {
    DatabaseCheckResult result;
    Cancel cancel(pump);
    TakeEngineFindings(ValidateFile(loc, user, password, cancel), result);

    // Our own: a connection whose transaction can change nothing.
    db::ConnectParams p{loc.ConnectionString(), user, password, QString()};
    p.codePage = loc.codePage;
    p.readOnly = true;
    const auto c = db::Connection::Attach(p);
    try {
        CheckKeys(*c, result.problems);
        const QSet<qint64> patients = ReadPatients(*c, result);
        const QSet<qint64> devices = ReadDevices(*c, result);
        CheckRecordings(*c, patients, devices, cancel, result);
    } catch (const db::DbError& e) {
        if (e.IsNetworkError()) {
            throw;
        }
        result.problems << QCoreApplication::translate(
                               "Datenbank", "Die Tabellen können nicht vollständig gelesen werden: %1")
                               .arg(e.Message());
    }
    return result;
}

} // namespace zud::wf

#include "DatabaseCheck.h"

#include "RecordingCheck.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QSet>

#include <map>
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
    bool cancelled = false;
    auto ask = [&] {
        if (pump && !pump()) {
            cancelled = true;
        }
        return !cancelled;
    };
    auto stopped = [] {
        return DataError(
            QCoreApplication::translate("Datenbank", "Die Prüfung der Datenbank wurde abgebrochen."));
    };

    // The engine's own check of the file.
    const QString service = loc.Embedded() ? QStringLiteral("service_mgr")
                                           : QStringLiteral("%1/%2:service_mgr").arg(loc.Server(), loc.port);
    db::Validation engine;
    try {
        engine = db::Validate(service, loc.FilePath(), user, password, ask);
    } catch (const db::DbError&) {
        if (cancelled) {
            throw stopped();
        }
        throw;
    }
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

    // Our own: a connection whose transaction can change nothing.
    db::ConnectParams p{loc.ConnectionString(), user, password, QString()};
    p.codePage = loc.codePage;
    p.readOnly = true;
    const auto c = db::Connection::Attach(p);
    try {
        CheckKeys(*c, result.problems);

        QSet<qint64> patients;
        for (const db::Row& r : c->Query(QStringLiteral("select IDENTIFIKATION from QALPATIENT"))) {
            patients.insert(r.At(0).toLongLong());
        }
        result.patients = static_cast<int>(patients.size());
        QSet<qint64> devices;
        for (const db::Row& r :
             c->Query(QStringLiteral("select GERAETEID, count(*) from QALGERAETE group by GERAETEID"))) {
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

        // Every recording, its bytes read one at a time.
        const auto rows = c->Query(QStringLiteral(
            "select COUNTER, TYP, PATIENT, DATUM, UHRZEIT, BETRIEBSART from ZUDDATA order by COUNTER"));
        result.recordings = static_cast<int>(rows.size());
        std::map<std::tuple<qint64, QDateTime, QDateTime, QByteArray>, qint64> seen;
        for (const db::Row& r : rows) {
            if (!ask()) {
                throw stopped();
            }
            const qint64 counter = r.At(0).toLongLong();
            auto problem = [&](const QString& text) {
                result.problems
                    << QCoreApplication::translate("Datenbank", "Übung %1: %2").arg(counter).arg(text);
            };
            QByteArray daten;
            try {
                const auto blob =
                    c->Query(QStringLiteral("select DATEN from ZUDDATA where COUNTER = ?"), {counter});
                daten = blob.empty() ? QByteArray() : blob.front().At(0).toByteArray();
            } catch (const db::DbError& e) {
                if (e.IsNetworkError()) {
                    throw;
                }
                problem(
                    QCoreApplication::translate("Datenbank", "Die Daten können nicht gelesen werden (%1).")
                        .arg(e.Message()));
                continue;
            }
            for (const QString& f : AufzeichnungsFehler(daten, static_cast<int>(r.At(5).toLongLong()))) {
                problem(f);
            }
            const QVariant patient = r.At(2);
            if (!patient.isValid()) {
                problem(QCoreApplication::translate(
                    "Datenbank", "Die Übung gehört zu keinem Patienten (PATIENT ist leer)."));
            } else if (!patients.contains(patient.toLongLong())) {
                problem(QCoreApplication::translate(
                            "Datenbank", "Der Patient %1 fehlt in der Patiententabelle: die Übung erscheint "
                                         "bei keinem Patienten. "
                                         "Ordnen Sie sie einem Patienten zu (zudctl db move %2 PATIENT).")
                            .arg(patient.toLongLong())
                            .arg(counter));
            }
            const QVariant typ = r.At(1);
            if (typ.isValid() && !devices.contains(typ.toLongLong())) {
                problem(QCoreApplication::translate(
                            "Datenbank", "Das Gerät %1 (TYP) fehlt in der Gerätetabelle QALGERAETE.")
                            .arg(typ.toLongLong()));
            }
            const auto key = std::make_tuple(patient.isValid() ? patient.toLongLong() : -1,
                                             r.At(3).toDateTime(), r.At(4).toDateTime(),
                                             QCryptographicHash::hash(daten, QCryptographicHash::Sha256));
            if (const auto [it, fresh] = seen.emplace(key, counter); !fresh) {
                problem(QCoreApplication::translate("Datenbank",
                                                    "Die Übung ist doppelt gespeichert: Patient, "
                                                    "Datum, Uhrzeit und Daten gleichen Übung %1.")
                            .arg(it->second));
            }
        }
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

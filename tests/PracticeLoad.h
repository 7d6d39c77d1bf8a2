#pragma once

// A busy morning in a practice, on loopback: one private Firebird server (encrypted connections
// only) and several workstation processes, each reading out its own emulated device with
// `zudctl readout`, while two more list patients (one as a zudctl process each time, one logged in
// all along) and one edits the same patients as another.
// Used by the short test and by bench/practice_bench.

#include "Demo.h"

#include "DeviceFiles.h"
#include "Emulator.h"
#include "FirebirdServer.h"
#include "PatientDatabase.h"
#include <cstdlib>

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace zud::test {

struct LoadOptions {
    int workstations = 8;
    int recordings = 40; // per workstation, at least the 9 of the demo patient's folder
    QString binDir;      // zudctl
};

struct LoadResult {
    QStringList failures; // empty: everything stored once and byte for byte, conflicts as they should
    int stored = 0;
    double loadSeconds = 0;       // all workstations' read-outs together
    double aloneSeconds = 0;      // one workstation alone, same amount
    double slowestListMs = 0;     // slowest patient list during the load: a zudctl process, start included
    int lists = 0;                // patient lists during the load (zudctl)
    double slowestQueryMs = 0;    // slowest patient list of a workstation that stays logged in
    int queries = 0;              // its lists (all patients, and one patient's recordings each)
    int conflicts = 0;            // edits refused because the other editor held the row
    int edits = 0;                // edits that went through
    double slowestConflictMs = 0; // how long a refused edit took
};

namespace load {

inline uint16_t FatDate(int y, int m, int d) {
    return static_cast<uint16_t>(((y - 1980) << 9) | (m << 5) | d);
}
inline uint16_t FatTime(int h, int m, int s) {
    return static_cast<uint16_t>((h << 11) | (m << 5) | (s / 2));
}

// The demo device, with the patient of therapist 0, slot 0 made this workstation's own
// ("Platz<n>") and that slot's folder filled up to `count` recordings at distinct times. The
// recordings are the demo's own streams, in an order of their own per workstation.
inline void PrepareDevice(emu::Emulator& emu, int station, int count) {
    emu::LoadDemo(emu);
    const std::string folder = "0:\\Daten\\Th_0\\Pat_0\\";
    std::vector<std::vector<uint8_t>> streams;
    for (const std::string& f : emu.ListFiles()) {
        if (f.size() > 4 && f.compare(f.size() - 4, 4, ".hdf") == 0) {
            streams.push_back(*emu.GetFile(f));
        }
    }
    // Two patients' recordings are never byte for byte the same, nor made at the same second on
    // two devices; the demo's are, on every workstation. A spare header byte (behind the program
    // name) and the seconds of the start tell them apart, so that the read-out does not take one
    // for a recording moved to another patient.
    const auto eigene = [station](std::vector<uint8_t> bytes) {
        bytes.at(68) = static_cast<uint8_t>(0x40 + station);
        return bytes;
    };
    int existing = 0;
    for (const std::string& f : emu.ListFiles()) {
        if (f.rfind(folder, 0) != 0 || f.size() <= 4 || f.compare(f.size() - 4, 4, ".hdf") != 0) {
            continue;
        }
        ++existing;
        // The demo's "M<n>.hdf" keeps its date and time.
        const int n = std::atoi(f.c_str() + folder.size() + 1);
        emu.PutFile(f, eigene(*emu.GetFile(f)), FatDate(2026, 11, 3 + n % 20),
                    FatTime(9 + n % 8, 15, 30 + 2 * station), static_cast<uint16_t>(1));
    }
    for (int k = existing; k < count; ++k) {
        const std::string name = QStringLiteral("W%1.hdf").arg(k, 4, 10, QLatin1Char('0')).toStdString();
        const auto& bytes = streams[static_cast<size_t>(k + station) % streams.size()];
        // December, one day per 30 recordings, two seconds apart, never at the demo's hours.
        emu.PutFile(folder + name, eigene(bytes), FatDate(2026, 12, 1 + k / 30),
                    FatTime(18, k % 30, 2 * station), static_cast<uint16_t>(1));
    }
    auto pats = *emu.GetFile(PatientenPfad(0));
    Stammdaten s{};
    std::memcpy(&s, pats.data(), sizeof s);
    std::memset(s.Name, 0, sizeof s.Name);
    const std::string name = "Platz" + std::to_string(station);
    std::memcpy(s.Name, name.data(), name.size());
    s.Anzahl = static_cast<uint16_t>(std::max(count, existing));
    std::memcpy(pats.data(), &s, sizeof s);
    emu.PutFile(PatientenPfad(0), pats);
}

struct Station {
    std::unique_ptr<emu::Emulator> emu;
    QString name;
    QProcess process;
};

inline QProcessEnvironment Env(const QString& root) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZUD_DATA_DIR"), root + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/cfg"));
    env.insert(QStringLiteral("HOME"), root);
    return env;
}

inline QStringList DbArgs(const DbLocation& loc) {
    return {QStringLiteral("--db-server"), loc.server, QStringLiteral("--db-port"), loc.port,
            QStringLiteral("--db-dir"),    loc.dir};
}

// Starts one workstation's read-out of its own device.
inline void StartReadout(Station& st, const QString& zudctl, const DbLocation& loc, const QString& root) {
    st.process.setProcessEnvironment(Env(root));
    st.process.start(
        zudctl, QStringList{QStringLiteral("--port"), QString::fromStdString(st.emu->SlavePath())} +
                    DbArgs(loc) +
                    QStringList{QStringLiteral("readout"), QStringLiteral("--slot"), QStringLiteral("0,0")});
}

// Every recording of the workstation's device is in the database exactly once, under its
// patient, byte for byte; nothing else is there for that patient.
inline void CheckStation(PatientDatabase& dm, const Station& st, int count, QStringList& failures,
                         int& stored) {
    const auto id = dm.FindPatient(st.name, QStringLiteral("Hans-Jürgen"), QDate(1951, 2, 14));
    if (!id) {
        failures << QStringLiteral("%1: patient not in the database").arg(st.name);
        return;
    }
    std::map<std::pair<QDate, QTime>, QByteArray> expected;
    for (const std::string& f : st.emu->ListFiles()) {
        if (f.rfind("0:\\Daten\\Th_0\\Pat_0\\", 0) != 0) {
            continue;
        }
        const auto e = st.emu->GetEntry(f);
        const int d = e->date, t = e->time;
        const QDate date((d >> 9) + 1980, (d >> 5) & 15, d & 31);
        const QTime time(t >> 11, (t >> 5) & 63, (t & 31) * 2);
        expected[{date, time}] =
            QByteArray(reinterpret_cast<const char*>(e->data.data()), static_cast<qsizetype>(e->data.size()));
    }
    if (static_cast<int>(expected.size()) != count) {
        failures << QStringLiteral("%1: the device holds %2 recordings, not %3")
                        .arg(st.name)
                        .arg(expected.size())
                        .arg(count);
    }
    std::map<std::pair<QDate, QTime>, int> seen;
    for (const Recording& r : dm.ListRecordings(*id, QStringLiteral("ASC"), QStringLiteral("ASC"))) {
        const auto key = std::make_pair(r.Datum, r.Uhrzeit);
        if (++seen[key] > 1) {
            failures << QStringLiteral("%1: %2 %3 stored twice")
                            .arg(st.name, r.Datum.toString(Qt::ISODate), r.Uhrzeit.toString(Qt::ISODate));
            continue;
        }
        const auto it = expected.find(key);
        if (it == expected.end()) {
            failures << QStringLiteral("%1: %2 %3 is no recording of this device")
                            .arg(st.name, r.Datum.toString(Qt::ISODate), r.Uhrzeit.toString(Qt::ISODate));
            continue;
        }
        const auto full = dm.GetRecording(r.Counter);
        if (!full || full->Daten != it->second) {
            failures << QStringLiteral("%1: %2 %3 not stored byte for byte")
                            .arg(st.name, r.Datum.toString(Qt::ISODate), r.Uhrzeit.toString(Qt::ISODate));
            continue;
        }
        ++stored;
    }
    for (const auto& [key, bytes] : expected) {
        if (seen.find(key) == seen.end()) {
            failures << QStringLiteral("%1: %2 %3 missing")
                            .arg(st.name, key.first.toString(Qt::ISODate), key.second.toString(Qt::ISODate));
        }
    }
}

} // namespace load

inline LoadResult RunPracticeLoad(const LoadOptions& o) {
    using namespace load;
    LoadResult result;
    QStringList& fail = result.failures;
    const QString zudctl = o.binDir + QStringLiteral("/zudctl");
    QTemporaryDir dir;
    if (!dir.isValid()) {
        fail << QStringLiteral("no temporary folder");
        return result;
    }
    db::SetLockFolder(dir.filePath(QStringLiteral("lock")));
    FirebirdServer server;
    const QString failed = server.Start(dir.filePath(QStringLiteral("server")), zudctl);
    if (!failed.isEmpty()) {
        fail << failed;
        return result;
    }
    DbLocation loc;
    loc.server = QStringLiteral("127.0.0.1");
    loc.port = QString::number(server.Port());
    loc.dir = dir.filePath(QStringLiteral("db"));
    QDir().mkpath(loc.dir);
    PatientDatabase dm(loc);
    dm.EnsureInstalled();
    dm.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    // The patients that the two editors fight over, and some to list.
    std::vector<qint64> shared;
    for (int i = 0; i < 3; ++i) {
        Patient p;
        p.Name = QStringLiteral("Geteilt%1").arg(i);
        p.Vorname = QStringLiteral("Gerda");
        p.Geburtstag = QDate(1950 + i, 3, 4);
        shared.push_back(dm.AddPatient(p));
    }
    for (int i = 0; i < 60; ++i) {
        Patient p;
        p.Name = QStringLiteral("Liste%1").arg(i, 3, 10, QLatin1Char('0'));
        p.Vorname = QStringLiteral("Lena");
        p.Geburtstag = QDate(1940 + i % 50, 1 + i % 12, 1 + i % 28);
        dm.AddPatient(p);
    }

    // The devices: one per workstation, and one more for the workstation alone afterwards.
    std::vector<std::unique_ptr<Station>> stations;
    for (int w = 0; w <= o.workstations; ++w) {
        auto st = std::make_unique<Station>();
        st->emu = std::make_unique<emu::Emulator>();
        if (!st->emu->Start()) {
            fail << QStringLiteral("emulator %1 does not start").arg(w);
            return result;
        }
        PrepareDevice(*st->emu, w, o.recordings);
        st->name = QStringLiteral("Platz%1").arg(w);
        stations.push_back(std::move(st));
    }

    std::atomic<bool> running{true};
    std::mutex m;
    // Two workstations list patients again and again, as the selection window does.
    auto browse = [&](int b) {
        const QString root = dir.filePath(QStringLiteral("browse%1").arg(b));
        // At least one list, however quickly the read-outs end.
        while (running || result.lists == 0) {
            QProcess p;
            p.setProcessEnvironment(Env(root));
            QElapsedTimer t;
            t.start();
            p.start(zudctl, DbArgs(loc) + QStringList{QStringLiteral("db"), QStringLiteral("patients")});
            const bool done = p.waitForFinished(60000);
            const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
            std::lock_guard<std::mutex> lock(m);
            if (!done || p.exitCode() != 0) {
                fail << QStringLiteral("patient list %1 failed: %2")
                            .arg(b)
                            .arg(QString::fromUtf8(p.readAllStandardError()));
                return;
            }
            if (!p.readAllStandardOutput().contains("Geteilt0")) {
                fail << QStringLiteral("patient list %1 is incomplete").arg(b);
            }
            result.slowestListMs = std::max(result.slowestListMs, ms);
            ++result.lists;
        }
    };
    // A workstation that stays logged in and lists all patients and one patient's recordings.
    auto browseLoggedIn = [&] {
        try {
            PatientDatabase own(loc);
            own.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
            while (running || result.queries == 0) {
                QElapsedTimer t;
                t.start();
                const auto patients = own.AllPatients();
                if (!patients.empty()) {
                    own.ListRecordings(
                        patients[static_cast<size_t>(result.queries) % patients.size()].Identifikation);
                }
                const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
                {
                    std::lock_guard<std::mutex> lock(m);
                    if (patients.size() < shared.size()) {
                        fail << QStringLiteral("the logged-in list misses patients");
                        return;
                    }
                    result.slowestQueryMs = std::max(result.slowestQueryMs, ms);
                    ++result.queries;
                }
                // A person clicking through the lists quickly, not a loop without pause.
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        } catch (const std::exception& e) {
            std::lock_guard<std::mutex> lock(m);
            fail << QStringLiteral("logged-in list: %1").arg(QString::fromUtf8(e.what()));
        }
    };
    // One editor holds a patient's row in an open change (as the patient dialog does between
    // reading and saving); the other, a zudctl process, edits the same patient meanwhile and must be
    // refused at once. The hold ends only after the other has finished: a waiting edit would hang.
    auto edit = [&] {
        const QString root = dir.filePath(QStringLiteral("edit"));
        auto hold = db::Connection::Attach({loc.ConnectionString(), QString::fromLatin1(kAdminUser),
                                            QString::fromLatin1(kAdminPassword), QString()});
        int round = 0;
        while (running || round < 2) {
            const qint64 id = shared[static_cast<size_t>(round) % shared.size()];
            hold->Exec(QStringLiteral("update QALPatient set VORNAME = 'Gerda %1' where IDENTIFIKATION = %2")
                           .arg(round)
                           .arg(id));
            QProcess p;
            p.setProcessEnvironment(Env(root));
            QElapsedTimer t;
            t.start();
            p.start(zudctl, DbArgs(loc) + QStringList{QStringLiteral("db"), QStringLiteral("edit-patient"),
                                                      QString::number(id), QStringLiteral("--nummer"),
                                                      QStringLiteral("N%1").arg(round)});
            const bool done = p.waitForFinished(120000);
            const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
            hold->Commit();
            const QString err = QString::fromUtf8(p.readAllStandardError());
            {
                std::lock_guard<std::mutex> lock(m);
                if (!done) {
                    fail << QStringLiteral("an edit of a held patient waited instead of failing");
                    return;
                }
                if (p.exitCode() != 1 ||
                    !err.startsWith(QStringLiteral(
                        "Der Datensatz wird gerade an einem anderen Arbeitsplatz bearbeitet"))) {
                    fail << QStringLiteral("edit of a held patient: rc %1, %2").arg(p.exitCode()).arg(err);
                    return;
                }
                ++result.conflicts;
                result.slowestConflictMs = std::max(result.slowestConflictMs, ms);
            }
            // Once the row is free, the same edit goes through.
            QProcess again;
            again.setProcessEnvironment(Env(root));
            again.start(zudctl,
                        DbArgs(loc) + QStringList{QStringLiteral("db"), QStringLiteral("edit-patient"),
                                                  QString::number(id), QStringLiteral("--nummer"),
                                                  QStringLiteral("N%1").arg(round)});
            const bool ok = again.waitForFinished(60000) && again.exitCode() == 0;
            std::lock_guard<std::mutex> lock(m);
            if (!ok) {
                fail << QStringLiteral("edit of a free patient failed: %1")
                            .arg(QString::fromUtf8(again.readAllStandardError()));
                return;
            }
            ++result.edits;
            ++round;
        }
    };

    QElapsedTimer loadTime;
    loadTime.start();
    for (int w = 0; w < o.workstations; ++w) {
        StartReadout(*stations[static_cast<size_t>(w)], zudctl, loc,
                     dir.filePath(QStringLiteral("station%1").arg(w)));
    }
    std::thread b0(browse, 0), b1(browseLoggedIn), e0(edit);
    for (int w = 0; w < o.workstations; ++w) {
        Station& st = *stations[static_cast<size_t>(w)];
        if (!st.process.waitForFinished(600000) || st.process.exitCode() != 0) {
            std::lock_guard<std::mutex> lock(m);
            fail << QStringLiteral("%1: read-out rc %2: %3")
                        .arg(st.name)
                        .arg(st.process.exitCode())
                        .arg(QString::fromUtf8(st.process.readAllStandardError()));
            continue;
        }
        const QString out = QString::fromUtf8(st.process.readAllStandardOutput());
        const QString want =
            QStringLiteral(";stored %1;deleted 0;already 0;elsewhere 0;kept 0").arg(o.recordings);
        if (!out.startsWith(QStringLiteral("0,0;")) || !out.trimmed().endsWith(want)) {
            std::lock_guard<std::mutex> lock(m);
            fail << QStringLiteral("%1: read-out said %2").arg(st.name, out.trimmed());
        }
    }
    result.loadSeconds = static_cast<double>(loadTime.nsecsElapsed()) / 1e9;
    running = false;
    b0.join();
    b1.join();
    e0.join();

    // The same amount through the server from one workstation alone.
    Station& alone = *stations.back();
    QElapsedTimer aloneTime;
    aloneTime.start();
    StartReadout(alone, zudctl, loc, dir.filePath(QStringLiteral("alone")));
    if (!alone.process.waitForFinished(600000) || alone.process.exitCode() != 0) {
        fail << QStringLiteral("alone: read-out failed: %1")
                    .arg(QString::fromUtf8(alone.process.readAllStandardError()));
    }
    result.aloneSeconds = static_cast<double>(aloneTime.nsecsElapsed()) / 1e9;

    for (const auto& st : stations) {
        CheckStation(dm, *st, o.recordings, fail, result.stored);
    }
    // Nothing beyond the stations' and the demo's other recordings (which --slot 0,0 leaves alone).
    const auto rows = dm.Db().Query(QStringLiteral("select count(*) from ZUDData"));
    const int total = rows.empty() ? -1 : static_cast<int>(rows.front().At(0).toLongLong());
    if (total != (o.workstations + 1) * o.recordings) {
        fail << QStringLiteral("%1 recordings in the database, %2 expected")
                    .arg(total)
                    .arg((o.workstations + 1) * o.recordings);
    }
    for (auto& st : stations) {
        st->emu->Stop();
    }
    dm.Logout();
    return result;
}

} // namespace zud::test

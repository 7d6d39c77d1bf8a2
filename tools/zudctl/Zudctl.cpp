#include "Zudctl.h"

#include "Handshake.h"
#include "Paths.h"
#include "TDM1.h"
#include "TZUD12.h"
#include "ZudctlInternal.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <functional>
#include <map>

namespace zud {

namespace {

const char* const kUsage =
    "Aufruf: zudctl [--port PFAD] [--baud N] [--log DATEI] BEFEHL [ARGUMENTE]\n"
    "\n"
    "Gerätebefehle (jeder beginnt mit der Geräteerkennung und endet mit dem Normalbild):\n"
    "  info                          Firmware, Typ, Kunde und Seriennummer\n"
    "  ls VERZEICHNIS [MASKE]        Dateien eines Verzeichnisses (Maske: *.*)\n"
    "  get GERÄTEPFAD DATEI         Datei vom Gerät lesen\n"
    "  put DATEI GERÄTEPFAD         Datei zum Gerät schreiben\n"
    "  rm GERÄTEPFAD                Datei am Gerät löschen\n"
    "  stat PFAD                     Status der Verzeichnisabfrage\n"
    "  mkdir PFAD                    Verzeichnis prüfen und anlegen\n"
    "  delete-exercises T P          Übungen von Therapeut T (0-5), Patient P (0-9) löschen\n"
    "  factory-reset                 Werkszustand herstellen, dann Reset\n"
    "  app-data                      aktive und freigeschaltete Anwendungen\n"
    "  set-app N                     Anwendung N (1-12) aktivieren, Flash neu laden\n"
    "  set-clock [JJJJ-MM-TTThh:mm:ss]  Geräteuhr stellen (ohne Angabe: jetzt)\n"
    "  reset                         Gerät zurücksetzen\n"
    "  device-records                Systemparameter, Codes, Therapeuten und Patienten lesen\n"
    "\n"
    "Dateibefehle (ohne Gerät):\n"
    "  decode [--unit mbar|mmHg] [--old BETRIEBSART] DATEI   Messwerte einer Aufzeichnung\n"
    "  stats [--unit mbar|mmHg] [--old BETRIEBSART] DATEI    Statistik einer Aufzeichnung\n"
    "  crop FAKTOR OFFSET EINGABE AUSGABE                     Aufzeichnung zuschneiden\n"
    "  programs [--sprache N] DATEI                           Programmdatei (Prog.dat) anzeigen\n"
    "  csv [--unit mbar|mmHg] [--remarks DATEI] [--locale de] DATEI AUSGABE\n"
    "                                Rohdaten einer Aufzeichnung als CSV-Datei (Dezimalpunkt,\n"
    "                                mit --locale de Dezimalkomma)\n"
    "  render [--width B --height H --dpi D] [--unit mbar|mmHg] DATEI AUSGABE.png|AUSGABE.pdf\n"
    "                                Diagramm einer Aufzeichnung als Bild oder PDF-Seite\n"
    "\n"
    "Datenbank (Optionen --db-server, --db-port, --db-dir, --db-user, --db-password vor \"db\";\n"
    "Vorgabe: die Einstellungen des Programms, eingebettet im Datenordner):\n"
    "  db create                                 Datenbank anlegen, wenn sie fehlt\n"
    "  db patients [--search TEXT]               Patienten: IDENTIFIKATION;NAME;VORNAME;GEBURTSTAG\n"
    "  db add-patient --name N --vorname V --geburtstag JJJJ-MM-TT [--nummer X]\n"
    "  db recordings PATIENT                     Übungen: COUNTER;DATUM;UHRZEIT;BETRIEBSART;Bytes\n"
    "  db store PATIENT DATEI --date JJJJ-MM-TT --time hh:mm:ss [--device NAME]\n"
    "  db fetch COUNTER DATEI                    Aufzeichnung einer Übung in eine Datei\n"
    "  db move COUNTER PATIENT                   Übung einem anderen Patienten zuordnen\n"
    "  db delete-recording COUNTER\n"
    "  db users | add-user NAME PW | set-password NAME PW | drop-user NAME   (Server)\n"
    "  db server-setup ORDNER --port N --password P   privaten Firebird-Server vorbereiten\n"
    "\n"
    "Optionen:\n"
    "  --port PFAD   serielle Schnittstelle (Vorgabe: Einstellung \"Port\")\n"
    "  --baud N      Baudrate (Vorgabe: 460800)\n"
    "  --log DATEI   Protokolldatei (Vorgabe: Logfile.txt im Datenordner)\n";

const QString kCommError = QStringLiteral("Während der Kommunikation ist ein Fehler aufgetreten!");

using ctl::ParseInt;
using ctl::UsageError;

QString DateText(const QDate& d) {
    return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}
QString TimeText(const QTime& t) {
    return t.isValid() ? t.toString(QStringLiteral("hh:mm:ss")) : QString();
}

// One device conversation: handshake, the command's work, normal screen, close.
class Session {
public:
    Session(TZUD12& dev, QTextStream& err) : FDev(dev), FErr(err) {}

    int Run(const std::function<bool()>& work) {
        const Handshake h = RunHandshake(FDev, HandshakeOptions{true, false});
        if (!h.ok()) {
            Report(h.message);
            EndConversation(FDev, h.screenSet);
            return 1;
        }
        FDev.LastLog.clear();
        const bool ok = work();
        EndConversation(FDev, true);
        if (!ok) {
            Report(kCommError);
            return 1;
        }
        return 0;
    }

private:
    void Report(const QString& message) {
        FErr << message << '\n';
        if (!FDev.LastLog.isEmpty()) {
            FErr << FDev.LastLog << '\n';
        }
    }

    TZUD12& FDev;
    QTextStream& FErr;
};

} // namespace

int RunZudctl(const QStringList& args, QTextStream& out, QTextStream& err) {
    QString port;
    uint32_t baud = 460800;
    QString log;
    bool logGiven = false;
    ctl::DbOptions dbOptions;
    int i = 0;
    try {
        for (; i < args.size(); ++i) {
            const QString& a = args[i];
            auto value = [&]() {
                if (i + 1 >= args.size()) {
                    throw UsageError{QStringLiteral("%1 braucht einen Wert").arg(a)};
                }
                return args[++i];
            };
            if (a == QLatin1String("--port")) {
                port = value();
            } else if (a == QLatin1String("--baud")) {
                const QString v = value();
                bool ok = false;
                baud = v.toUInt(&ok);
                if (!ok || !TCOM::IsSupportedBaud(baud)) {
                    throw UsageError{QStringLiteral("Baudrate wird nicht unterstützt: %1").arg(v)};
                }
            } else if (a == QLatin1String("--db-server")) {
                dbOptions.server = value();
            } else if (a == QLatin1String("--db-port")) {
                dbOptions.port = value();
            } else if (a == QLatin1String("--db-dir")) {
                dbOptions.dir = value();
            } else if (a == QLatin1String("--db-user")) {
                dbOptions.user = value();
            } else if (a == QLatin1String("--db-password")) {
                dbOptions.password = value();
            } else if (a == QLatin1String("--log")) {
                log = value();
                logGiven = true;
            } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
                out << kUsage;
                return 0;
            } else if (a.startsWith(QLatin1String("--"))) {
                throw UsageError{QStringLiteral("unbekannte Option: %1").arg(a)};
            } else {
                break;
            }
        }
        if (i >= args.size()) {
            throw UsageError{QStringLiteral("kein Befehl angegeben")};
        }
        const QString cmd = args[i];
        const QStringList rest = args.mid(i + 1);
        auto need = [&](qsizetype lo, qsizetype hi) {
            if (rest.size() < lo || rest.size() > hi) {
                throw UsageError{QStringLiteral("falsche Anzahl Argumente für %1").arg(cmd)};
            }
        };

        if (cmd == QLatin1String("db")) {
            try {
                return ctl::RunDb(dbOptions, rest, out, err);
            } catch (const db::DbError& e) {
                err << e.Message() << '\n';
                return 1;
            } catch (const DataError& e) {
                err << e.Message() << '\n';
                return 1;
            }
        }
        const int offline = ctl::RunOffline(cmd, rest, out, err);
        if (offline >= 0) {
            return offline;
        }

        static const QStringList kCommands = {QStringLiteral("device-records"),
                                              QStringLiteral("info"),
                                              QStringLiteral("ls"),
                                              QStringLiteral("get"),
                                              QStringLiteral("put"),
                                              QStringLiteral("rm"),
                                              QStringLiteral("stat"),
                                              QStringLiteral("mkdir"),
                                              QStringLiteral("delete-exercises"),
                                              QStringLiteral("factory-reset"),
                                              QStringLiteral("app-data"),
                                              QStringLiteral("set-app"),
                                              QStringLiteral("set-clock"),
                                              QStringLiteral("reset")};
        if (!kCommands.contains(cmd)) {
            throw UsageError{QStringLiteral("unbekannter Befehl: %1").arg(cmd)};
        }

        // Check every argument before the device is touched.
        std::function<bool(TZUD12&)> work;
        if (cmd == QLatin1String("device-records")) {
            need(0, 0);
            work = [&out](TZUD12& dev) {
                if (!dev.ReadCodeData() || !dev.ReadSystemParams() || !dev.ReadTherapeutData()) {
                    return false;
                }
                for (int t = 0; t < TZUD12::kTherapeuten; ++t) {
                    if (!dev.ReadPatientData(t)) {
                        return false;
                    }
                }
                const int sprache = dev.SystemParameter.Sprache;
                ctl::PrintSystem(out, dev.SystemParameter);
                ctl::PrintCodes(out, dev.Codes_ZUD12);
                for (int t = 0; t < TZUD12::kTherapeuten; ++t) {
                    ctl::PrintPerson(out, QStringLiteral("therapist.%1").arg(t), dev.Therapeuten_ZUD12[t],
                                     sprache);
                }
                for (int i = 0; i < TZUD12::kSlots; ++i) {
                    ctl::PrintPerson(out, QStringLiteral("patient.%1.%2").arg(i / 10).arg(i % 10),
                                     dev.Patienten_ZUD12[i], sprache);
                }
                return true;
            };
        } else if (cmd == QLatin1String("info")) {
            need(0, 0);
            work = [&out](TZUD12& dev) {
                out << "firmware: " << dev.FWVersion << '\n'
                    << "firmware-date: " << dev.FWDate.toString(QStringLiteral("dd.MM.yyyy")) << '\n'
                    << "firmware-time: " << dev.FWTime.toString(QStringLiteral("hh:mm:ss")) << '\n'
                    << "type-code: " << dev.GeraeteDaten.Typ << '\n'
                    << "model-index: " << dev.Typ << '\n'
                    << "customer: " << dev.Kunde << '\n'
                    << "serial: " << dev.SN << '\n';
                return true;
            };
        } else if (cmd == QLatin1String("ls")) {
            need(1, 2);
            const QString dir = rest[0];
            const QString mask = rest.size() > 1 ? rest[1] : QStringLiteral("*.*");
            work = [&out, dir, mask](TZUD12& dev) {
                QList<DateiInfo> list;
                if (!dev.GetFilenames(nullptr, dir, mask, list)) {
                    return false;
                }
                for (const auto& e : list) {
                    out << e.Filename << ';' << DateText(e.Datum) << ';' << TimeText(e.Zeit) << ';' << e.Dauer
                        << '\n';
                }
                return true;
            };
        } else if (cmd == QLatin1String("get")) {
            need(2, 2);
            const QString src = rest[0];
            const QString dst = rest[1];
            work = [&err, src, dst](TZUD12& dev) {
                QByteArray data;
                if (!dev.ReadFile(src, data)) {
                    return false;
                }
                QSaveFile f(dst);
                if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.commit()) {
                    err << "Datei kann nicht geschrieben werden: " << dst << '\n';
                    return false;
                }
                return true;
            };
        } else if (cmd == QLatin1String("put")) {
            need(2, 2);
            const QString src = rest[0];
            const QString dst = rest[1];
            if (!QFileInfo(src).isFile()) {
                err << "Datei nicht gefunden: " << src << '\n';
                return 1;
            }
            work = [src, dst](TZUD12& dev) { return dev.SchreibeDatei(dst, src); };
        } else if (cmd == QLatin1String("rm")) {
            need(1, 1);
            const QString path = rest[0];
            work = [path](TZUD12& dev) { return dev.DeleteFileByName(path); };
        } else if (cmd == QLatin1String("stat")) {
            need(1, 1);
            const QString path = rest[0];
            work = [&out, path](TZUD12& dev) {
                const File f = dev.DirectoryQuery(path);
                out << "status: " << f.Status << '\n';
                return true;
            };
        } else if (cmd == QLatin1String("mkdir")) {
            need(1, 1);
            const QString path = rest[0];
            work = [path](TZUD12& dev) { return dev.CheckDirectory(path); };
        } else if (cmd == QLatin1String("delete-exercises")) {
            need(2, 2);
            const int t = ParseInt(rest[0], 0, TZUD12::kTherapeuten - 1, QStringLiteral("Therapeut"));
            const int p = ParseInt(rest[1], 0, TZUD12::kPatienten - 1, QStringLiteral("Patient"));
            work = [t, p](TZUD12& dev) {
                return dev.DeleteExercises(nullptr, t, QStringLiteral("*.hdf"), p);
            };
        } else if (cmd == QLatin1String("factory-reset")) {
            need(0, 0);
            work = [](TZUD12& dev) {
                if (!dev.Werkszustand(nullptr)) {
                    return false;
                }
                dev.Reset();
                return dev.LastLog.isEmpty(); // Reset only reports through the log
            };
        } else if (cmd == QLatin1String("app-data")) {
            need(0, 0);
            work = [&out](TZUD12& dev) {
                if (dev.LeseAnwendungsdaten() != 0) {
                    return false;
                }
                out << "active: " << dev.Anwendungen.Aktiv << '\n'
                    << "enabled: 0x" << QString::number(dev.Anwendungen.Freigeschaltet, 16).toUpper() << '\n';
                return true;
            };
        } else if (cmd == QLatin1String("set-app")) {
            need(1, 1);
            const int n = ParseInt(rest[0], 1, 12, QStringLiteral("Anwendung"));
            work = [&out, n](TZUD12& dev) {
                if (dev.LeseAnwendungsdaten() != 0) {
                    return false;
                }
                dev.Anwendungen.Aktiv = static_cast<uint8_t>(n);
                const int changed = dev.SchreibeAnwendungsdaten();
                if (changed < 0) {
                    return false;
                }
                dev.DeviceReloadFlash();
                out << "changed: " << changed << '\n';
                return true;
            };
        } else if (cmd == QLatin1String("set-clock")) {
            need(0, 1);
            QDateTime when = QDateTime::currentDateTime();
            if (!rest.isEmpty()) {
                when = QDateTime::fromString(rest[0], QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
                if (!when.isValid()) {
                    throw UsageError{
                        QStringLiteral("Zeitpunkt nicht lesbar (JJJJ-MM-TTThh:mm:ss): %1").arg(rest[0])};
                }
            }
            work = [when](TZUD12& dev) { return dev.WriteRTC(when); };
        } else if (cmd == QLatin1String("reset")) {
            need(0, 0);
            work = [](TZUD12& dev) {
                dev.Reset();
                return dev.LastLog.isEmpty();
            };
        }

        if (port.isEmpty()) {
            port = QSettings().value(QStringLiteral("Port")).toString();
        }
        if (port.isEmpty()) {
            throw UsageError{QStringLiteral("keine Schnittstelle angegeben (--port PFAD)")};
        }
        if (!logGiven) {
            log = LogFilePath();
        }
        TZUD12 dev(log);
        dev.ComPort = port;
        dev.Baud_Rate = baud;
        Session session(dev, err);
        return session.Run([&] { return work(dev); });
    } catch (const UsageError& e) {
        err << "zudctl: " << e.message << "\n(zudctl --help zeigt alle Befehle)\n";
        return 2;
    }
}

} // namespace zud

#include "Zudctl.h"

#include "DeviceSettings.h"

#include "CheckedFile.h"
#include "ExchangeCommands.h"
#include "Handshake.h"
#include "Paths.h"
#include "PatientDatabase.h"
#include "Ports.h"
#include "Readout.h"
#include "SignalWatcher.h"
#include "TZUD12.h"
#include "ZudctlInternal.h"

#include "Crc.h"

#include <QCoreApplication>
#include <cstring>

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
    "  ports [--all]                 Schnittstellen wie im Menü: BESCHRIFTUNG;PFAD (USB-Kabel und\n"
    "                                Bluetooth, sonst alle; --all: immer alle)\n"
    "  info                          Firmware, Typ, Kunde und Seriennummer\n"
    "  ls VERZEICHNIS [MASKE]        Dateien eines Verzeichnisses (Maske: *.*)\n"
    "  get GERÄTEPFAD DATEI         Datei vom Gerät lesen\n"
    "  put [--force] DATEI GERÄTEPFAD  Datei zum Gerät schreiben (Prog.dat, syspara.dat, Thera.dat,\n"
    "                                Pat.dat, Temp.dat: nur mit passender Größe und Prüfsumme)\n"
    "  rm GERÄTEPFAD                Datei am Gerät löschen\n"
    "  stat PFAD                     Status der Verzeichnisabfrage\n"
    "  mkdir PFAD                    Verzeichnis prüfen und anlegen\n"
    "  delete-exercises T P          Übungen von Therapeut T (0-5), Patient P (0-9) löschen\n"
    "  factory-reset --yes           Werkszustand herstellen, dann Reset (löscht alle Übungen)\n"
    "  app-data                      aktive und freigeschaltete Anwendungen\n"
    "  set-app --yes N               Anwendung N (1-12) aktivieren, Flash neu laden (löscht Übungen)\n"
    "  program-pull AUSGABE.zud      Programmierung laden und als Parameter-Datei speichern\n"
    "  program-push [--factory-defaults] [--factory-state --yes] EINGABE.zud\n"
    "                                Parameter-Datei laden und übertragen (written: geschriebene Dateien)\n"
    "  change-app N --yes            zu Anwendung N (1-12) wechseln: löscht alle Übungen, Werkszustand\n"
    "  set-clock [JJJJ-MM-TTThh:mm:ss]  Geräteuhr stellen (ohne Angabe: jetzt)\n"
    "  reset                         Gerät zurücksetzen\n"
    "  device-records                Systemparameter, Codes, Therapeuten und Patienten lesen\n"
    "  readout [--all] [--delete] [--slot T,P] [--dry-run]\n"
    "                                Übungen zugeordneter Patienten, die noch nicht in der Datenbank\n"
    "                                sind, speichern (Patienten werden angelegt); --all wählt alle\n"
    "                                aus wie \"Alle auswählen\" (bereits gespeicherte werden nie ersetzt,\n"
    "                                nur übersprungen); --delete löscht sicher gespeicherte danach am\n"
    "                                Gerät; je Platz: T,P;NAME;stored N;deleted M;already A;elsewhere E;\n"
    "                                kept K, danach die Zusammenfassung auf Deutsch (Fehlerausgabe)\n"
    "  live [--slot T,P] [--seconds S] --out DATEI\n"
    "                                Echtzeitmessung aufzeichnen, bis das Gerät sie beendet, die Zeit\n"
    "                                um ist oder Strg+C; schreibt die Aufzeichnung nach DATEI (ein\n"
    "                                Programmwechsel: DATEI-2 ...); --slot sagt, ob das laufende\n"
    "                                Programm eines des Platzes ist\n"
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
    "Statistik und Berichte (Datenbankoptionen wie bei \"db\"):\n"
    "  statistics [--unit mbar|mmHg] PATIENT     Statistiklisten wie im Fenster: [Reiter], Spalten, Zeilen\n"
    "                                            (durch \";\" getrennt), dann die Zusammenfassung "
    "(Name=Wert)\n"
    "  report recording COUNTER AUSGABE.pdf      Seite einer Übung (Patientenkopf und Diagramm)\n"
    "  report statistics PATIENT [--tab NAME] AUSGABE.pdf   Statistiktabelle eines Reiters\n"
    "  report summary PATIENT AUSGABE.pdf        Therapie-Zusammenfassung\n"
    "\n"
    "Praxissoftware (GDT) und EDF+ (Einstellungen Gdt… wie im Programm; Datenbankoptionen wie bei \"db\"):\n"
    "  gdt read DATEI                  Anfrage der Praxissoftware übernehmen (6301, 6302, 6311): Patient\n"
    "                                  suchen oder anlegen, Datei löschen; gibt patient=SCHLÜSSEL aus;\n"
    "                                  eine fehlerhafte Datei kommt nach fehler/ (Exit 1, mit Zeile)\n"
    "  gdt result COUNTER [--pdf]      Ergebnis einer Übung (6310) in den Austauschordner schreiben,\n"
    "                                  mit --pdf samt Berichtsseite; gibt den Pfad aus\n"
    "  edf [--unit mbar|mmHg] EINGABE.hdf|COUNTER AUSGABE.edf   Übung als EDF+-Datei\n"
    "\n"
    "Datenbank (Optionen --db-server, --db-port, --db-dir, --db-user, --db-password, --db-password-file\n"
    "vor \"db\"; Vorgabe: die Einstellungen des Programms, eingebettet im Datenordner):\n"
    "  db create                                 Datenbank anlegen, wenn sie fehlt\n"
    "  db verify                                 Datenbank prüfen (Firebird-Prüfung der Datei, jede Übung,\n"
    "                                            ihr Patient und Gerät, Schlüssel und Generatoren): je\n"
    "                                            Problem eine Zeile, dann die Zusammenfassung; Exit-Status\n"
    "                                            0 nur, wenn alles in Ordnung ist; ändert nichts\n"
    "  db patients [--search TEXT]               Patienten: IDENTIFIKATION;NAME;VORNAME;GEBURTSTAG\n"
    "  db add-patient --name N --vorname V --geburtstag JJJJ-MM-TT [--nummer X]\n"
    "  db recordings PATIENT                     Übungen: COUNTER;DATUM;UHRZEIT;BETRIEBSART;Bytes\n"
    "  db store PATIENT DATEI --date JJJJ-MM-TT --time hh:mm:ss [--device NAME]\n"
    "  db fetch COUNTER DATEI                    Aufzeichnung einer Übung in eine Datei\n"
    "  db move COUNTER PATIENT                   Übung einem anderen Patienten zuordnen\n"
    "  db delete-recording COUNTER\n"
    "  db users | add-user NAME PW | set-password NAME PW | drop-user NAME   (Server)\n"
    "  db server-setup ORDNER --port N --password P   privaten Firebird-Server vorbereiten (Tests)\n"
    "\n"
    "Praxis-Server (als root, mit Debians firebird3.0-server):\n"
    "  server-setup --system --password-file DATEI [--host NAME] [--port N]\n"
    "                                SYSDBA-Passwort aus DATEI (erste Zeile), verschlüsselte\n"
    "                                Verbindungen (WireCrypt = Required), Dienst neu starten,\n"
    "                                Datenbank und Rolle anlegen; gibt die Zeile SQLServer3=... für\n"
    "                                die Einstellungen der Arbeitsplätze aus (Port: 3052)\n"
    "\n"
    "Datenaustausch (dieselben Datenbank-Optionen):\n"
    "  export --patients ID,ID,... ARCHIV.qvz   Patienten mit allen Übungen in ein Archiv exportieren\n"
    "  import ARCHIV.qvz [--patients ID,...]    Patienten eines Archivs übernehmen (Vorgabe: alle)\n"
    "  backup DATEI.bak3                        die ganze Datenbank sichern\n"
    "  restore DATEI.bak3 --yes                 die Datenbank aus einer Sicherung wiederherstellen\n"
    "  takeover [--old-dir ORDNER] [--old-server S] [--old-port P]\n"
    "                                           Daten der Vorgängerversion in die leere Datenbank\n"
    "                                           übernehmen (ZUDData.gdb; Vorgabe: SQLDir, SQLServer)\n"
    "\n"
    "Optionen:\n"
    "  --port PFAD   serielle Schnittstelle (Vorgabe: Einstellung \"Port\")\n"
    "  --baud N      Baudrate (Vorgabe: 460800)\n"
    "  --log DATEI   Protokolldatei (Vorgabe: Logfile.txt im Datenordner)\n"
    "  --db-password PW       Datenbank-Passwort; ACHTUNG: auf der Befehlszeile für andere Benutzer\n"
    "                         dieses Rechners sichtbar. Besser: --db-password-file DATEI (erste Zeile)\n"
    "                         oder die Umgebungsvariable ZUD_DB_PASSWORD.\n"
    "\n"
    "Ausgaben mit mehreren Feldern sind durch \";\" getrennt; ein Feld mit \";\", \"\"\" oder Zeilenumbruch\n"
    "steht in Anführungszeichen wie in CSV. Exit-Status: 0 Erfolg, 1 Fehler, 2 falscher Aufruf,\n"
    "130 abgebrochen (Strg+C, SIGTERM, SIGHUP: zwischen zwei Schritten, das Gerät erhält sein Normalbild).\n";

// Exit status of a command cancelled by a signal (Ctrl+C), as shells report it.
constexpr int kCancelled = 130;

QString Cancelled() {
    return QCoreApplication::translate("Auslesen", "Übertragung abgebrochen.");
}

const QString kCommError =
    QCoreApplication::translate("Geraet", "Während der Kommunikation ist ein Fehler aufgetreten!");

// A device path argument: never cut or altered, so a bad one is wrong usage.
QString DevicePath(const QString& path) {
    if (!CheckDevicePath(path)) {
        throw ctl::UsageError{
            QStringLiteral("Gerätepfad ungültig (höchstens 50 Zeichen, nur Zeichen des Gerätezeichensatzes "
                           "U+0001..U+00FF): %1")
                .arg(path)};
    }
    return path;
}

// The device files whose content the device checks: size and, where they have one, checksum.
bool RecordFileOk(const QString& devicePath, const QByteArray& data, QString& why) {
    const QString name = devicePath.section(QLatin1Char('\\'), -1).toLower();
    const auto size = static_cast<size_t>(data.size());
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
    auto expect = [&](const QString& what, size_t want, bool crcOk) {
        if (size != want) {
            why = QStringLiteral("%1: %2 Bytes erwartet, die Datei hat %3").arg(what).arg(want).arg(size);
            return false;
        }
        if (!crcOk) {
            why = QStringLiteral("%1: die Prüfsumme stimmt nicht").arg(what);
            return false;
        }
        return true;
    };
    if (name == QLatin1String("prog.dat") || name == QLatin1String("defprog.dat")) {
        Programmdatei d{};
        std::memcpy(&d, bytes, std::min(size, sizeof d));
        return expect(QStringLiteral("Programmdatei"), sizeof d, size == sizeof d && ProgrammdateiCrcOk(d));
    }
    if (name == QLatin1String("syspara.dat") || name == QLatin1String("defsys.dat")) {
        Systemparameter sp{};
        std::memcpy(&sp, bytes, std::min(size, sizeof sp));
        return expect(QStringLiteral("Systemparameter"), sizeof sp,
                      size == sizeof sp && GetCrc(sp.crc) == SystemCrc(sp));
    }
    if (name == QLatin1String("thera.dat")) {
        return expect(QStringLiteral("Therapeutenliste"), sizeof(Stammdaten) * TZUD12::kTherapeuten, true);
    }
    if (name == QLatin1String("pat.dat")) {
        return expect(QStringLiteral("Patientenliste"), sizeof(Stammdaten) * TZUD12::kPatienten, true);
    }
    if (name == QLatin1String("temp.dat")) {
        Codes c{};
        std::memcpy(&c, bytes, std::min(size, sizeof c));
        Codes fixed = c;
        SetCodesCrc(fixed);
        return expect(QStringLiteral("Zugangscodes"), sizeof c,
                      size == sizeof c && std::memcmp(c.crc, fixed.crc, 2) == 0);
    }
    return true;
}

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

    // `failure`, when the work sets it, replaces the general communication message.
    int Run(const std::function<bool()>& work, const QString& failure) {
        const Handshake h = RunHandshake(FDev, HandshakeOptions{true, false});
        if (!h.ok()) {
            Report(h.message);
            EndConversation(FDev, h.screenSet);
            return 1;
        }
        FDev.LastLog.clear();
        const bool ok = work();
        EndConversation(FDev, true);
        if (!ok && SignalWatcher::Requested()) {
            // A file read was given up within its block; another command in flight ran to its
            // end. A command that was done before the signal counted is no cancel.
            FErr << Cancelled() << '\n';
            return kCancelled;
        }
        if (!ok) {
            Report(failure.isEmpty() ? kCommError : failure);
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

// The options before the command: the line, its speed, the log and the database.
struct GlobalOptions {
    QString port;
    uint32_t baud = 460800;
    QString log;
    bool logGiven = false;
    ctl::DbOptions db;

    QString LogPath() const { return logGiven ? log : LogFilePath(); }
};

// Reads the options up to the command; `i` is left on the command. A result >= 0 ends the run
// with that exit status (--help, an unreadable password file).
int ParseGlobalOptions(const QStringList& args, int& i, GlobalOptions& o, QTextStream& out,
                       QTextStream& err) {
    for (; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&]() {
            if (i + 1 >= args.size()) {
                throw UsageError{QStringLiteral("%1 braucht einen Wert").arg(a)};
            }
            return args[++i];
        };
        if (a == QLatin1String("--port")) {
            o.port = value();
        } else if (a == QLatin1String("--baud")) {
            const QString v = value();
            bool ok = false;
            o.baud = v.toUInt(&ok);
            if (!ok || !TCOM::IsSupportedBaud(o.baud)) {
                throw UsageError{QStringLiteral("Baudrate wird nicht unterstützt: %1").arg(v)};
            }
        } else if (a == QLatin1String("--db-server")) {
            o.db.server = value();
        } else if (a == QLatin1String("--db-port")) {
            o.db.port = value();
        } else if (a == QLatin1String("--db-dir")) {
            o.db.dir = value();
        } else if (a == QLatin1String("--db-user")) {
            o.db.user = value();
        } else if (a == QLatin1String("--db-password")) {
            o.db.password = value();
        } else if (a == QLatin1String("--db-password-file")) {
            const QString file = value();
            QFile f(file);
            if (!f.open(QIODevice::ReadOnly)) {
                err << "Passwortdatei kann nicht gelesen werden: " << file << '\n';
                return 1;
            }
            o.db.password =
                QString::fromUtf8(f.readLine()).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
        } else if (a == QLatin1String("--log")) {
            o.log = value();
            o.logGiven = true;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            out << kUsage;
            return 0;
        } else if (a.startsWith(QLatin1String("--"))) {
            throw UsageError{QStringLiteral("unbekannte Option: %1").arg(a)};
        } else {
            break;
        }
    }
    return -1;
}

void NeedArguments(const QString& cmd, const QStringList& rest, qsizetype lo, qsizetype hi) {
    if (rest.size() < lo || rest.size() > hi) {
        throw UsageError{QStringLiteral("falsche Anzahl Argumente für %1").arg(cmd)};
    }
}

// The serial line: the one given, else the program's setting; none is wrong usage.
QString DevicePort(const QString& given) {
    const QString port = given.isEmpty() ? QSettings().value(QStringLiteral("Port")).toString() : given;
    if (port.isEmpty()) {
        throw UsageError{QStringLiteral("keine Schnittstelle angegeben (--port PFAD)")};
    }
    return port;
}

void ConfigureDevice(TZUD12& dev, const QString& port, uint32_t baud) {
    dev.ComPort = port;
    dev.Baud_Rate = baud;
    wf::ApplyDeviceSettings(dev, Settings()); // the technician's machine-wide choices
}

int RunDbCommand(const ctl::DbOptions& options, const QStringList& rest, QTextStream& out, QTextStream& err) {
    try {
        return ctl::RunDb(options, rest, out, err);
    } catch (const db::DbError& e) {
        // A server that cannot be reached is named with its host and port.
        err << (e.IsNetworkError() ? PatientDatabase(ctl::Location(options)).DescribeLoginError(e)
                                   : db::DescribeError(e))
            << '\n';
        return 1;
    } catch (const DataError& e) {
        err << e.Message() << '\n';
        return 1;
    }
}

struct ReadoutOptions {
    bool loeschen = false;
    bool dryRun = false;
    bool alle = false;
    int onlySlot = -1;
};

ReadoutOptions ParseReadoutOptions(const QStringList& rest) {
    ReadoutOptions o;
    for (qsizetype k = 0; k < rest.size(); ++k) {
        if (rest[k] == QLatin1String("--delete")) {
            o.loeschen = true;
        } else if (rest[k] == QLatin1String("--all")) {
            o.alle = true;
        } else if (rest[k] == QLatin1String("--dry-run")) {
            o.dryRun = true;
        } else if (rest[k] == QLatin1String("--slot") && k + 1 < rest.size()) {
            const QStringList tp = rest[++k].split(QLatin1Char(','));
            if (tp.size() != 2) {
                throw UsageError{QStringLiteral("--slot T,P (Therapeut 0-5, Patient 0-9)")};
            }
            o.onlySlot = ParseInt(tp[0], 0, 5, QStringLiteral("Therapeut")) * 10 +
                         ParseInt(tp[1], 0, 9, QStringLiteral("Patient"));
        } else {
            throw UsageError{QStringLiteral("readout [--all] [--delete] [--slot T,P] [--dry-run]")};
        }
    }
    return o;
}

// Null when the database cannot be opened; the reason is written to `err`.
std::unique_ptr<PatientDatabase> OpenReadoutDatabase(const ctl::DbOptions& options, QTextStream& err) {
    try {
        // The database client sets its own handlers when it attaches: held back
        // meanwhile, the signals are ours again afterwards.
        const SignalWatcher::Hold hold;
        return ctl::OpenDatabase(options);
    } catch (const db::DbError& e) {
        err << db::DescribeError(e) << '\n';
        return nullptr;
    }
}

// Reads the device's recording headers; a result >= 0 ends the read-out with that exit status.
int ReadRecordingHeaders(TZUD12& dev, PatientDatabase& dm, const wf::Callbacks& callbacks, QTextStream& err) {
    try {
        wf::LeseMessungen(dev, dm, callbacks);
        if (SignalWatcher::Requested()) {
            err << Cancelled() << '\n';
            return kCancelled;
        }
    } catch (const wf::WorkflowError& e) {
        if (SignalWatcher::Requested()) {
            err << Cancelled() << '\n';
            return kCancelled;
        }
        if (e.kind() == wf::WorkflowError::ENoExercises) {
            return 0; // nothing to do
        }
        err << e.Message() << '\n';
        if (!dev.LastLog.isEmpty()) {
            err << dev.LastLog << '\n';
        }
        return 1;
    }
    return -1;
}

// Marks the recordings to store and counts them per slot.
std::array<int, TZUD12::kSlots> ChooseRecordings(TZUD12& dev, const ReadoutOptions& o) {
    std::array<int, TZUD12::kSlots> chosen{};
    for (int k = 0; k < TZUD12::kSlots; ++k) {
        // "Alle auswählen": every recording of a patient that can be matched.
        const bool all = o.alle && wf::IstZuordenbar(dev.Patienten[k]);
        for (auto& e : dev.MessHeaders[k]) {
            e.Checked = (e.Checked || all) && (o.onlySlot < 0 || o.onlySlot == k);
            chosen[k] += e.Checked;
        }
    }
    return chosen;
}

QString SlotOwner(const TZUD12& dev, int k) {
    const Stammsatz& s = dev.Patienten[k];
    return ctl::Csv(QStringLiteral("%1, %2").arg(wf::Name(s), wf::Vorname(s)));
}

void PrintDryRun(const TZUD12& dev, const std::array<int, TZUD12::kSlots>& chosen, QTextStream& out) {
    for (int k = 0; k < TZUD12::kSlots; ++k) {
        if (chosen[k] > 0) {
            out << k / 10 << ',' << k % 10 << ';' << SlotOwner(dev, k) << ";would store " << chosen[k]
                << '\n';
        }
    }
}

// One line per slot touched, then the summary; returns the exit status.
int ReportTransfer(const TZUD12& dev, const wf::TransferResult& r,
                   const std::array<int, TZUD12::kSlots>& chosen, QTextStream& out, QTextStream& err) {
    for (int k = 0; k < TZUD12::kSlots; ++k) {
        const auto& s = r.perSlot[k];
        if (chosen[k] > 0 || s.stored > 0 || s.deleted > 0) {
            out << k / 10 << ',' << k % 10 << ';' << SlotOwner(dev, k) << ";stored " << s.stored
                << ";deleted " << s.deleted << ";already " << s.already << ";elsewhere " << s.elsewhere
                << ";kept " << s.kept << '\n';
        }
    }
    // A cancel is no fault of the line: the device's log line is left out then.
    const bool cancelled = r.failed && SignalWatcher::Requested();
    if (r.failed && !cancelled && !dev.LastLog.isEmpty()) {
        err << dev.LastLog << '\n';
    }
    // The same German summary as the read-out window's, the reason of a stop first.
    if (r.failed || r.Stored() > 0 || r.Skipped() > 0 || !r.problems.isEmpty()) {
        err << wf::Zusammenfassung(r) << '\n';
    }
    if (cancelled) {
        return kCancelled;
    }
    return r.failed || !r.problems.isEmpty() ? 1 : 0;
}

int RunReadout(const GlobalOptions& g, const QStringList& rest, QTextStream& out, QTextStream& err) {
    const ReadoutOptions o = ParseReadoutOptions(rest);
    const QString port = DevicePort(g.port);
    const std::unique_ptr<PatientDatabase> dm = OpenReadoutDatabase(g.db, err);
    if (!dm) {
        return 1;
    }
    wf::Callbacks callbacks;
    callbacks.cancelRequested = [] { return SignalWatcher::Requested(); };
    TZUD12 dev(g.LogPath());
    ConfigureDevice(dev, port, g.baud);
    if (const int r = ReadRecordingHeaders(dev, *dm, callbacks, err); r >= 0) {
        return r;
    }
    const std::array<int, TZUD12::kSlots> chosen = ChooseRecordings(dev, o);
    if (o.dryRun) {
        PrintDryRun(dev, chosen, out);
        return 0;
    }
    const wf::TransferResult r = wf::Uebertrage(dev, *dm, o.loeschen, callbacks);
    return ReportTransfer(dev, r, chosen, out, err);
}

int RunPorts(const QString& port, const QStringList& rest, QTextStream& out) {
    QStringList r = rest;
    const bool all = r.removeAll(QStringLiteral("--all")) > 0;
    if (!r.isEmpty()) {
        throw UsageError{QStringLiteral("ports [--all]")};
    }
    auto discovery = SystemPortDiscovery();
    const QList<PortInfo> ports = discovery->Ports();
    const PortList list =
        BuildPortList(ports, TestKabel(ports), discovery->Bluetooth(std::chrono::seconds(20)), all,
                      port.isEmpty() ? QStringList() : QStringList{port});
    for (const PortItem& item : list.items) {
        out << ctl::Csv(item.caption) << ';' << ctl::Csv(item.path) << '\n';
    }
    return 0;
}

int RunLive(const GlobalOptions& g, const QStringList& rest, QTextStream& out, QTextStream& err) {
    const QString port = DevicePort(g.port);
    TZUD12 dev(g.LogPath());
    ConfigureDevice(dev, port, g.baud);
    return ctl::Live(dev, rest, out, err);
}

using DeviceWork = std::function<bool(TZUD12&)>;

// What a device command does once the conversation stands. Each Prepare... checks its
// arguments before the device is touched; `failure` is set by the work when it knows better
// words than the general message; `early` >= 0 ends the run before the device is touched.

DeviceWork PrepareDeviceRecords(const QStringList& rest, QTextStream& out) {
    NeedArguments(QStringLiteral("device-records"), rest, 0, 0);
    return [&out](TZUD12& dev) {
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
            ctl::PrintPerson(out, QStringLiteral("therapist.%1").arg(t), dev.Therapeuten_ZUD12[t], sprache);
        }
        for (int i = 0; i < TZUD12::kSlots; ++i) {
            ctl::PrintPerson(out, QStringLiteral("patient.%1.%2").arg(i / 10).arg(i % 10),
                             dev.Patienten_ZUD12[i], sprache);
        }
        return true;
    };
}

DeviceWork PrepareInfo(const QStringList& rest, QTextStream& out) {
    NeedArguments(QStringLiteral("info"), rest, 0, 0);
    return [&out](TZUD12& dev) {
        out << "firmware: " << dev.FWVersion << '\n'
            << "firmware-date: " << dev.FWDate.toString(QStringLiteral("dd.MM.yyyy")) << '\n'
            << "firmware-time: " << dev.FWTime.toString(QStringLiteral("hh:mm:ss")) << '\n'
            << "type-code: " << dev.GeraeteDaten.Typ << '\n'
            << "model-index: " << dev.Typ << '\n'
            << "customer: " << dev.Kunde << '\n'
            << "serial: " << dev.SN << '\n';
        return true;
    };
}

DeviceWork PrepareList(const QStringList& rest, QTextStream& out, QString& failure) {
    NeedArguments(QStringLiteral("ls"), rest, 1, 2);
    const QString dir = DevicePath(rest[0]);
    const QString mask = rest.size() > 1 ? rest[1] : QStringLiteral("*.*");
    if (!CheckDeviceMask(mask)) {
        throw UsageError{QStringLiteral("Maske ungültig (höchstens 6 Zeichen): %1").arg(mask)};
    }
    return [&out, &failure, dir, mask](TZUD12& dev) {
        // The device lists a missing directory as an empty one: ask first.
        const File f = dev.DirectoryQuery(dir);
        if (f.Status == 4) {
            failure = QStringLiteral("Verzeichnis am Gerät nicht vorhanden: %1").arg(dir);
            return false;
        }
        if (f.Status != 0) {
            dev.AddLog(QStringLiteral("GetFilenames (DiskError: %1) Dir: %2").arg(f.Status).arg(dir));
            return false;
        }
        QList<DateiInfo> list;
        if (!dev.GetFilenames(nullptr, dir, mask, list)) {
            return false;
        }
        for (const auto& e : list) {
            out << ctl::Csv(e.Filename) << ';' << DateText(e.Datum) << ';' << TimeText(e.Zeit) << ';'
                << e.Dauer << '\n';
        }
        return true;
    };
}

DeviceWork PrepareGet(const QStringList& rest, QTextStream& err, QString& failure, int& early) {
    NeedArguments(QStringLiteral("get"), rest, 2, 2);
    const QString src = DevicePath(rest[0]);
    const QString dst = rest[1];
    QString why;
    // A long read must not be wasted on a file that cannot be written.
    if (!CheckDestination(dst, &why)) {
        err << why << '\n';
        early = 1;
        return {};
    }
    return [&failure, src, dst](TZUD12& dev) {
        QByteArray data;
        // Ctrl+C gives the file up within the block under way.
        dev.CancelRequested = [] { return SignalWatcher::Requested(); };
        const bool read = dev.ReadFile(src, data);
        dev.CancelRequested = nullptr;
        if (!read || SignalWatcher::Requested()) {
            return false; // cancelled: no file is written
        }
        return SaveFile(dst, data, &failure);
    };
}

DeviceWork PreparePut(const QStringList& rest, QTextStream& err, int& early) {
    QStringList files = rest;
    const bool force = files.removeAll(QStringLiteral("--force")) > 0;
    if (files.size() != 2) {
        throw UsageError{QStringLiteral("put [--force] DATEI GERÄTEPFAD")};
    }
    const QString src = files[0];
    const QString dst = DevicePath(files[1]);
    QFile f(src);
    if (!QFileInfo(src).isFile() || !f.open(QIODevice::ReadOnly)) {
        err << "Datei nicht gefunden: " << src << '\n';
        early = 1;
        return {};
    }
    QString why;
    if (!force && !RecordFileOk(dst, f.readAll(), why)) {
        err << "Keine gültige Gerätedatei für " << dst << " (" << why
            << "); nichts geschrieben. Mit --force trotzdem schreiben.\n";
        early = 1;
        return {};
    }
    return [src, dst](TZUD12& dev) { return dev.SchreibeDatei(dst, src); };
}

// rm, stat and mkdir: one device path each.
DeviceWork PreparePathCommand(const QString& cmd, const QStringList& rest, QTextStream& out) {
    NeedArguments(cmd, rest, 1, 1);
    const QString path = DevicePath(rest[0]);
    if (cmd == QLatin1String("rm")) {
        return [path](TZUD12& dev) { return dev.DeleteFileByName(path); };
    }
    if (cmd == QLatin1String("stat")) {
        return [&out, path](TZUD12& dev) {
            const File f = dev.DirectoryQuery(path);
            out << "status: " << f.Status << '\n';
            return true;
        };
    }
    return [path](TZUD12& dev) { return dev.CheckDirectory(path); };
}

DeviceWork PrepareDeleteExercises(const QStringList& rest) {
    NeedArguments(QStringLiteral("delete-exercises"), rest, 2, 2);
    const int t = ParseInt(rest[0], 0, TZUD12::kTherapeuten - 1, QStringLiteral("Therapeut"));
    const int p = ParseInt(rest[1], 0, TZUD12::kPatienten - 1, QStringLiteral("Patient"));
    return [t, p](TZUD12& dev) { return dev.DeleteExercises(nullptr, t, QStringLiteral("*.hdf"), p); };
}

DeviceWork PrepareFactoryReset(const QStringList& rest) {
    QStringList r = rest;
    if (r.removeAll(QStringLiteral("--yes")) == 0) {
        throw UsageError{QStringLiteral("factory-reset löscht alle Übungen und Einstellungen am Gerät: "
                                        "mit --yes bestätigen")};
    }
    if (!r.isEmpty()) {
        throw UsageError{QStringLiteral("falsche Anzahl Argumente für factory-reset")};
    }
    return [](TZUD12& dev) {
        if (!dev.Werkszustand(nullptr)) {
            return false;
        }
        dev.Reset();
        return dev.LastLog.isEmpty(); // Reset only reports through the log
    };
}

DeviceWork PrepareAppData(const QStringList& rest, QTextStream& out) {
    NeedArguments(QStringLiteral("app-data"), rest, 0, 0);
    return [&out](TZUD12& dev) {
        if (dev.LeseAnwendungsdaten() != 0) {
            return false;
        }
        out << "active: " << dev.Anwendungen.Aktiv << '\n'
            << "enabled: 0x" << QString::number(dev.Anwendungen.Freigeschaltet, 16).toUpper() << '\n';
        return true;
    };
}

DeviceWork PrepareSetApp(const QStringList& rest, QTextStream& out) {
    QStringList r = rest;
    if (r.removeAll(QStringLiteral("--yes")) == 0) {
        throw UsageError{QStringLiteral("set-app wechselt die Anwendung des Geräts, danach sind dessen "
                                        "Übungen gelöscht: mit --yes bestätigen")};
    }
    if (r.size() != 1) {
        throw UsageError{QStringLiteral("falsche Anzahl Argumente für set-app")};
    }
    const int n = ParseInt(r[0], 1, 12, QStringLiteral("Anwendung"));
    return [&out, n](TZUD12& dev) {
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
}

DeviceWork PrepareSetClock(const QStringList& rest) {
    NeedArguments(QStringLiteral("set-clock"), rest, 0, 1);
    QDateTime when = QDateTime::currentDateTime();
    if (!rest.isEmpty()) {
        when = QDateTime::fromString(rest[0], QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
        if (!when.isValid()) {
            throw UsageError{QStringLiteral("Zeitpunkt nicht lesbar (JJJJ-MM-TTThh:mm:ss): %1").arg(rest[0])};
        }
    }
    return [when](TZUD12& dev) { return dev.WriteRTC(when); };
}

DeviceWork PrepareReset(const QStringList& rest) {
    NeedArguments(QStringLiteral("reset"), rest, 0, 0);
    return [](TZUD12& dev) {
        dev.Reset();
        return dev.LastLog.isEmpty();
    };
}

DeviceWork PrepareDeviceWork(const QString& cmd, const QStringList& rest, QTextStream& out, QTextStream& err,
                             QString& failure, int& early) {
    if (cmd == QLatin1String("device-records")) {
        return PrepareDeviceRecords(rest, out);
    }
    if (cmd == QLatin1String("info")) {
        return PrepareInfo(rest, out);
    }
    if (cmd == QLatin1String("ls")) {
        return PrepareList(rest, out, failure);
    }
    if (cmd == QLatin1String("get")) {
        return PrepareGet(rest, err, failure, early);
    }
    if (cmd == QLatin1String("put")) {
        return PreparePut(rest, err, early);
    }
    if (cmd == QLatin1String("rm") || cmd == QLatin1String("stat") || cmd == QLatin1String("mkdir")) {
        return PreparePathCommand(cmd, rest, out);
    }
    if (cmd == QLatin1String("delete-exercises")) {
        return PrepareDeleteExercises(rest);
    }
    if (cmd == QLatin1String("factory-reset")) {
        return PrepareFactoryReset(rest);
    }
    if (cmd == QLatin1String("app-data")) {
        return PrepareAppData(rest, out);
    }
    if (cmd == QLatin1String("set-app")) {
        return PrepareSetApp(rest, out);
    }
    if (cmd == QLatin1String("set-clock")) {
        return PrepareSetClock(rest);
    }
    return PrepareReset(rest);
}

bool IsDeviceCommand(const QString& cmd) {
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
    return kCommands.contains(cmd);
}

// A command of one device conversation: its arguments checked first, then the line opened.
int RunDeviceCommand(const GlobalOptions& g, const QString& cmd, const QStringList& rest, QTextStream& out,
                     QTextStream& err) {
    QString failure;
    int early = -1;
    const DeviceWork work = PrepareDeviceWork(cmd, rest, out, err, failure, early);
    if (early >= 0) {
        return early;
    }
    const QString port = DevicePort(g.port);
    TZUD12 dev(g.LogPath());
    ConfigureDevice(dev, port, g.baud);
    Session session(dev, err);
    return session.Run([&] { return work(dev); }, failure);
}

// Runs the command at args[i] with the options read before it.
int RunCommand(const GlobalOptions& g, const QStringList& args, int i, QTextStream& out, QTextStream& err) {
    if (i >= args.size()) {
        throw UsageError{QStringLiteral("kein Befehl angegeben")};
    }
    const QString cmd = args[i];
    const QStringList rest = args.mid(i + 1);

    // What an exchange run left when it was killed goes at the next start.
    ctl::RemoveExchangeLeftovers(g.db);
    if (cmd == QLatin1String("server-setup")) {
        return ctl::RunServerSetup(rest, out, err);
    }
    if (cmd == QLatin1String("db")) {
        return RunDbCommand(g.db, rest, out, err);
    }
    if (const int r = ctl::RunReports(cmd, g.db, rest, out, err); r >= 0) {
        return r;
    }
    if (const int r = ctl::RunGdt(cmd, g.db, rest, out, err); r >= 0) {
        return r;
    }
    if (cmd == QLatin1String("readout")) {
        return RunReadout(g, rest, out, err);
    }
    if (cmd == QLatin1String("ports")) {
        return RunPorts(g.port, rest, out);
    }
    if (const int x = ctl::RunExchange(g.db, cmd, rest, out, err); x >= 0) {
        return x;
    }
    if (const int r = ctl::RunOffline(cmd, rest, out, err); r >= 0) {
        return r;
    }
    const ctl::DeviceOptions device{g.port.isEmpty() ? QSettings().value(QStringLiteral("Port")).toString()
                                                     : g.port,
                                    g.baud, g.LogPath()};
    if (const int r = ctl::RunProgramming(cmd, rest, device, out, err); r >= 0) {
        return r;
    }
    if (cmd == QLatin1String("live")) {
        return RunLive(g, rest, out, err);
    }
    if (!IsDeviceCommand(cmd)) {
        throw UsageError{QStringLiteral("unbekannter Befehl: %1").arg(cmd)};
    }
    return RunDeviceCommand(g, cmd, rest, out, err);
}

} // namespace

int RunZudctl(const QStringList& args, QTextStream& out, QTextStream& err) {
    GlobalOptions options;
    int i = 0;
    try {
        if (const int r = ParseGlobalOptions(args, i, options, out, err); r >= 0) {
            return r;
        }
        return RunCommand(options, args, i, out, err);
    } catch (const UsageError& e) {
        err << "zudctl: " << e.message << "\n(zudctl --help zeigt alle Befehle)\n";
        return 2;
    }
}

} // namespace zud

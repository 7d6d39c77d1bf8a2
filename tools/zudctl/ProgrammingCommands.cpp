// zudctl program-pull, program-push and change-app: the programming window's loading, parameter
// files and transfer, and the application change, on the command line.

#include "AppChange.h"
#include "CheckedFile.h"
#include "DeviceSettings.h"
#include "Programming.h"
#include "ZudctlInternal.h"

#include <QFile>
#include <QFileInfo>

namespace zud::ctl {

namespace {

// The loading as the programming window does it; false with the message on `err`.
bool Laden(TZUD12& dev, QTextStream& err) {
    try {
        wf::LadeProgrammierung(dev);
    } catch (const wf::WorkflowError& e) {
        err << e.Message() << '\n';
        if (!dev.LastLog.isEmpty()) {
            err << dev.LastLog << '\n';
        }
        return false;
    }
    return true;
}

QString Slot(int n) {
    return QStringLiteral("%1,%2").arg(n / TZUD12::kPatienten).arg(n % TZUD12::kPatienten);
}

// The transfer options of program-push, taken out of `args`.
wf::UebertragungsOptionen PushOptions(QStringList& args, bool yes) {
    wf::UebertragungsOptionen options;
    options.werkseinstellungenSpeichern = args.removeAll(QStringLiteral("--factory-defaults")) > 0;
    // As in the system parameters: the factory defaults come with the factory state.
    options.werkszustand =
        args.removeAll(QStringLiteral("--factory-state")) > 0 || options.werkseinstellungenSpeichern;
    if (options.werkszustand && !yes) {
        throw UsageError{QStringLiteral("--factory-state löscht alle Übungen und setzt das Gerät in den "
                                        "Werkszustand: mit --yes bestätigen")};
    }
    return options;
}

void CheckOneArgument(const QStringList& args, bool pull, bool push) {
    if (args.size() != 1 || args[0].startsWith(QLatin1String("--"))) {
        throw UsageError{pull ? QStringLiteral("program-pull AUSGABE.zud")
                         : push
                             ? QStringLiteral("program-push [--factory-defaults] [--factory-state] [--yes] "
                                              "EINGABE.zud")
                             : QStringLiteral("change-app N --yes")};
    }
}

int ApplicationNumber(const QString& arg, bool yes) {
    const int anwendung = ParseInt(arg, 1, wf::kAnwendungen, QStringLiteral("Anwendung"));
    if (!yes) {
        throw UsageError{QStringLiteral("change-app löscht alle Patienten und Übungsdaten am Gerät: mit "
                                        "--yes bestätigen")};
    }
    return anwendung;
}

// The parameter file to push; false with the message on `err`.
bool ReadParameterFile(const QString& path, QByteArray* datei, QTextStream& err) {
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly)) {
        err << "Datei nicht gefunden: " << path << '\n';
        return false;
    }
    *datei = f.read(wf::kParameterDateiGroesse);
    return true;
}

// The device's error and its last log.
int Failed(const TZUD12& dev, const QString& error, QTextStream& err) {
    err << error << '\n';
    if (!dev.LastLog.isEmpty()) {
        err << dev.LastLog << '\n';
    }
    return 1;
}

int ChangeApplication(TZUD12& dev, int anwendung, QTextStream& out, QTextStream& err) {
    try {
        wf::StarteAnwendungswechsel(dev);
    } catch (const wf::WorkflowError& e) {
        err << e.Message() << '\n';
        return 1;
    }
    const int vorher = dev.Anwendungen.Aktiv;
    const wf::Anwendungswechsel r = wf::WechsleAnwendung(dev, anwendung);
    out << "previous: " << vorher << '\n' << "active: " << anwendung << '\n';
    if (r.geaendert >= 0) {
        out << "type-changed: " << r.geaendert << '\n'
            << "deleted-slots: " << r.geloescht << '\n'
            << "factory-state: " << (r.werkszustand ? 1 : 0) << '\n';
    }
    if (r.failed) {
        return Failed(dev, r.error, err);
    }
    return 0;
}

int PullPrograms(TZUD12& dev, const QString& path, QTextStream& out, QTextStream& err) {
    QString why;
    if (!wf::SpeichereParameterDatei(dev, path, &why)) {
        err << why << '\n';
        return 1;
    }
    out << "saved: " << path << '\n';
    return 0;
}

int PushPrograms(TZUD12& dev, const QByteArray& datei, const wf::UebertragungsOptionen& options,
                 QTextStream& out, QTextStream& err) {
    // As "Öffnen": the file, then the window's opening rules (patient selection).
    const wf::ParameterGeladen g = wf::LadeParameterDatei(dev, datei);
    out << "sets: " << g.saetze << '\n' << "system: " << (g.system ? "yes" : "no") << '\n';
    if (g.saetze < wf::kProgSaetze) {
        err << "Die Datei ist kürzer als eine Parameter-Datei (" << datei.size() << " von "
            << wf::kParameterDateiGroesse << " Bytes): nur " << g.saetze
            << " Programmsätze werden übertragen.\n";
    }
    wf::Programmierung m(dev);
    m.WaehleTherapeut(dev.SystemParameter.AktTherapeut);
    m.Patientenauswahl();
    const wf::Uebertragung r = wf::Uebertrage(dev, options);
    for (const QString& f : r.geschrieben) {
        out << "written: " << Csv(f) << '\n';
    }
    for (int n : r.geloescht) {
        out << "deleted: " << Slot(n) << '\n';
    }
    if (r.werkszustand) {
        out << "factory-state: 1\n";
    }
    if (r.convertError) {
        err << wf::KonvertierungsMeldung() << '\n';
    }
    if (r.failed) {
        return Failed(dev, r.error, err);
    }
    return 0;
}

} // namespace

int RunProgramming(const QString& cmd, const QStringList& rest, const DeviceOptions& o, QTextStream& out,
                   QTextStream& err) {
    const bool pull = cmd == QLatin1String("program-pull");
    const bool push = cmd == QLatin1String("program-push");
    const bool app = cmd == QLatin1String("change-app");
    if (!pull && !push && !app) {
        return -1;
    }
    QStringList args = rest;
    const bool yes = args.removeAll(QStringLiteral("--yes")) > 0;
    const wf::UebertragungsOptionen options = push ? PushOptions(args, yes) : wf::UebertragungsOptionen{};
    CheckOneArgument(args, pull, push);
    int anwendung = 0;
    QByteArray datei;
    if (app) {
        anwendung = ApplicationNumber(args[0], yes);
    } else if (pull) {
        QString why;
        // The loading takes seconds: not for a file that cannot be written.
        if (!CheckDestination(args[0], &why)) {
            err << why << '\n';
            return 1;
        }
    } else if (!ReadParameterFile(args[0], &datei, err)) {
        return 1;
    }
    if (o.port.isEmpty()) {
        throw UsageError{QStringLiteral("keine Schnittstelle angegeben (--port PFAD)")};
    }

    TZUD12 dev(o.log);
    dev.ComPort = o.port;
    dev.Baud_Rate = o.baud;
    wf::ApplyDeviceSettings(dev, Settings());

    if (app) {
        return ChangeApplication(dev, anwendung, out, err);
    }
    if (!Laden(dev, err)) {
        return 1;
    }
    if (pull) {
        return PullPrograms(dev, args[0], out, err);
    }
    return PushPrograms(dev, datei, options, out, err);
}

} // namespace zud::ctl

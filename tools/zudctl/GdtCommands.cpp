// zudctl gdt and edf: the exchange with the practice software and the EDF+ export, through the
// same code as the program.

#include "EdfExport.h"
#include "GdtExchange.h"
#include "RecordingCheck.h"
#include "Reports.h"
#include "Settings.h"
#include "Statistics.h"
#include "ZudctlInternal.h"

#include <QFile>
#include <QFileInfo>

namespace zud::ctl {

namespace {

int Gdt(const DbOptions& options, const QStringList& rest, QTextStream& out, QTextStream& err) {
    const Settings settings;
    GdtSettings g = GdtSettings::Read(settings);
    const QString usage = QStringLiteral("Aufruf: zudctl gdt read DATEI | gdt result COUNTER [--pdf]");
    if (rest.isEmpty()) {
        throw UsageError{usage};
    }
    if (rest[0] == QLatin1String("read")) {
        if (rest.size() != 2) {
            throw UsageError{usage};
        }
        auto dm = OpenDatabase(options);
        const GdtRequestOutcome r = TakeGdtRequest(*dm, rest[1], g);
        if (!r.Ok) {
            err << r.Message << '\n';
            return 1;
        }
        out << "patient=" << r.Patient << '\n' << "angelegt=" << (r.Created ? 1 : 0) << '\n';
        if (r.Request.Satzart == gdt::kUntersuchungZeigen) {
            out << "uebung=" << (r.Recording ? QString::number(*r.Recording) : QStringLiteral("-")) << '\n';
        }
        err << r.Message << '\n';
        return 0;
    }
    if (rest[0] == QLatin1String("result")) {
        bool pdf = g.Pdf;
        QStringList pos;
        for (const QString& a : rest.mid(1)) {
            if (a == QLatin1String("--pdf")) {
                pdf = true;
            } else if (a.startsWith(QLatin1String("--"))) {
                throw UsageError{usage};
            } else {
                pos << a;
            }
        }
        if (pos.size() != 1) {
            throw UsageError{usage};
        }
        bool zahl = false;
        const qint64 counter = pos[0].toLongLong(&zahl);
        if (!zahl || counter < 0) {
            throw UsageError{QStringLiteral("COUNTER muss eine Zahl sein: %1").arg(pos[0])};
        }
        GdtResultOptions o;
        o.Pdf = pdf;
        o.DruckEinheit = settings.DruckEinheit();
        o.Chart = ChartOptionsFromSettings(settings, o.DruckEinheit);
        auto dm = OpenDatabase(options);
        out << WriteGdtResult(*dm, counter, g, o) << '\n';
        return 0;
    }
    throw UsageError{usage};
}

int Edf(const DbOptions& options, const QStringList& rest, QTextStream& out, QTextStream& err) {
    int einheit = Settings().DruckEinheit();
    QStringList pos;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        if (rest[i] == QLatin1String("--unit") && i + 1 < rest.size()) {
            const QString u = rest[++i];
            if (u != QLatin1String("mbar") && u != QLatin1String("mmHg")) {
                throw UsageError{QStringLiteral("Einheit muss mbar oder mmHg sein: %1").arg(u)};
            }
            einheit = u == QLatin1String("mmHg") ? 1 : 0;
        } else if (rest[i].startsWith(QLatin1String("--"))) {
            throw UsageError{QStringLiteral("unbekannte Option: %1").arg(rest[i])};
        } else {
            pos << rest[i];
        }
    }
    if (pos.size() != 2) {
        throw UsageError{
            QStringLiteral("Aufruf: zudctl edf [--unit mbar|mmHg] EINGABE.hdf|COUNTER AUSGABE.edf")};
    }
    QString fehler;
    bool zahl = false;
    const qint64 counter = pos[0].toLongLong(&zahl);
    if (zahl && !QFileInfo::exists(pos[0])) {
        auto dm = OpenDatabase(options);
        if (!ExportiereEdf(*dm, counter, pos[1], einheit, &fehler)) {
            err << fehler << '\n';
            return 1;
        }
        out << pos[1] << '\n';
        return 0;
    }
    QFile f(pos[0]);
    if (!f.open(QIODevice::ReadOnly)) {
        err << "Datei kann nicht gelesen werden: " << pos[0] << '\n';
        return 1;
    }
    const QByteArray data = f.readAll();
    QString why;
    if (!IstAufzeichnung(data, &why)) {
        err << why << " (" << pos[0] << ")\n";
        return 1;
    }
    const Messung m = FillArray(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size()),
                                Einheitenfaktor(einheit == 1 ? Druckeinheit::mmHg : Druckeinheit::mbar));
    EdfKopf k;
    k.Beginn = QFileInfo(pos[0]).lastModified();
    k.Programm = LeseKopfdaten(data).Programmname;
    k.DruckEinheit = einheit;
    if (!SchreibeEdf(pos[1], m, k, &fehler)) {
        err << fehler << '\n';
        return 1;
    }
    out << pos[1] << '\n';
    return 0;
}

} // namespace

int RunGdt(const QString& cmd, const DbOptions& options, const QStringList& rest, QTextStream& out,
           QTextStream& err) {
    if (cmd != QLatin1String("gdt") && cmd != QLatin1String("edf")) {
        return -1;
    }
    return ReportingDatabaseFaults(err, [&] {
        return cmd == QLatin1String("gdt") ? Gdt(options, rest, out, err) : Edf(options, rest, out, err);
    });
}

} // namespace zud::ctl

// zudctl csv and render: the raw-data export and the chart of a recording file.

#include "Chart.h"
#include "CheckedFile.h"
#include "RawDataCsv.h"
#include "Recording.h"
#include "Reports.h"
#include "Settings.h"
#include "ZudctlInternal.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace zud::ctl {

namespace {

bool LeseDatei(const QString& path, QByteArray& data, QTextStream& err) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        err << "Datei kann nicht gelesen werden: " << path << '\n';
        return false;
    }
    data = f.readAll();
    return true;
}

int Einheit(const QString& u) {
    if (u == QLatin1String("mbar")) {
        return 0;
    }
    if (u == QLatin1String("mmHg")) {
        return 1;
    }
    throw UsageError{QStringLiteral("Einheit muss mbar oder mmHg sein: %1").arg(u)};
}

Messung Dekodieren(const QByteArray& data, int einheit) {
    return FillArray(reinterpret_cast<const uint8_t*>(data.constData()), static_cast<size_t>(data.size()),
                     Einheitenfaktor(einheit == 1 ? Druckeinheit::mmHg : Druckeinheit::mbar));
}

} // namespace

int Csv(const QStringList& rest, QTextStream& out, QTextStream& err) {
    int einheit = 0;
    QString bemerkungen;
    bool deutsch = false;
    QStringList dateien;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const QString& r = rest[i];
        if (r == QLatin1String("--unit") && i + 1 < rest.size()) {
            einheit = Einheit(rest[++i]);
        } else if (r == QLatin1String("--remarks") && i + 1 < rest.size()) {
            bemerkungen = rest[++i];
        } else if (r == QLatin1String("--locale") && i + 1 < rest.size()) {
            const QString l = rest[++i];
            if (l != QLatin1String("de")) {
                throw UsageError{QStringLiteral("unbekannte Sprache für --locale: %1").arg(l)};
            }
            deutsch = true;
        } else if (r.startsWith(QLatin1String("--"))) {
            throw UsageError{QStringLiteral("falsche Argumente für csv")};
        } else {
            dateien << r;
        }
    }
    if (dateien.size() != 2) {
        throw UsageError{QStringLiteral("csv braucht DATEI und AUSGABE")};
    }
    QByteArray data;
    if (!LeseDatei(dateien[0], data, err)) {
        return 1;
    }
    const Messung m = Dekodieren(data, einheit);
    if (m.Betriebsart < 0 || Probenbytes(m.Betriebsart) == 0) {
        err << "Keine Aufzeichnung: " << dateien[0] << '\n';
        return 1;
    }
    RohdatenOptionen o;
    o.Einheit = PressureUnit(einheit);
    if (!bemerkungen.isEmpty()) {
        QByteArray text;
        if (!LeseDatei(bemerkungen, text, err)) {
            return 1;
        }
        QString s = QString::fromUtf8(text);
        s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (s.endsWith(QLatin1Char('\n'))) {
            s.chop(1);
        }
        if (!s.isEmpty()) {
            o.Bemerkungen = s.split(QLatin1Char('\n'));
        }
    }
    const QLocale loc = deutsch ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c();
    const QDateTime jetzt = QDateTime::currentDateTime();
    if (deutsch) {
        o.Dezimaltrenner = loc.decimalPoint().at(0);
        o.Datum = loc.toString(jetzt.date(), QLocale::ShortFormat);
        o.Uhrzeit = loc.toString(jetzt.time(), QLocale::ShortFormat);
    } else {
        o.Datum = jetzt.date().toString(QStringLiteral("yyyy-MM-dd"));
        o.Uhrzeit = jetzt.time().toString(QStringLiteral("HH:mm"));
    }
    QString fehler;
    if (!FillFile(dateien[1], m, o, &fehler)) {
        err << fehler << '\n';
        return 1;
    }
    out << "samples=" << m.Werte.size() << '\n';
    return 0;
}

namespace {

struct RenderArgs {
    int breite = 1123;
    int hoehe = 794;
    int dpi = 96;
    int einheit = -1;
    QStringList dateien;
    bool pdf = false;
};

RenderArgs ParseRenderArgs(const QStringList& rest) {
    RenderArgs a;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const QString& r = rest[i];
        if (r == QLatin1String("--width") && i + 1 < rest.size()) {
            a.breite = ParseInt(rest[++i], 16, 20000, QStringLiteral("Breite"));
        } else if (r == QLatin1String("--height") && i + 1 < rest.size()) {
            a.hoehe = ParseInt(rest[++i], 16, 20000, QStringLiteral("Höhe"));
        } else if (r == QLatin1String("--dpi") && i + 1 < rest.size()) {
            a.dpi = ParseInt(rest[++i], 24, 2400, QStringLiteral("Auflösung"));
        } else if (r == QLatin1String("--unit") && i + 1 < rest.size()) {
            a.einheit = Einheit(rest[++i]);
        } else if (r.startsWith(QLatin1String("--"))) {
            throw UsageError{QStringLiteral("falsche Argumente für render")};
        } else {
            a.dateien << r;
        }
    }
    if (a.dateien.size() != 2) {
        throw UsageError{QStringLiteral("render braucht DATEI und AUSGABE (.png oder .pdf)")};
    }
    a.pdf = a.dateien[1].endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    if (!a.pdf && !a.dateien[1].endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        throw UsageError{QStringLiteral("AUSGABE muss auf .png oder .pdf enden: %1").arg(a.dateien[1])};
    }
    return a;
}

// The chart as the program's settings draw it, in the given unit or the settings' one.
ChartOptionen RenderOptions(int einheit) {
    return ChartOptionsFromSettings(Settings(), einheit);
}

QByteArray RenderPdf(const Messung& m, const ChartOptionen& o, const RenderArgs& a) {
    const Zoom zoom;
    QByteArray bild;
    {
        // The writer and its buffer end before the bytes are handed on.
        QBuffer puffer(&bild);
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&puffer);
        writer.setResolution(a.dpi);
        writer.setPageSize(QPageSize(QSizeF(a.breite * 72.0 / a.dpi, a.hoehe * 72.0 / a.dpi),
                                     QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setCreator(QStringLiteral("ZUD-Software"));
        QPainter p(&writer);
        const QRect r = p.viewport();
        DrawChart(p, m, o, r.width(), 0, a.dpi, zoom, 0, 0, r.height());
        p.end();
    }
    return bild;
}

QByteArray RenderPng(const Messung& m, const ChartOptionen& o, const RenderArgs& a) {
    const Zoom zoom;
    QImage img(a.breite, a.hoehe, QImage::Format_RGB32);
    img.setDotsPerMeterX(static_cast<int>(a.dpi / 0.0254 + 0.5));
    img.setDotsPerMeterY(static_cast<int>(a.dpi / 0.0254 + 0.5));
    img.fill(Qt::white);
    {
        QPainter p(&img);
        DrawChart(p, m, o, a.breite, 0, a.dpi, zoom, 0, 0, a.hoehe);
    }
    QByteArray bild;
    QBuffer puffer(&bild);
    puffer.open(QIODevice::WriteOnly);
    img.save(&puffer, "PNG");
    return bild;
}

} // namespace

int Render(const QStringList& rest, QTextStream& out, QTextStream& err) {
    const RenderArgs a = ParseRenderArgs(rest);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        err << "render braucht die grafische Oberfläche von Qt (QGuiApplication)\n";
        return 1;
    }
    QByteArray data;
    if (!LeseDatei(a.dateien[0], data, err)) {
        return 1;
    }
    const ChartOptionen o = RenderOptions(a.einheit);
    const Messung m = Dekodieren(data, o.DruckEinheit);
    if (m.Betriebsart < 0 || Probenbytes(m.Betriebsart) == 0) {
        err << "Keine Aufzeichnung: " << a.dateien[0] << '\n';
        return 1;
    }
    const QByteArray bild = a.pdf ? RenderPdf(m, o, a) : RenderPng(m, o, a);
    QString fehler;
    if (bild.isEmpty() || !SaveFile(a.dateien[1], bild, &fehler)) {
        err << (fehler.isEmpty() ? QStringLiteral("Bild konnte nicht erzeugt werden: %1").arg(a.dateien[1])
                                 : fehler)
            << '\n';
        return 1;
    }
    out << "samples=" << m.Werte.size() << '\n';
    return 0;
}

} // namespace zud::ctl

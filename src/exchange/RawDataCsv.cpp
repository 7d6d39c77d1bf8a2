#include "RawDataCsv.h"

#include "CheckedFile.h"

#include <QCoreApplication>

namespace zud {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("Rohdaten", text);
}

// Numbers are formatted with a point and then given the caller's separator.
QString Zahl(double v, QChar trenner) {
    QString s = QString::asprintf("%.1f", v);
    if (trenner != QLatin1Char('.')) {
        s.replace(QLatin1Char('.'), trenner);
    }
    return s;
}

const QString kSep = QStringLiteral(";");
const QString kUv = QStringLiteral("µV");

// The phases' legend of the modes that have phases.
void Legende(int mode, QStringList& z) {
    int legende = 4; // number of legend lines
    if (mode == 4 || mode == 6 || mode == 7) {
        legende = 0;
    } else if (mode == 5 || mode == 9) {
        legende = 2;
    }
    if (legende > 0) {
        static const char* const kPhasen[4] = {
            QT_TRANSLATE_NOOP("Rohdaten", "Entspannen"), QT_TRANSLATE_NOOP("Rohdaten", "Anspannen"),
            QT_TRANSLATE_NOOP("Rohdaten", "Pause"), QT_TRANSLATE_NOOP("Rohdaten", "Strom")};
        z << Tr("Phasen") << QStringLiteral("--------------------");
        for (int k = 0; k < legende; ++k) {
            z << QStringLiteral("%1 - %2").arg(k).arg(Tr(kPhasen[k]));
        }
        z << QString();
    }
}

// The columns' captions of the mode; `u` is the pressure unit.
QString Spaltenkopf(int mode, const QString& u) {
    const QString zeit = Tr("Zeit"), phase = Tr("Phase"), druck = Tr("Druck"), ch1 = Tr("EMG CH1"),
                  ch2 = Tr("EMG CH2"), messwert = Tr("Messwert");
    const QString& sep = kSep;
    const QString& uv = kUv;
    switch (mode) {
    case 4:
        return zeit + QStringLiteral("[s]") + sep + druck + QLatin1Char('[') + u + QLatin1Char(']');
    case 5:
        return zeit + QStringLiteral("[s]") + sep + phase + sep + druck + QLatin1Char('[') + u +
               QLatin1Char(']');
    case 6:
        return zeit + QStringLiteral("[s]") + sep + druck + QLatin1Char('[') + u + QLatin1Char(']') + sep +
               ch1;
    case 7:
        return zeit + QStringLiteral("[s]") + sep + druck + QLatin1Char('[') + u + QLatin1Char(']') + sep +
               ch1 + QLatin1Char('[') + uv + QLatin1Char(']') + sep + ch2 + QLatin1Char('[') + uv +
               QLatin1Char(']');
    case 9:
        return zeit + QStringLiteral("[s]") + sep + phase + sep + ch1 + QLatin1Char('[') + uv +
               QLatin1Char(']') + sep + ch2 + QLatin1Char('[') + uv + QLatin1Char(']');
    default:
        return zeit + QStringLiteral("[s]") + sep + phase + sep + messwert;
    }
}

// The line of one sample at time `t`; `u` is the pressure unit, `d` the decimal separator.
QString Probenzeile(int mode, const QString& t, const TMessWert& w, const QString& u, QChar d) {
    const QString& sep = kSep;
    switch (mode) {
    case 4:
        return t + sep + Zahl(w.Druck, d);
    case 5:
        return t + sep + QString::number(w.Phase - 5) + sep + Zahl(w.Druck, d);
    case 6:
        return t + sep + Zahl(w.Druck, d) + sep + Zahl(w.EMG1_RAW, d);
    case 7:
        return t + sep + Zahl(w.Druck, d) + sep + Zahl(w.EMG1_RAW, d) + sep + Zahl(w.EMG2_RAW, d);
    case 9:
        return t + sep + QString::number(w.Phase) + sep + Zahl(w.EMG1_RAW, d) + sep + Zahl(w.EMG2_RAW, d);
    default: {
        double v = w.Druck;
        QString einheit = u;
        if (w.Phase == kPhaseStrom) {
            v = w.Strom_RAW;
            einheit = QStringLiteral("mA");
        } else if (w.Phase >= 0 && w.Phase <= 4) {
            v = w.EMG1_RAW;
            einheit = kUv;
        }
        return t + sep + QString::number(w.Phase) + sep + Zahl(v, d) + sep + einheit;
    }
    }
}

} // namespace

QStringList RohdatenZeilen(const Messung& m, const RohdatenOptionen& o) {
    QStringList z;
    z << Tr("Exportiert aus ZUD-Software am %1 um %2").arg(o.Datum, o.Uhrzeit);
    z << QString();
    z << o.Bemerkungen;
    z << QString();
    Legende(m.Betriebsart, z);
    z << Spaltenkopf(m.Betriebsart, o.Einheit);
    for (size_t i = 0; i < m.Werte.size(); ++i) {
        const QString t = Zahl(static_cast<double>(i) / 10.0, o.Dezimaltrenner);
        z << Probenzeile(m.Betriebsart, t, m.Werte[i], o.Einheit, o.Dezimaltrenner);
    }
    return z;
}

QByteArray RohdatenCsv(const Messung& m, const RohdatenOptionen& o) {
    QByteArray out("\xEF\xBB\xBF");
    for (const QString& z : RohdatenZeilen(m, o)) {
        out += z.toUtf8();
        out += "\r\n";
    }
    return out;
}

bool FillFile(const QString& path, const Messung& m, const RohdatenOptionen& o, QString* error) {
    return SaveFile(path, RohdatenCsv(m, o), error);
}

} // namespace zud

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

} // namespace

QStringList RohdatenZeilen(const Messung& m, const RohdatenOptionen& o) {
    QStringList z;
    const QString sep = QStringLiteral(";");
    z << Tr("Exportiert aus ZUD-Software am %1 um %2").arg(o.Datum, o.Uhrzeit);
    z << QString();
    z << o.Bemerkungen;
    z << QString();

    const int mode = m.Betriebsart;
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

    const QString zeit = Tr("Zeit"), phase = Tr("Phase"), druck = Tr("Druck"), ch1 = Tr("EMG CH1"),
                  ch2 = Tr("EMG CH2"), messwert = Tr("Messwert");
    const QString& u = o.Einheit;
    const QString uv = QStringLiteral("µV");
    switch (mode) {
    case 4:
        z << zeit + QStringLiteral("[s]") + sep + druck + QLatin1Char('[') + u + QLatin1Char(']');
        break;
    case 5:
        z << zeit + QStringLiteral("[s]") + sep + phase + sep + druck + QLatin1Char('[') + u +
                 QLatin1Char(']');
        break;
    case 6:
        z << zeit + QStringLiteral("[s]") + sep + druck + QLatin1Char('[') + u + QLatin1Char(']') + sep + ch1;
        break;
    case 7:
        z << zeit + QStringLiteral("[s]") + sep + druck + QLatin1Char('[') + u + QLatin1Char(']') + sep +
                 ch1 + QLatin1Char('[') + uv + QLatin1Char(']') + sep + ch2 + QLatin1Char('[') + uv +
                 QLatin1Char(']');
        break;
    case 9:
        z << zeit + QStringLiteral("[s]") + sep + phase + sep + ch1 + QLatin1Char('[') + uv +
                 QLatin1Char(']') + sep + ch2 + QLatin1Char('[') + uv + QLatin1Char(']');
        break;
    default:
        z << zeit + QStringLiteral("[s]") + sep + phase + sep + messwert;
        break;
    }

    const QChar d = o.Dezimaltrenner;
    for (size_t i = 0; i < m.Werte.size(); ++i) {
        const TMessWert& w = m.Werte[i];
        const QString t = Zahl(static_cast<double>(i) / 10.0, d);
        switch (mode) {
        case 4:
            z << t + sep + Zahl(w.Druck, d);
            break;
        case 5:
            z << t + sep + QString::number(w.Phase - 5) + sep + Zahl(w.Druck, d);
            break;
        case 6:
            z << t + sep + Zahl(w.Druck, d) + sep + Zahl(w.EMG1_RAW, d);
            break;
        case 7:
            z << t + sep + Zahl(w.Druck, d) + sep + Zahl(w.EMG1_RAW, d) + sep + Zahl(w.EMG2_RAW, d);
            break;
        case 9:
            z << t + sep + QString::number(w.Phase) + sep + Zahl(w.EMG1_RAW, d) + sep + Zahl(w.EMG2_RAW, d);
            break;
        default: {
            double v = w.Druck;
            QString einheit = u;
            if (w.Phase == kPhaseStrom) {
                v = w.Strom_RAW;
                einheit = QStringLiteral("mA");
            } else if (w.Phase >= 0 && w.Phase <= 4) {
                v = w.EMG1_RAW;
                einheit = uv;
            }
            z << t + sep + QString::number(w.Phase) + sep + Zahl(v, d) + sep + einheit;
            break;
        }
        }
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

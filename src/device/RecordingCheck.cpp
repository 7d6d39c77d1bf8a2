#include "RecordingCheck.h"

#include "Recording.h"

#include <QCoreApplication>

namespace zud {

namespace {

// The names as lupdate sees them; Recording.cpp holds the same texts for code without Qt.
const char* const kLang[kBetriebsarten] = {
    QT_TRANSLATE_NOOP("Betriebsart", "EMG-Biofeedback"),
    QT_TRANSLATE_NOOP("Betriebsart", "ES-Elektrostimulation"),
    QT_TRANSLATE_NOOP("Betriebsart", "Biofeedback+Elektrostim."),
    QT_TRANSLATE_NOOP("Betriebsart", "EMG-gesteuerte Elektrostim.      "),
    QT_TRANSLATE_NOOP("Betriebsart", "Druck"),
    QT_TRANSLATE_NOOP("Betriebsart", "Training Druck"),
    QT_TRANSLATE_NOOP("Betriebsart", "1-kanalig EMG + Druck"),
    QT_TRANSLATE_NOOP("Betriebsart", "2-kanalig EMG + Druck"),
    QT_TRANSLATE_NOOP("Betriebsart", "Programmfolge"),
    QT_TRANSLATE_NOOP("Betriebsart", "2-kanalig EMG"),
};
const char* const kKurz[kBetriebsarten] = {
    QT_TRANSLATE_NOOP("Betriebsart", "EMG"),           QT_TRANSLATE_NOOP("Betriebsart", "ES"),
    QT_TRANSLATE_NOOP("Betriebsart", "EMG+ES"),        QT_TRANSLATE_NOOP("Betriebsart", "Trigger"),
    QT_TRANSLATE_NOOP("Betriebsart", "Druck"),         QT_TRANSLATE_NOOP("Betriebsart", "Training Druck"),
    QT_TRANSLATE_NOOP("Betriebsart", "EMG(1)+Druck"),  QT_TRANSLATE_NOOP("Betriebsart", "EMG(2)+Druck"),
    QT_TRANSLATE_NOOP("Betriebsart", "Programmfolge"), QT_TRANSLATE_NOOP("Betriebsart", "EMG 2CH"),
};

} // namespace

bool IstAufzeichnung(const QByteArray& daten, QString* reason) {
    const auto size = static_cast<size_t>(daten.size());
    QString why;
    if (size < kKopfBytes + kFussBytes) {
        why = QCoreApplication::translate(
                  "Aufzeichnung",
                  "Keine Aufzeichnung: %1 Bytes, eine Aufzeichnung hat mindestens %2 (Programmkopf und "
                  "Statistikblock).")
                  .arg(size)
                  .arg(kKopfBytes + kFussBytes);
    } else if (const int mode = static_cast<uint8_t>(daten[2]); Probenbytes(mode) == 0) {
        why = QCoreApplication::translate("Aufzeichnung",
                                          "Keine Aufzeichnung: die Betriebsart %1 hat kein Messwertformat.")
                  .arg(mode);
    }
    if (reason) {
        *reason = why;
    }
    return why.isEmpty();
}

QString BetriebsartName(int mode) {
    return mode >= 0 && mode < kBetriebsarten ? QCoreApplication::translate("Betriebsart", kLang[mode])
                                              : QString();
}

QString BetriebsartKurzname(int mode) {
    return mode >= 0 && mode < kBetriebsarten ? QCoreApplication::translate("Betriebsart", kKurz[mode])
                                              : QString();
}

bool IstAusschnitt(const QByteArray& teil, const QByteArray& ganz) {
    return IstAusschnitt(reinterpret_cast<const uint8_t*>(teil.constData()), static_cast<size_t>(teil.size()),
                         reinterpret_cast<const uint8_t*>(ganz.constData()),
                         static_cast<size_t>(ganz.size()));
}

} // namespace zud

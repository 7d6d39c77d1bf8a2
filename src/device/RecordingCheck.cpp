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

QStringList AufzeichnungsFehler(const QByteArray& daten, int dbBetriebsart) {
    QStringList fehler;
    const auto size = static_cast<size_t>(daten.size());
    if (size == 0) {
        fehler << QCoreApplication::translate("Aufzeichnung", "Die Übung enthält keine Daten.");
        return fehler;
    }
    if (dbBetriebsart <= -100) {
        return fehler; // the oldest variant: nothing of it is decoded
    }
    if (dbBetriebsart <= 0) {
        if (size < kAlterKopfBytes) {
            fehler << QCoreApplication::translate(
                          "Aufzeichnung", "Die Aufzeichnung der älteren Form ist mit %1 Bytes kürzer als "
                                          "ihr Kopf (%2 Bytes): sie ist abgeschnitten.")
                          .arg(size)
                          .arg(kAlterKopfBytes);
        }
        return fehler;
    }
    QString why;
    if (!IstAufzeichnung(daten, &why)) {
        fehler << why;
        return fehler;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(daten.constData());
    const int mode = bytes[2];
    if (dbBetriebsart != mode + 1) {
        fehler << QCoreApplication::translate("Aufzeichnung",
                                              "Die Betriebsart der Zeile (BETRIEBSART %1) ist nicht die des "
                                              "Programmkopfs (%2).")
                      .arg(dbBetriebsart)
                      .arg(mode + 1);
    }
    const auto probe = static_cast<size_t>(Probenbytes(mode));
    const size_t messwerte = size - kKopfBytes - kFussBytes;
    if (messwerte % probe != 0) {
        fehler << QCoreApplication::translate(
                      "Aufzeichnung", "Die Messwerte enden mitten in einem Messwert (%1 Bytes sind kein "
                                      "Vielfaches von %2): die Aufzeichnung ist abgeschnitten oder "
                                      "unvollständig.")
                      .arg(messwerte)
                      .arg(probe);
    }
    // The trailer counts the samples (the writers of this program count the decoded ones,
    // which leaves out samples of phases above 7).
    const uint32_t length = LeseFooter(bytes, size)->Length;
    if (length != messwerte / probe && length != FillArray(bytes, size).Werte.size()) {
        fehler << QCoreApplication::translate(
                      "Aufzeichnung", "Der Statistikblock am Ende nennt %1 Messwerte, die Aufzeichnung "
                                      "enthält %2: sie ist abgeschnitten oder beschädigt.")
                      .arg(length)
                      .arg(messwerte / probe);
    }
    return fehler;
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

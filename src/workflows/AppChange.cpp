#include "AppChange.h"

#include "Handshake.h"
#include "Settings.h"

#include <QCoreApplication>

#include <thread>

namespace zud::wf {

QString AnwendungsName(int n) {
    if (n < 1 || n > kAnwendungen) {
        return QString();
    }
    const QString neutral = QCoreApplication::translate("Anwendung", "Anwendung %1").arg(n);
    const QString named =
        Settings().ReadString(QStringLiteral("Anwendung%1").arg(n), QString(), true).trimmed();
    return named.isEmpty() ? neutral : named;
}

bool Freigeschaltet(const ANWENDUNGEN& a, int n) {
    return n >= 1 && n <= kAnwendungen && (a.Freigeschaltet >> (n - 1) & 1u) != 0;
}

QString AnwendungsModell(int n) {
    const int code = ApplicationTypeCode(n);
    const std::string m = code < 0 ? std::string() : ModellName(ModelIndex(static_cast<uint8_t>(code)));
    return m.empty() ? QCoreApplication::translate("Anwendung", "unbekanntes Modell")
                     : QString::fromStdString(m);
}

void StarteAnwendungswechsel(TZUD12& dev) {
    const Handshake h = RunHandshake(dev, HandshakeOptions{true, false});
    if (!h.ok()) {
        HandshakeFehler(dev, h);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    // Without the record the switch would write back a guessed one (and lose the enabled set).
    if (dev.LeseAnwendungsdaten() != 0) {
        EndConversation(dev, true);
        throw WorkflowError(WorkflowError::EComErr, KommunikationsFehler());
    }
}

void EndeAnwendungswechsel(TZUD12& dev) {
    EndConversation(dev, true);
}

Anwendungswechsel WechsleAnwendung(TZUD12& dev, int aktiv, const ProgrammCallbacks& cb) {
    Anwendungswechsel r;
    TProgressBar* bar = cb.bar ? cb.bar() : nullptr;
    auto progress = [&cb](const QString& text, int position, int maximum) {
        if (cb.progress) {
            cb.progress(text, position, maximum);
        }
    };
    if (aktiv < 1 || aktiv > kAnwendungen) {
        r.failed = true;
        r.error = QCoreApplication::translate("Anwendung", "Keine gültige Anwendung: %1").arg(aktiv);
        return r;
    }
    dev.Anwendungen.Aktiv = static_cast<uint8_t>(aktiv);
    r.geaendert = dev.SchreibeAnwendungsdaten();
    if (r.geaendert < 0) {
        // Nothing is deleted for a switch that did not happen.
        r.failed = true;
        r.error = KommunikationsFehler();
        EndConversation(dev, true);
        return r;
    }
    dev.DeviceReloadFlash();
    bool fehler = false;
    const int anzahl = TZUD12::kSlots;
    for (int n = 0; n < anzahl; ++n) {
        progress(QCoreApplication::translate("Anwendung", "Lösche Übungen..."), n + 1, anzahl);
        if (dev.DeleteExercises(nullptr, n / TZUD12::kPatienten, QStringLiteral("*.*"),
                                n % TZUD12::kPatienten)) {
            ++r.geloescht;
        } else {
            fehler = true;
        }
    }
    progress(QCoreApplication::translate("Anwendung", "Werkszustand..."), 0, 71);
    const Werksruecksetzung w = WerkszustandUndReset(dev, bar);
    r.werkszustand = w.werkszustand;
    fehler = fehler || !w.ok();
    dev.close();
    if (fehler) {
        r.failed = true;
        r.error = KommunikationsFehler();
    }
    return r;
}

} // namespace zud::wf

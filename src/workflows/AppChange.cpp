#include "AppChange.h"

#include "Handshake.h"

#include <QCoreApplication>

#include <thread>

namespace zud::wf {

namespace {

QString CommError() {
    return QCoreApplication::translate("Geraet", "Während der Kommunikation ist ein Fehler aufgetreten!");
}

} // namespace

QString AnwendungsName(int n) {
    if (n < 1 || n > kAnwendungen) {
        return QString();
    }
    return QCoreApplication::translate("Anwendung", "Anwendung %1").arg(n);
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
        EndConversation(dev, h.screenSet);
        const WorkflowError::Kind kind =
            h.result == HandshakeResult::Unsupported || h.result == HandshakeResult::FirmwareTooOld
                ? WorkflowError::ENotSup
            : h.result == HandshakeResult::NoDevice ? WorkflowError::ENoDev
                                                    : WorkflowError::EComErr;
        throw WorkflowError(kind, h.message);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    // Without the record the switch would write back a guessed one (and lose the enabled set).
    if (dev.LeseAnwendungsdaten() != 0) {
        EndConversation(dev, true);
        throw WorkflowError(WorkflowError::EComErr, CommError());
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
        r.error = CommError();
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
    r.werkszustand = dev.Werkszustand(bar);
    fehler = fehler || !r.werkszustand;
    dev.LastLog.clear();
    dev.Reset();
    fehler = fehler || !dev.LastLog.isEmpty();
    dev.close();
    if (fehler) {
        r.failed = true;
        r.error = CommError();
    }
    return r;
}

} // namespace zud::wf

#include "Handshake.h"

#include <thread>

namespace zud {

bool FirmwareNumber(const QString& FWVersion, int& number, QString& error) {
    const QString digits = FWVersion.mid(7, 5);
    bool ok = false;
    number = digits.toInt(&ok, 10);
    if (!ok) {
        error = QStringLiteral("'%1' ist kein gültiger Integerwert").arg(digits);
        return false;
    }
    return true;
}

Handshake RunHandshake(TZUD12& dev, const HandshakeOptions& options) {
    Handshake h;
    auto fail = [&h](HandshakeResult r, const QString& message) {
        h.result = r;
        h.message = message;
        return h;
    };
    dev.open();
    if (options.requirePort && !dev.ComOpen) {
        return fail(HandshakeResult::PortError,
                    QStringLiteral("%1(%2)")
                        .arg(QStringLiteral("Schnittstelle kann nicht geöffnet werden"))
                        .arg(dev.ComError));
    }
    if (!dev.GetVersion()) {
        return fail(HandshakeResult::NoDevice, QStringLiteral("Kein Gerät erkannt!"));
    }
    int firmware = 0;
    QString error;
    if (!FirmwareNumber(dev.FWVersion, firmware, error)) {
        return fail(HandshakeResult::ConversionError, error);
    }
    if (firmware < kMinFirmware) {
        return fail(HandshakeResult::FirmwareTooOld,
                    QStringLiteral("Die Firmware am Gerät unterstützt diese Funktion nicht!"));
    }
    if (!dev.SetDownloadScreen(199)) {
        return fail(HandshakeResult::NoDevice, QStringLiteral("Kein Gerät erkannt!"));
    }
    h.screenSet = true;
    if (options.waitBeforeInfo) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (!dev.GetDeviceInfo()) {
        return fail(HandshakeResult::CommError,
                    QStringLiteral("Während der Kommunikation ist ein Fehler aufgetreten!"));
    }
    if (dev.Kunde == -1) {
        return fail(HandshakeResult::Unsupported, QStringLiteral("Gerät wird nicht unterstützt"));
    }
    return h;
}

void EndConversation(TZUD12& dev, bool screenSet) {
    if (screenSet) {
        dev.SetDownloadScreen(0);
    }
    dev.close();
}

} // namespace zud

#include "Handshake.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <thread>

namespace zud {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("Geraet", text);
}

} // namespace

QString PortOpenReason(uint32_t error) {
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return Tr("die Schnittstelle ist nicht vorhanden (Kabel eingesteckt?)");
    case EACCES:
    case EPERM:
        return Tr("keine Berechtigung: der Benutzer muss Mitglied der Gruppe dialout sein (danach neu "
                  "anmelden)");
    case EBUSY:
    case EWOULDBLOCK:
        return Tr("die Schnittstelle wird von einem anderen Programm benutzt");
    case ENOTTY:
    case EINVAL:
        return Tr("das ist keine serielle Schnittstelle");
    default:
        return QString::fromLocal8Bit(std::strerror(static_cast<int>(error)));
    }
}

QString PortOpenMessage(const QString& port, uint32_t error) {
    return QStringLiteral("%1(%2)\n%3: %4")
        .arg(Tr("Schnittstelle kann nicht geöffnet werden"))
        .arg(error)
        .arg(port, PortOpenReason(error));
}

bool FirmwareNumber(const QString& FWVersion, int& number, QString& error) {
    const QString digits = FWVersion.mid(7, 5);
    bool ok = false;
    number = digits.toInt(&ok, 10);
    if (!ok) {
        error = Tr("'%1' ist kein gültiger Integerwert").arg(digits);
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
    if (!dev.ComOpen) {
        dev.AddLog(
            QStringLiteral("Open (%1): Port: %2, Error: %3")
                .arg(QString::fromLocal8Bit(std::strerror(static_cast<int>(dev.ComError))), dev.ComPort)
                .arg(dev.ComError));
    }
    if (options.requirePort && !dev.ComOpen) {
        return fail(HandshakeResult::PortError, PortOpenMessage(dev.ComPort, dev.ComError));
    }
    if (!dev.GetVersion()) {
        return fail(HandshakeResult::NoDevice, Tr("Kein Gerät erkannt!"));
    }
    int firmware = 0;
    QString error;
    if (!FirmwareNumber(dev.FWVersion, firmware, error)) {
        return fail(HandshakeResult::ConversionError, error);
    }
    if (firmware < kMinFirmware) {
        return fail(HandshakeResult::FirmwareTooOld,
                    Tr("Die Firmware am Gerät unterstützt diese Funktion nicht!"));
    }
    if (!dev.SetDownloadScreen(199)) {
        return fail(HandshakeResult::NoDevice, Tr("Kein Gerät erkannt!"));
    }
    h.screenSet = true;
    if (options.waitBeforeInfo) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (!dev.GetDeviceInfo()) {
        return fail(HandshakeResult::CommError, Tr("Während der Kommunikation ist ein Fehler aufgetreten!"));
    }
    if (dev.Kunde == -1) {
        return fail(HandshakeResult::Unsupported, Tr("Gerät wird nicht unterstützt"));
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

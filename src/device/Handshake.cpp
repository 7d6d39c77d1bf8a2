#include "Handshake.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <thread>

namespace zud {

namespace {} // namespace

QString PortOpenReason(uint32_t error) {
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return QCoreApplication::translate("Geraet",
                                           "die Schnittstelle ist nicht vorhanden (Kabel eingesteckt?)");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate(
            "Geraet", "keine Berechtigung: der Benutzer muss Mitglied der Gruppe dialout sein (danach neu "
                      "anmelden)");
    case EBUSY:
    case EWOULDBLOCK:
        return QCoreApplication::translate("Geraet",
                                           "die Schnittstelle wird von einem anderen Programm benutzt");
    case ENOTTY:
    case EINVAL:
        return QCoreApplication::translate("Geraet", "das ist keine serielle Schnittstelle");
    default:
        return QString::fromLocal8Bit(std::strerror(static_cast<int>(error)));
    }
}

QString PortOpenMessage(const QString& port, uint32_t error) {
    return QStringLiteral("%1(%2)\n%3: %4")
        .arg(QCoreApplication::translate("Geraet", "Schnittstelle kann nicht geöffnet werden"))
        .arg(error)
        .arg(port, PortOpenReason(error));
}

bool FirmwareNumber(const QString& FWVersion, int& number, QString& error) {
    const QString digits = FWVersion.mid(7, 5);
    bool ok = false;
    number = digits.toInt(&ok, 10);
    if (!ok) {
        error = QCoreApplication::translate("Geraet", "'%1' ist kein gültiger Integerwert").arg(digits);
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
        // A device whose live feed lost its host (a program killed or a cable pulled during a
        // live run) stays in real-time mode and answers no command until it is told to leave
        // it: told so, and what it streamed meanwhile dropped, it is asked once more.
        dev.setEZ(0);
        dev.open();
        if (!dev.GetVersion()) {
            return fail(HandshakeResult::NoDevice,
                        QCoreApplication::translate("Geraet", "Kein Gerät erkannt!"));
        }
    }
    int firmware = 0;
    QString error;
    if (!FirmwareNumber(dev.FWVersion, firmware, error)) {
        return fail(HandshakeResult::ConversionError, error);
    }
    if (firmware < kMinFirmware) {
        return fail(
            HandshakeResult::FirmwareTooOld,
            QCoreApplication::translate("Geraet", "Die Firmware am Gerät unterstützt diese Funktion nicht!"));
    }
    if (!dev.SetDownloadScreen(199)) {
        return fail(HandshakeResult::NoDevice, QCoreApplication::translate("Geraet", "Kein Gerät erkannt!"));
    }
    h.screenSet = true;
    if (options.waitBeforeInfo) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (!dev.GetDeviceInfo()) {
        return fail(
            HandshakeResult::CommError,
            QCoreApplication::translate("Geraet", "Während der Kommunikation ist ein Fehler aufgetreten!"));
    }
    if (dev.Kunde == -1) {
        return fail(HandshakeResult::Unsupported,
                    QCoreApplication::translate("Geraet", "Gerät wird nicht unterstützt"));
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

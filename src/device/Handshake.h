#pragma once

#include "TZUD12.h"

#include <QString>

namespace zud {

// Firmware the device functions of this program need at least.
constexpr int kMinFirmware = 530;

// The firmware number: characters 8..12 (counting from 1) of the version text as a decimal
// number. A shorter text converts the characters that exist. False with the conversion's
// message when they are not a number.
bool FirmwareNumber(const QString& FWVersion, int& number, QString& error);

// Why a port did not open, in German words (errno of the open).
QString PortOpenReason(uint32_t error);
// "Schnittstelle kann nicht geöffnet werden(<errno>)" and a line naming the port and the reason.
QString PortOpenMessage(const QString& port, uint32_t error);

enum class HandshakeResult {
    Ok,
    PortError,
    NoDevice,
    FirmwareTooOld,
    CommError,
    Unsupported,
    ConversionError
};

struct HandshakeOptions {
    // The real-time start and the programming workflow refuse a port that does not open.
    bool requirePort = false;
    // Some workflows give the device 100 ms before asking for its information.
    bool waitBeforeInfo = false;
};

struct Handshake {
    HandshakeResult result = HandshakeResult::Ok;
    QString message;        // the German message for the user; empty on success
    bool screenSet = false; // the device shows its transfer screen and must be given back
    bool ok() const { return result == HandshakeResult::Ok; }
};

// The opening of every device conversation: open, "?" version with firmware >= 530, "D" 199,
// "!" device information, supported customer code.
Handshake RunHandshake(TZUD12& dev, const HandshakeOptions& options = {});

// The closing of every device conversation: the device's normal screen, then close.
void EndConversation(TZUD12& dev, bool screenSet);

// Runs `body` in a conversation the handshake opened with the download screen; the conversation
// ends when it is done, also when it throws.
template <class Body> void InConversation(TZUD12& dev, Body&& body) {
    try {
        body();
    } catch (...) {
        EndConversation(dev, true);
        throw;
    }
    EndConversation(dev, true);
}

} // namespace zud

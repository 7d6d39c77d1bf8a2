#pragma once

#include <QString>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zud {

// The one byte channel to the device: a serial port (or pseudo-terminal) driven raw,
// without flow control, never blocking on the line. Reads only take what has already
// arrived; callers wait with WaitForInput against their own deadlines.
class TCOM {
public:
    enum TParity : uint8_t { NOPARITY = 0, ODDPARITY = 1, EVENPARITY = 2, MARKPARITY = 3, SPACEPARITY = 4 };
    enum TStopbits : uint8_t { ONESTOPBIT = 0, ONE5STOPBITS = 1, TWOSTOPBITS = 2 };

    using Clock = std::chrono::steady_clock;

    TCOM() = default;
    ~TCOM();
    TCOM(const TCOM&) = delete;
    TCOM& operator=(const TCOM&) = delete;

    // Opens the port by its device path. RTSMode: 1 enable, 2 handshake, other values off;
    // DTRMode: 1 enable, 2 handshake, other values off. The result is Error() == 0; on any
    // failure the port is closed again. Opening an open port changes nothing.
    bool Open(const QString& port, uint8_t RTSMode, uint8_t DTRMode);
    bool TestComPortAvailable(const QString& port) { return Open(port, 0, 0); }
    void Close();
    void Reset();

    bool RxFlush();
    bool TxFlush();

    bool Send(uint8_t data);
    bool Send(const uint8_t* data, size_t len);
    bool GetChar(uint8_t& data);
    // Reads exactly Count queued bytes into the start of Buffer; when fewer are queued
    // nothing is read and Buffer keeps its contents. Error() is not touched.
    bool GetData(uint8_t* Buffer, size_t Count);

    unsigned InBufUsed();
    unsigned OutBufUsed();
    bool IsOpen() const { return FHandle >= 0; }

    // Waits until at least `count` bytes are queued or `deadline` has passed, sleeping in
    // poll() meanwhile. True when the bytes are there.
    bool WaitForInput(size_t count, Clock::time_point deadline);

    bool CTS();
    bool DSR();
    bool RI();
    bool DCD();
    bool RTS();
    void SetRTS(bool on);
    bool DTR();
    void SetDTR(bool on);

    const QString& ComNo() const { return FComNo; }
    uint32_t Baud() const { return FBaud; }
    void SetBaud(uint32_t baud) { FBaud = baud; }
    uint8_t Databits() const { return FDatabits; }
    void SetDatabits(uint8_t bits) { FDatabits = bits; }
    TStopbits Stopbits() const { return FStopbits; }
    void SetStopbits(TStopbits bits) { FStopbits = bits; }
    TParity Parity() const { return FParity; }
    void SetParity(TParity parity) { FParity = parity; }
    // errno of the most recent operation that records it (0 = success).
    uint32_t Error() const { return FError; }

    // True when the speed is one the serial driver accepts.
    static bool IsSupportedBaud(uint32_t baud);

private:
    bool ModemBit(int bit);
    void SetModemBit(int bit, bool on);
    // Moves whatever the driver has queued into our own buffer. False on a hang-up.
    bool Drain();
    size_t Queued() const { return FRx.size() - FRxHead; }

    int FHandle = -1;
    uint32_t FError = 0;
    QString FComNo;
    uint32_t FBaud = 460800;
    TParity FParity = NOPARITY;
    uint8_t FDatabits = 8;
    TStopbits FStopbits = ONESTOPBIT;
    // Bytes already taken from the driver but not yet handed out. Keeping them here lets
    // poll() sleep until new bytes arrive instead of waking for bytes we already saw.
    std::vector<uint8_t> FRx;
    size_t FRxHead = 0;
};

} // namespace zud

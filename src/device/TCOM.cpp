#include "TCOM.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace zud {

namespace {

struct BaudCode {
    uint32_t baud;
    speed_t code;
};

constexpr BaudCode kBauds[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},         {150, B150},
    {200, B200},         {300, B300},         {600, B600},         {1200, B1200},       {1800, B1800},
    {2400, B2400},       {4800, B4800},       {9600, B9600},       {19200, B19200},     {38400, B38400},
    {57600, B57600},     {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000},
    {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000},
};

bool SpeedCode(uint32_t baud, speed_t& code) {
    for (const auto& b : kBauds) {
        if (b.baud == baud) {
            code = b.code;
            return true;
        }
    }
    return false;
}

// No sharing: a second program must not talk to the device at the same time. 0 or the error.
int Claim(int fd) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        return errno == EWOULDBLOCK ? EBUSY : errno;
    }
    if (!::isatty(fd)) {
        return ENOTTY;
    }
    ::ioctl(fd, TIOCEXCL);
    return 0;
}

// A USB-serial converter holds back the end of every block for its latency timer (up to
// 16 ms) unless the driver runs it in low-latency mode; drivers that do not know the mode
// (pseudo-terminals, plain ports) refuse the call, which changes nothing.
void SetLowLatency(int fd) {
    serial_struct serial{};
    if (::ioctl(fd, TIOCGSERIAL, &serial) == 0 && !(serial.flags & ASYNC_LOW_LATENCY)) {
        serial.flags |= ASYNC_LOW_LATENCY;
        ::ioctl(fd, TIOCSSERIAL, &serial);
    }
}

// Data bits, parity and stop bits into the control flags; EINVAL for a frame we cannot set.
int SetFrame(termios& tio, uint8_t databits, TCOM::TParity parity, TCOM::TStopbits stopbits) {
    switch (databits) {
    case 5:
        tio.c_cflag |= CS5;
        break;
    case 6:
        tio.c_cflag |= CS6;
        break;
    case 7:
        tio.c_cflag |= CS7;
        break;
    case 8:
        tio.c_cflag |= CS8;
        break;
    default:
        return EINVAL;
    }
    switch (parity) {
    case TCOM::NOPARITY:
        break;
    case TCOM::ODDPARITY:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case TCOM::EVENPARITY:
        tio.c_cflag |= PARENB;
        break;
    case TCOM::MARKPARITY:
        tio.c_cflag |= PARENB | PARODD | CMSPAR;
        break;
    case TCOM::SPACEPARITY:
        tio.c_cflag |= PARENB | CMSPAR;
        break;
    }
    switch (stopbits) {
    case TCOM::ONESTOPBIT:
        break;
    case TCOM::TWOSTOPBITS:
        tio.c_cflag |= CSTOPB;
        break;
    default:
        return EINVAL; // one and a half stop bits exist only for 5 data bits on UARTs
    }
    return 0;
}

// The line raw, at `baud` with the given frame, hardware handshake or none, reads that never
// wait. 0 or the error.
int SetLine(int fd, uint32_t baud, uint8_t databits, TCOM::TParity parity, TCOM::TStopbits stopbits,
            bool handshake) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        return errno;
    }
    ::cfmakeraw(&tio);
    speed_t code;
    if (!SpeedCode(baud, code)) {
        return EINVAL;
    }
    ::cfsetispeed(&tio, code);
    ::cfsetospeed(&tio, code);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS | CMSPAR);
    tio.c_cflag |= CLOCAL | CREAD;
    if (const int e = SetFrame(tio, databits, parity, stopbits); e != 0) {
        return e;
    }
    if (handshake) {
        tio.c_cflag |= CRTSCTS;
    }
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
        return errno;
    }
    return 0;
}

} // namespace

TCOM::~TCOM() {
    if (IsOpen()) {
        Close();
    }
}

bool TCOM::IsSupportedBaud(uint32_t baud) {
    speed_t code;
    return SpeedCode(baud, code);
}

bool TCOM::Open(const QString& port, uint8_t RTSMode, uint8_t DTRMode) {
    if (IsOpen()) {
        FError = 0;
        return true;
    }
    const QByteArray path = port.toLocal8Bit();
    FHandle = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    FError = 0;
    if (FHandle < 0) {
        FError = static_cast<uint32_t>(errno);
        FHandle = -1;
        return false;
    }
    FComNo = port;
    FRx.clear();
    FRxHead = 0;

    auto fail = [this](int err) {
        FError = static_cast<uint32_t>(err);
        Close();
        FError = static_cast<uint32_t>(err);
        return false;
    };

    if (const int e = Claim(FHandle); e != 0) {
        return fail(e);
    }
    SetLowLatency(FHandle);
    if (const int e = SetLine(FHandle, FBaud, FDatabits, FParity, FStopbits, RTSMode == 2); e != 0) {
        return fail(e);
    }
    // Line levels: modes 1 and 2 raise the line, anything else leaves it low. A
    // pseudo-terminal has no modem lines; that is not a failure.
    SetModemBit(TIOCM_RTS, RTSMode == 1 || RTSMode == 2);
    SetModemBit(TIOCM_DTR, DTRMode == 1 || DTRMode == 2);
    FError = 0;
    return true;
}

void TCOM::Close() {
    if (FHandle < 0) {
        return;
    }
    if (::close(FHandle) == 0 || errno == EINTR) {
        FHandle = -1;
        FError = 0;
    } else {
        FError = static_cast<uint32_t>(errno);
        FHandle = -1; // a failed close still releases the descriptor on Linux
    }
    FRx.clear();
    FRxHead = 0;
}

void TCOM::Reset() {
    // Serial ports have no device reset on this platform.
    FError = IsOpen() ? ENOTSUP : EBADF;
}

bool TCOM::RxFlush() {
    if (IsOpen()) {
        FRx.clear();
        FRxHead = 0;
        FError = ::tcflush(FHandle, TCIFLUSH) == 0 ? 0 : static_cast<uint32_t>(errno);
    }
    return FError == 0;
}

bool TCOM::TxFlush() {
    if (IsOpen()) {
        FError = ::tcflush(FHandle, TCOFLUSH) == 0 ? 0 : static_cast<uint32_t>(errno);
    }
    return FError == 0;
}

bool TCOM::Send(uint8_t data) {
    return Send(&data, 1);
}

bool TCOM::Send(const uint8_t* data, size_t len) {
    if (!IsOpen()) {
        return false;
    }
    // The descriptor is non-blocking; a full output queue is waited out, bounded by the
    // time the bytes need on the wire plus a generous margin.
    const auto wire =
        std::chrono::microseconds(static_cast<int64_t>(len) * 10'000'000 / std::max<uint32_t>(FBaud, 1));
    const auto deadline = Clock::now() + wire + std::chrono::seconds(2);
    size_t done = 0;
    FError = 0;
    while (done < len) {
        const ssize_t n = ::write(FHandle, data + done, len - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN) {
            FError = static_cast<uint32_t>(errno);
            return false;
        }
        const auto now = Clock::now();
        if (now >= deadline) {
            FError = ETIMEDOUT;
            return false;
        }
        pollfd p{FHandle, POLLOUT, 0};
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count() + 1;
        ::poll(&p, 1, static_cast<int>(ms));
    }
    return true;
}

bool TCOM::Drain() {
    if (!IsOpen()) {
        return false;
    }
    if (FRxHead > 0 && FRxHead == FRx.size()) {
        FRx.clear();
        FRxHead = 0;
    }
    uint8_t chunk[4096];
    for (;;) {
        const ssize_t n = ::read(FHandle, chunk, sizeof chunk);
        if (n > 0) {
            if (FRxHead > 65536) {
                FRx.erase(FRx.begin(), FRx.begin() + static_cast<std::ptrdiff_t>(FRxHead));
                FRxHead = 0;
            }
            FRx.insert(FRx.end(), chunk, chunk + n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        // 0 = nothing there (VMIN 0) or the other end hung up; EAGAIN = nothing there;
        // EIO = the other end of a pseudo-terminal is gone.
        return !(n < 0 && errno == EIO);
    }
}

unsigned TCOM::InBufUsed() {
    Drain();
    return static_cast<unsigned>(Queued());
}

unsigned TCOM::OutBufUsed() {
    int n = 0;
    if (!IsOpen() || ::ioctl(FHandle, TIOCOUTQ, &n) != 0) {
        return 0;
    }
    return static_cast<unsigned>(n);
}

bool TCOM::WaitForInput(size_t count, Clock::time_point deadline) {
    for (;;) {
        const bool alive = Drain();
        if (Queued() >= count) {
            return true;
        }
        const auto now = Clock::now();
        if (!IsOpen() || now >= deadline) {
            return false;
        }
        const auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(deadline - now);
        if (!alive) {
            // Nobody at the other end: poll would report the hang-up at once, so sleep.
            std::this_thread::sleep_for(
                std::min<std::chrono::nanoseconds>(left, std::chrono::milliseconds(10)));
            continue;
        }
        timespec ts{static_cast<time_t>(left.count() / 1'000'000'000),
                    static_cast<long>(left.count() % 1'000'000'000)};
        pollfd p{FHandle, POLLIN, 0};
        const int r = ::ppoll(&p, 1, &ts, nullptr);
        if (r > 0 && (p.revents & (POLLHUP | POLLERR)) && !(p.revents & POLLIN)) {
            std::this_thread::sleep_for(
                std::min<std::chrono::nanoseconds>(left, std::chrono::milliseconds(10)));
        }
    }
}

bool TCOM::GetChar(uint8_t& data) {
    if (!IsOpen()) {
        return false;
    }
    Drain();
    FError = 0;
    if (Queued() == 0) {
        return false;
    }
    data = FRx[FRxHead++];
    return true;
}

bool TCOM::GetData(uint8_t* Buffer, size_t Count) {
    if (!IsOpen()) {
        return false;
    }
    if (Count == 0) {
        return true;
    }
    Drain();
    if (Queued() < Count) {
        return false;
    }
    std::memcpy(Buffer, FRx.data() + FRxHead, Count);
    FRxHead += Count;
    return true;
}

bool TCOM::ModemBit(int bit) {
    int status = 0;
    if (!IsOpen() || ::ioctl(FHandle, TIOCMGET, &status) != 0) {
        return false;
    }
    return (status & bit) != 0;
}

void TCOM::SetModemBit(int bit, bool on) {
    if (!IsOpen()) {
        FError = EBADF;
        return;
    }
    if (::ioctl(FHandle, on ? TIOCMBIS : TIOCMBIC, &bit) != 0) {
        FError = static_cast<uint32_t>(errno);
    }
}

bool TCOM::CTS() {
    return ModemBit(TIOCM_CTS);
}
bool TCOM::DSR() {
    return ModemBit(TIOCM_DSR);
}
bool TCOM::RI() {
    return ModemBit(TIOCM_RI);
}
bool TCOM::DCD() {
    return ModemBit(TIOCM_CD);
}
bool TCOM::RTS() {
    return ModemBit(TIOCM_RTS);
}
void TCOM::SetRTS(bool on) {
    SetModemBit(TIOCM_RTS, on);
}
bool TCOM::DTR() {
    return ModemBit(TIOCM_DTR);
}
void TCOM::SetDTR(bool on) {
    SetModemBit(TIOCM_DTR, on);
}

} // namespace zud

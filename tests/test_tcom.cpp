#include "TCOM.h"

#include <QFile>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace zud;

namespace {

// A bare pseudo-terminal pair: we write to the master, the port under test is the slave.
struct Pty {
    int master = -1;
    int slave = -1;
    QString path;
    Pty() {
        char name[256];
        if (::openpty(&master, &slave, name, nullptr, nullptr) == 0) {
            path = QString::fromLocal8Bit(name);
        }
    }
    ~Pty() {
        ::close(master);
        ::close(slave);
    }
    void Write(const std::vector<uint8_t>& b) const {
        ASSERT_EQ(::write(master, b.data(), b.size()), ssize_t(b.size()));
    }
    std::vector<uint8_t> ReadAvailable(size_t want) const {
        std::vector<uint8_t> out;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (out.size() < want && std::chrono::steady_clock::now() < deadline) {
            uint8_t buf[256];
            const int flags = ::fcntl(master, F_GETFL);
            ::fcntl(master, F_SETFL, flags | O_NONBLOCK);
            const ssize_t n = ::read(master, buf, sizeof buf);
            ::fcntl(master, F_SETFL, flags);
            if (n > 0) {
                out.insert(out.end(), buf, buf + n);
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        return out;
    }
};

} // namespace

TEST(TCOM, OpenFailuresLeaveThePortClosedWithTheError) {
    TCOM com;
    EXPECT_FALSE(com.Open(QStringLiteral("/dev/nonexistent-zud-port"), 0, 0));
    EXPECT_FALSE(com.IsOpen());
    EXPECT_EQ(com.Error(), uint32_t(ENOENT));
    // On a closed port nothing is purged and the old error decides.
    EXPECT_FALSE(com.RxFlush());
    EXPECT_FALSE(com.Send(uint8_t(1)));
    uint8_t b;
    EXPECT_FALSE(com.GetChar(b));
    EXPECT_FALSE(com.GetData(&b, 0));
    EXPECT_EQ(com.InBufUsed(), 0u);

    // A plain file is not a serial port.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plain"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_FALSE(com.Open(file, 0, 0));
    EXPECT_FALSE(com.IsOpen());
    EXPECT_EQ(com.Error(), uint32_t(ENOTTY));

    // A speed the driver does not know.
    Pty pty;
    com.SetBaud(123456);
    EXPECT_FALSE(com.Open(pty.path, 0, 0));
    EXPECT_EQ(com.Error(), uint32_t(EINVAL));
    EXPECT_FALSE(com.IsOpen());
}

TEST(TCOM, ClosedPortWithoutErrorFlushesTrue) {
    TCOM com;
    EXPECT_TRUE(com.RxFlush()); // no error recorded yet
    EXPECT_TRUE(com.TxFlush());
}

TEST(TCOM, PseudoTerminalOpensLikeAPort) {
    Pty pty;
    ASSERT_FALSE(pty.path.isEmpty());
    TCOM com;
    EXPECT_EQ(com.Baud(), 460800u);
    ASSERT_TRUE(com.Open(pty.path, 1, 1));
    EXPECT_TRUE(com.IsOpen());
    EXPECT_EQ(com.Error(), 0u);
    EXPECT_EQ(com.ComNo(), pty.path);
    // Opening again changes nothing.
    EXPECT_TRUE(com.Open(pty.path, 0, 0));
    // A pseudo-terminal has no modem lines: they read false, no failure.
    EXPECT_FALSE(com.CTS());
    EXPECT_FALSE(com.DSR());
    EXPECT_FALSE(com.RI());
    EXPECT_FALSE(com.DCD());
    // Exclusive: a second opener is refused while we hold the port.
    TCOM other;
    EXPECT_FALSE(other.Open(pty.path, 0, 0));
    EXPECT_EQ(other.Error(), uint32_t(EBUSY));
    com.Close();
    EXPECT_FALSE(com.IsOpen());
    EXPECT_TRUE(other.Open(pty.path, 0, 0));
}

TEST(TCOM, GetDataReadsOnlyWhatIsQueued) {
    Pty pty;
    TCOM com;
    ASSERT_TRUE(com.Open(pty.path, 0, 0));
    uint8_t buf[16];
    std::memset(buf, 0xEE, sizeof buf);
    EXPECT_TRUE(com.GetData(buf, 0));
    EXPECT_TRUE(com.Send(nullptr, 0));

    pty.Write({1, 2, 3, 4, 5});
    ASSERT_TRUE(com.WaitForInput(5, TCOM::Clock::now() + std::chrono::seconds(1)));
    EXPECT_EQ(com.InBufUsed(), 5u);
    // More than is queued: nothing is read, the buffer keeps its contents.
    EXPECT_FALSE(com.GetData(buf, 6));
    EXPECT_EQ(buf[0], 0xEE);
    EXPECT_EQ(com.InBufUsed(), 5u);
    EXPECT_TRUE(com.GetData(buf, 3));
    EXPECT_EQ(buf[0], 1);
    EXPECT_EQ(buf[2], 3);
    EXPECT_EQ(buf[3], 0xEE);
    uint8_t c = 0;
    EXPECT_TRUE(com.GetChar(c));
    EXPECT_EQ(c, 4);
    EXPECT_EQ(com.InBufUsed(), 1u);
    EXPECT_TRUE(com.RxFlush());
    EXPECT_EQ(com.InBufUsed(), 0u);
    EXPECT_FALSE(com.GetChar(c));

    // What we send arrives untouched (raw mode: no translation of CR, LF or control codes).
    std::vector<uint8_t> out{0x0D, 0x0A, 0x03, 0x11, 0x13, 0x7F, 0xFF, 0x00};
    EXPECT_TRUE(com.Send(out.data(), out.size()));
    EXPECT_EQ(pty.ReadAvailable(out.size()), out);
    EXPECT_TRUE(com.Send(uint8_t(0x3F)));
    EXPECT_EQ(pty.ReadAvailable(1), std::vector<uint8_t>{0x3F});
}

TEST(TCOM, WaitForInputSleepsUntilTheBytesOrTheDeadline) {
    Pty pty;
    TCOM com;
    ASSERT_TRUE(com.Open(pty.path, 0, 0));

    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(com.WaitForInput(1, TCOM::Clock::now() + std::chrono::milliseconds(150)));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));

    // Bytes arriving in two pieces: the wait ends when the second piece is there.
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        pty.Write({1, 2});
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        pty.Write({3, 4});
    });
    start = std::chrono::steady_clock::now();
    EXPECT_TRUE(com.WaitForInput(4, TCOM::Clock::now() + std::chrono::seconds(5)));
    const auto took = std::chrono::steady_clock::now() - start;
    writer.join();
    EXPECT_GE(took, std::chrono::milliseconds(90));
    EXPECT_LT(took, std::chrono::seconds(4));
    EXPECT_EQ(com.InBufUsed(), 4u);
}

// What Open sets reaches the line: raw, the speed, no waiting reads, the stop bits and the
// hardware handshake of RTS mode 2. A frame the line cannot carry is refused with EINVAL and the
// port is closed and free again. (A pseudo-terminal always keeps eight bits without parity, so
// those are not seen here.)
TEST(TCOM, TheLineGetsTheFrameAndImpossibleFramesAreRefused) {
    Pty pty;
    ASSERT_FALSE(pty.path.isEmpty());
    const auto line = [&] {
        termios t{};
        EXPECT_EQ(::tcgetattr(pty.slave, &t), 0);
        return t;
    };
    TCOM com;
    com.SetBaud(115200);
    com.SetStopbits(TCOM::TWOSTOPBITS);
    ASSERT_TRUE(com.Open(pty.path, 2, 0));
    termios t = line();
    EXPECT_EQ(::cfgetospeed(&t), speed_t(B115200));
    EXPECT_EQ(::cfgetispeed(&t), speed_t(B115200));
    EXPECT_NE(t.c_cflag & CSTOPB, 0u);
    EXPECT_NE(t.c_cflag & CRTSCTS, 0u);
    EXPECT_NE(t.c_cflag & CLOCAL, 0u);
    EXPECT_NE(t.c_cflag & CREAD, 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_cc[VMIN], 0);
    EXPECT_EQ(t.c_cc[VTIME], 0);
    com.Close();

    com.SetStopbits(TCOM::ONESTOPBIT);
    ASSERT_TRUE(com.Open(pty.path, 1, 1));
    t = line();
    EXPECT_EQ(t.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(t.c_cflag & CRTSCTS, 0u);
    com.Close();

    com.SetDatabits(9);
    EXPECT_FALSE(com.Open(pty.path, 0, 0));
    EXPECT_EQ(com.Error(), uint32_t(EINVAL));
    EXPECT_FALSE(com.IsOpen());
    com.SetDatabits(8);
    com.SetStopbits(TCOM::ONE5STOPBITS);
    EXPECT_FALSE(com.Open(pty.path, 0, 0));
    EXPECT_EQ(com.Error(), uint32_t(EINVAL));
    EXPECT_FALSE(com.IsOpen());
    // Nothing of the refused tries holds the port.
    com.SetStopbits(TCOM::ONESTOPBIT);
    EXPECT_TRUE(com.Open(pty.path, 0, 0));
    EXPECT_EQ(com.Error(), 0u);
}

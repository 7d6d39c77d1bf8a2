// Framing, reset, the protocol log, identity, clock, screen and the handshake, end to end
// against the emulated device.

#include "EmuFixture.h"
#include "Handshake.h"
#include "TestEnv.h"

#include <sys/stat.h>
#include <thread>

#include <QLocale>

using namespace zud;
using namespace zud::test;
using emu::Fault;
using emu::FaultKind;

namespace {

class Protocol : public EmuTest {};

} // namespace

TEST_F(Protocol, ResetSendsTheFrameAndChecksTheEcho) {
    dev->Reset();
    EXPECT_EQ(LastCommand('X'), Bytes({'X', 0, 0, 0, 0, 0, 0, 0, 0xD5, 0xBE}));
    EXPECT_EQ(emu.Resets(), 1);
    EXPECT_TRUE(LogLines().isEmpty());

    // Echo with the two bytes swapped: crc1 and crc2 differ only in byte order.
    emu.InjectFault({'X', FaultKind::WrongEcho});
    dev->Reset();
    EXPECT_EQ(dev->LastLog,
              QStringLiteral("Reset (crc falsch): Command: \"X\", crc1: %1 crc2: %2, InBufUsed: 0")
                  .arg(0xD5BE)
                  .arg(0xBED5));
    EXPECT_EQ(LogLines().size(), 1);
}

TEST_F(Protocol, SilentDeviceTimesOutAfterTheDeadline) {
    emu.InjectFault({'X', FaultKind::Silence});
    const auto start = std::chrono::steady_clock::now();
    dev->Reset();
    const double took = Seconds(start);
    EXPECT_GE(took, 1.0);
    EXPECT_LT(took, 1.5);
    EXPECT_EQ(LogCount(QStringLiteral("Reset (timeout): Command: \"X\" InBufUsed: 0")), 1);
}

TEST_F(Protocol, LateReplyIsATimeoutAndItsBytesAreFlushedByTheNextOpen) {
    emu.InjectFault({'!', FaultKind::Late, 1300});
    EXPECT_FALSE(dev->GetDeviceInfo());
    EXPECT_EQ(dev->LastLog, QStringLiteral("GetDeviceInfo (timeout_1): Command: \"!\" InBufUsed: 0"));
    std::this_thread::sleep_for(std::chrono::milliseconds(500)); // the late answer arrives
    EXPECT_EQ(dev->ComDev.InBufUsed(), 16u);
    dev->open(); // already open: only flushes
    EXPECT_TRUE(dev->ComOpen);
    EXPECT_EQ(dev->ComDev.InBufUsed(), 0u);
    EXPECT_TRUE(dev->GetDeviceInfo());
}

TEST_F(Protocol, CloseAndOpen) {
    dev->close();
    EXPECT_FALSE(dev->ComOpen);
    dev->close(); // not open: only clears the flag
    EXPECT_FALSE(dev->ComOpen);
    dev->open();
    EXPECT_TRUE(dev->ComOpen);
    EXPECT_EQ(dev->ComError, 0u);
    EXPECT_TRUE(dev->GetVersion());

    TZUD12 missing;
    missing.ComPort = QStringLiteral("/dev/nonexistent-zud-port");
    missing.open();
    EXPECT_FALSE(missing.ComOpen);
    EXPECT_EQ(missing.ComError, uint32_t(ENOENT));
    // A command on a closed link sends nothing and fails by time-out.
    EXPECT_FALSE(missing.GetVersion());
    EXPECT_EQ(missing.LastLog, QStringLiteral("GetVersion (timeout): Command: \"?\" InBufUsed: 0"));
}

TEST_F(Protocol, LogIsAppendedLineByLine) {
    dev->AddLog(QStringLiteral("erste Zeile"));
    dev->AddLog(QStringLiteral("zweite Zeile mit Ümläut"));
    const QStringList lines = LogLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" erste Zeile")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(" zweite Zeile mit Ümläut")));
    // "<time> <date> <message>" in the locale's short formats.
    const QLocale locale = QLocale::system();
    const QString date = locale.toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_TRUE(lines[1].contains(QLatin1Char(' ') + date + QStringLiteral(" zweite")))
        << lines[1].toStdString();

    // An existing log keeps its lines.
    TZUD12 second(logFile);
    second.AddLog(QStringLiteral("dritte"));
    EXPECT_EQ(LogLines().size(), 3);

    // Without a log file nothing is written and nothing fails.
    TZUD12 quiet;
    quiet.AddLog(QStringLiteral("nirgends"));
    EXPECT_EQ(quiet.LastLog, QStringLiteral("nirgends"));
    TZUD12 unwritable(QStringLiteral("/proc/zud-no-such-dir/Logfile.txt"));
    unwritable.AddLog(QStringLiteral("verschluckt"));
}

TEST_F(Protocol, VersionIsParsedIndependentOfTheLocale) {
    ASSERT_TRUE(dev->GetVersion());
    EXPECT_EQ(LastCommand('?'), Bytes({'?'}));
    EXPECT_EQ(dev->FWVersion, QStringLiteral("ZUD12 V00540"));
    EXPECT_EQ(dev->FWDate, QDate(2024, 3, 15));
    EXPECT_EQ(dev->FWTime, QTime(10, 30, 0));

    // 32 of 33 bytes: a time-out.
    emu.InjectFault({'?', FaultKind::Truncate, 32});
    EXPECT_FALSE(dev->GetVersion());
    EXPECT_EQ(dev->LastLog, QStringLiteral("GetVersion (timeout): Command: \"?\" InBufUsed: 32"));
    EXPECT_EQ(dev->FWVersion, QStringLiteral("ZUD12 V00540")); // kept: the reply was not read
}

TEST_F(Protocol, VersionWithAnImpossibleDateFailsWithoutLogLine) {
    emu::Identity id;
    id.FWDate = "31.02.2024";
    emu.SetIdentity(id);
    EXPECT_FALSE(dev->GetVersion());
    EXPECT_TRUE(dev->FWVersion.isEmpty());
    EXPECT_FALSE(dev->FWDate.isValid());
    EXPECT_TRUE(LogLines().isEmpty());

    id.FWDate = "15.03.2024";
    id.FWTime = "25:00:00";
    emu.SetIdentity(id);
    EXPECT_FALSE(dev->GetVersion());
    EXPECT_TRUE(dev->FWVersion.isEmpty());
}

TEST(Firmware, NumberFromCharactersEightToTwelve) {
    int n = 0;
    QString error;
    EXPECT_TRUE(FirmwareNumber(QStringLiteral("ZUD12 V00540"), n, error));
    EXPECT_EQ(n, 540);
    EXPECT_TRUE(FirmwareNumber(QStringLiteral("ABCDEFG12345XYZ"), n, error));
    EXPECT_EQ(n, 12345);
    // A shorter text converts the characters that exist.
    EXPECT_TRUE(FirmwareNumber(QStringLiteral("ZUD12 V53"), n, error));
    EXPECT_EQ(n, 53);
    EXPECT_FALSE(FirmwareNumber(QStringLiteral("ZUD12 Vabc12"), n, error));
    EXPECT_EQ(error, QStringLiteral("'abc12' ist kein gültiger Integerwert"));
    EXPECT_FALSE(FirmwareNumber(QStringLiteral("ZUD12"), n, error));
}

TEST_F(Protocol, DeviceInfoTypeCustomerAndSerial) {
    ASSERT_TRUE(dev->GetDeviceInfo());
    EXPECT_EQ(LastCommand('!'), Bytes({'!', 0, 0, 0, 0, 0, 0, 0, 0x3C, 0xBB}));
    EXPECT_EQ(dev->Typ, 1);
    EXPECT_EQ(dev->Kunde, 0);
    EXPECT_EQ(dev->SN, QStringLiteral("ZE1234567"));

    struct Case {
        int typ, kunde, index, expectedKunde;
    } cases[] = {{34, 4, 11, 4}, {11, 5, 0, -1}, {119, 1, 10, 1}, {200, 255, 0, -1}};
    for (const auto& c : cases) {
        emu::Identity id;
        id.Typ = static_cast<uint8_t>(c.typ);
        id.Kunde = static_cast<uint8_t>(c.kunde);
        id.SN = "AB12";
        emu.SetIdentity(id);
        ASSERT_TRUE(dev->GetDeviceInfo());
        EXPECT_EQ(dev->GeraeteDaten.Typ, c.typ);
        EXPECT_EQ(dev->Typ, c.index);
        EXPECT_EQ(dev->Kunde, c.expectedKunde);
        EXPECT_EQ(dev->SN, QStringLiteral("AB12"));
    }
}

TEST_F(Protocol, DeviceInfoFailures) {
    emu.InjectFault({'!', FaultKind::WrongEcho});
    EXPECT_FALSE(dev->GetDeviceInfo());
    EXPECT_EQ(dev->LastLog, QStringLiteral("GetDeviceInfo (crc_error): Command: \"!\" InBufUsed: 14"));
    Recover();
    emu.InjectFault({'!', FaultKind::Truncate, 7});
    EXPECT_FALSE(dev->GetDeviceInfo());
    EXPECT_EQ(dev->LastLog, QStringLiteral("GetDeviceInfo (timeout_2): Command: \"!\" InBufUsed: 5"));
}

TEST_F(Protocol, ClockIsSecondsSince2008) {
    ASSERT_TRUE(dev->WriteRTC(QDateTime(QDate(2008, 1, 1), QTime(0, 0))));
    EXPECT_EQ(LastCommand(0xCC), Bytes({0xCC, 0, 0, 0, 0, 0, 0, 0, 0x1A, 0xE6}));
    EXPECT_EQ(emu.ClockSeconds(), 0u);
    ASSERT_TRUE(dev->WriteRTC(QDateTime(QDate(2008, 1, 2), QTime(0, 0))));
    EXPECT_EQ(LastCommand(0xCC), Bytes({0xCC, 0x80, 0x51, 0x01, 0, 0, 0, 0, 0x2E, 0x7A}));
    EXPECT_EQ(emu.ClockSeconds(), 86400u);
    // Whole seconds of wall-clock time, across a daylight-saving change too.
    ASSERT_TRUE(dev->WriteRTC(QDateTime(QDate(2026, 12, 8), QTime(17, 30, 15, 900))));
    EXPECT_EQ(emu.ClockSeconds(),
              uint32_t(QDateTime(QDate(2008, 1, 1), QTime(0, 0), Qt::UTC)
                           .secsTo(QDateTime(QDate(2026, 12, 8), QTime(17, 30, 15), Qt::UTC))));

    emu.InjectFault({0xCC, FaultKind::Silence});
    EXPECT_FALSE(dev->WriteRTC(QDateTime::currentDateTime()));
    EXPECT_EQ(dev->LastLog, QStringLiteral("WriteRTC (timeout): Command: 204, InBufUsed: 0"));
    // The echo is not checked.
    emu.InjectFault({0xCC, FaultKind::WrongEcho});
    EXPECT_TRUE(dev->WriteRTC(QDateTime::currentDateTime()));
}

TEST_F(Protocol, DownloadScreen) {
    ASSERT_TRUE(dev->SetDownloadScreen(199));
    EXPECT_EQ(LastCommand('D'), Bytes({'D', 199, 0, 0, 0, 0, 0, 0, 0x96, 0xEC}));
    EXPECT_EQ(emu.Screen(), 199);
    ASSERT_TRUE(dev->SetDownloadScreen(0));
    EXPECT_EQ(LastCommand('D'), Bytes({'D', 0, 0, 0, 0, 0, 0, 0, 0xF9, 0xBD}));
    EXPECT_EQ(emu.Screen(), 0);

    emu.InjectFault({'D', FaultKind::WrongEcho});
    EXPECT_FALSE(dev->SetDownloadScreen(199));
    EXPECT_TRUE(LogLines().isEmpty()); // this command writes no log line

    // A closed link sends nothing.
    emu.ClearLog();
    dev->close();
    EXPECT_FALSE(dev->SetDownloadScreen(199));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(emu.Commands().empty());
}

TEST_F(Protocol, HandshakeSucceedsAndEnds) {
    Handshake h = RunHandshake(*dev, {true, true});
    ASSERT_TRUE(h.ok()) << h.message.toStdString();
    EXPECT_TRUE(h.screenSet);
    EXPECT_EQ(emu.Screen(), 199);
    const auto cmds = emu.Commands();
    ASSERT_EQ(cmds.size(), 3u);
    EXPECT_EQ(cmds[0].code, '?');
    EXPECT_EQ(cmds[1].code, 'D');
    EXPECT_EQ(cmds[2].code, '!');
    EndConversation(*dev, h.screenSet);
    EXPECT_EQ(emu.Screen(), 0);
    EXPECT_FALSE(dev->ComOpen);
}

TEST_F(Protocol, HandshakeMessages) {
    emu::Identity id;
    id.FWVersion = "ZUD12 V00529";
    emu.SetIdentity(id);
    Handshake h = RunHandshake(*dev);
    EXPECT_EQ(h.result, HandshakeResult::FirmwareTooOld);
    EXPECT_EQ(h.message, QStringLiteral("Die Firmware am Gerät unterstützt diese Funktion nicht!"));
    EXPECT_FALSE(h.screenSet);

    id.FWVersion = "ZUD12 V0X540";
    emu.SetIdentity(id);
    h = RunHandshake(*dev);
    EXPECT_EQ(h.result, HandshakeResult::ConversionError);
    EXPECT_EQ(h.message, QStringLiteral("'0X540' ist kein gültiger Integerwert"));

    id.FWVersion = "ZUD12 V00530";
    id.Kunde = 5;
    emu.SetIdentity(id);
    h = RunHandshake(*dev);
    EXPECT_EQ(h.result, HandshakeResult::Unsupported);
    EXPECT_EQ(h.message, QStringLiteral("Gerät wird nicht unterstützt"));
    EXPECT_TRUE(h.screenSet);

    id.Kunde = 0;
    emu.SetIdentity(id);
    // Silent also when asked again after the real-time mode was ended: no device.
    emu.InjectFault({'?', FaultKind::Silence, 0, 0, 2});
    h = RunHandshake(*dev);
    EXPECT_EQ(h.result, HandshakeResult::NoDevice);
    EXPECT_EQ(h.message, QStringLiteral("Kein Gerät erkannt!"));

    emu.InjectFault({'D', FaultKind::Silence});
    h = RunHandshake(*dev);
    EXPECT_EQ(h.result, HandshakeResult::NoDevice);
    EXPECT_EQ(h.message, QStringLiteral("Kein Gerät erkannt!"));

    emu.InjectFault({'!', FaultKind::Silence});
    h = RunHandshake(*dev);
    EXPECT_EQ(h.result, HandshakeResult::CommError);
    EXPECT_EQ(h.message, QStringLiteral("Während der Kommunikation ist ein Fehler aufgetreten!"));

    TZUD12 missing;
    missing.ComPort = QStringLiteral("/dev/nonexistent-zud-port");
    h = RunHandshake(missing, {true, false});
    EXPECT_EQ(h.result, HandshakeResult::PortError);
    EXPECT_EQ(h.message,
              QStringLiteral("Schnittstelle kann nicht geöffnet werden(2)\n/dev/nonexistent-zud-port: "
                             "die Schnittstelle ist nicht vorhanden (Kabel eingesteckt?)"));
    EXPECT_EQ(missing.LastLog,
              QStringLiteral("Open (No such file or directory): Port: /dev/nonexistent-zud-port, Error: 2"));
}

// A live run whose host went away (its program killed, the cable pulled): the device goes on
// streaming or waits for an acknowledgement and answers no command. The next handshake ends the
// real-time mode and finds the device; a device that stays silent is still no device.
TEST_F(Protocol, HandshakeEndsARealTimeModeThatLostItsHost) {
    for (const int interval : {0, 30}) {
        SCOPED_TRACE(interval);
        emu::LiveOptions live;
        live.intervalMs = interval; // 0: it waits for the acknowledgement; else it streams on
        emu.SetLive(live);
        ASSERT_TRUE(dev->setEZ(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        dev->close();
        ASSERT_TRUE(emu.LiveActive());
        const Handshake h = RunHandshake(*dev);
        EXPECT_TRUE(h.ok()) << h.message.toStdString();
        EXPECT_FALSE(emu.LiveActive());
        EXPECT_EQ(emu.LiveEnd(), 1); // ended by "E" 0
        EXPECT_EQ(dev->FWVersion, QStringLiteral("ZUD12 V00540"));
        EndConversation(*dev, h.screenSet);
        ASSERT_TRUE(emu.WaitIdle());
        EXPECT_EQ(emu.Screen(), 0);
        dev->open();
    }
}

TEST_F(Protocol, PortsThatDoNotOpenSayWhy) {
    // Used by another program: this link holds the emulator's port.
    TZUD12 second;
    second.ComPort = dev->ComPort;
    Handshake h = RunHandshake(second, {true, false});
    EXPECT_EQ(h.result, HandshakeResult::PortError);
    EXPECT_TRUE(
        h.message.endsWith(QStringLiteral(": die Schnittstelle wird von einem anderen Programm benutzt")))
        << h.message.toStdString();

    // Not a serial port at all.
    TZUD12 file;
    file.ComPort = logFile;
    QFile(logFile).open(QIODevice::WriteOnly);
    h = RunHandshake(file, {true, false});
    EXPECT_TRUE(h.message.endsWith(QStringLiteral(": das ist keine serielle Schnittstelle")))
        << h.message.toStdString();

    // No permission: an ordinary user (root may open anything) in a child process.
    dev->close();
    ASSERT_EQ(::chmod(dev->ComPort.toLocal8Bit().constData(), 0600), 0);
    EXPECT_TRUE(test::AsOrdinaryUser([this] {
        TZUD12 user;
        user.ComPort = dev->ComPort;
        user.open();
        return !user.ComOpen && PortOpenMessage(user.ComPort, user.ComError)
                                    .contains(QStringLiteral("Mitglied der Gruppe dialout"));
    }));
}

TEST_F(Protocol, DamagedFrameIsNotAnswered) {
    // Bytes the device cannot take as a frame are ignored; the line recovers.
    uint8_t frame[10] = {'X', 0, 0, 0, 0, 0, 0, 0, 0x00, 0x00};
    dev->ComDev.Send(frame, sizeof frame);
    EXPECT_FALSE(dev->ComDev.WaitForInput(1, TCOM::Clock::now() + std::chrono::milliseconds(300)));
    EXPECT_EQ(emu.Resets(), 0);
    EXPECT_TRUE(dev->GetVersion());
}

TEST(EmulatorFaults, ParsedFromTheCommandLine) {
    auto f = emu::ParseFault("R:stall:0:1");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->command, 'R');
    EXPECT_EQ(f->kind, FaultKind::Stall);
    EXPECT_EQ(f->block, 1);
    EXPECT_EQ(f->times, 1);
    f = emu::ParseFault("204:late:1500::-1");
    EXPECT_FALSE(f); // empty fields are not numbers
    f = emu::ParseFault("204:late:1500:0:-1");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->command, 0xCC);
    EXPECT_EQ(f->param, 1500);
    EXPECT_EQ(f->times, -1);
    f = emu::ParseFault("::silence");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->command, ':');
    for (const char* bad :
         {"", "R", "R:nap", "R:late:x", "RR:late", "300:late", "R:late:1:2:0", "R:late:1:2:3:4"}) {
        EXPECT_FALSE(emu::ParseFault(bad)) << bad;
    }
}

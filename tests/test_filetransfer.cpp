// File transfer, listings and directories against the emulated device.

#include "EmuFixture.h"

#include <QDir>
#include <QRegularExpression>

using namespace zud;
using namespace zud::test;
using emu::FaultKind;

namespace {

class FileTransfer : public EmuTest {};

const std::string kSlot = "0:\\Daten\\Th_1\\Pat_2";
const QString kSlotQ = QStringLiteral("0:\\Daten\\Th_1\\Pat_2");

// The "f" command as the host must send it: the letter, then the 66-byte header.
std::vector<uint8_t> FileNameCommand(const std::string& name, uint32_t size, const std::string& mask) {
    std::vector<uint8_t> h(67, 0);
    h[0] = 'f';
    std::memcpy(h.data() + 1, name.data(), std::min<size_t>(name.size(), 50));
    h[51] = static_cast<uint8_t>(size);
    h[52] = static_cast<uint8_t>(size >> 8);
    h[53] = static_cast<uint8_t>(size >> 16);
    h[54] = static_cast<uint8_t>(size >> 24);
    std::memcpy(h.data() + 59, mask.data(), std::min<size_t>(mask.size(), 6));
    PutCrc(h.data() + 65, Crc16(h.data() + 1, 64));
    return h;
}

class CountingBar : public TProgressBar {
public:
    int changes = 0;

protected:
    void Changed() override { ++changes; }
};

} // namespace

TEST_F(FileTransfer, ReadInBlocksWithOneAcknowledgementEach) {
    const auto data = Pattern(2500);
    const std::string path = kSlot + "\\M0001.hdf";
    emu.PutFile(path, data);
    QByteArray got;
    ASSERT_TRUE(dev->ReadFile(QString::fromStdString(path), got));
    EXPECT_EQ(FromQ(got), data);
    EXPECT_EQ(LastCommand('f'), FileNameCommand(path, 0, ""));
    EXPECT_EQ(LastCommand('R'), Bytes({'R', 0, 0, 0, 0, 0, 0, 0, 0x44, 0xC2}));
    // 1024, 1024 and 452 bytes, each acknowledged with its CRC.
    EXPECT_EQ(Acks(), (std::vector<uint16_t>{Crc16(data.data(), 1024), Crc16(data.data() + 1024, 1024),
                                             Crc16(data.data() + 2048, 452)}));
    EXPECT_EQ(uint32_t{dev->serFile.size}, 2500u); // a copy: the field is packed
    EXPECT_TRUE(LogLines().isEmpty());

    // Names are case-insensitive on the device.
    got.clear();
    ASSERT_TRUE(dev->ReadFile(QStringLiteral("0:\\DATEN\\th_1\\PAT_2\\m0001.HDF"), got));
    EXPECT_EQ(FromQ(got), data);
}

TEST_F(FileTransfer, ReadExactBlockAndEmptyFile) {
    const auto block = Pattern(1024, 7);
    emu.PutFile(kSlot + "\\B.hdf", block);
    emu.PutFile(kSlot + "\\E.hdf", {});
    QByteArray got;
    ASSERT_TRUE(dev->ReadFile(kSlotQ + QStringLiteral("\\B.hdf"), got));
    EXPECT_EQ(FromQ(got), block);
    EXPECT_EQ(Acks().size(), 1u);

    emu.ClearLog();
    got.clear();
    ASSERT_TRUE(dev->ReadFile(kSlotQ + QStringLiteral("\\E.hdf"), got));
    EXPECT_TRUE(got.isEmpty());
    EXPECT_EQ(Acks(), std::vector<uint16_t>{0});
}

TEST_F(FileTransfer, ReadMissingFileFailsAfterTheHeader) {
    QByteArray got;
    EXPECT_FALSE(dev->ReadFile(kSlotQ + QStringLiteral("\\nix.hdf"), got));
    EXPECT_EQ(dev->LastLog, QStringLiteral("ReadFile (file not found)"));
    EXPECT_EQ(dev->serFile.Status, 5);
    EXPECT_TRUE(Acks().empty());
    EXPECT_TRUE(got.isEmpty());
}

TEST_F(FileTransfer, ReadFaultsOnTheLine) {
    const auto data = Pattern(2500, 3);
    const QString path = kSlotQ + QStringLiteral("\\F.hdf");
    emu.PutFile(path.toStdString(), data);
    QByteArray got;

    emu.InjectFault({'R', FaultKind::Silence});
    EXPECT_FALSE(dev->ReadFile(path, got));
    EXPECT_EQ(dev->LastLog, QStringLiteral("ReadFile (timeout): Command: \"R\" InBufUsed: 0"));

    Recover();
    emu.InjectFault({'R', FaultKind::WrongEcho});
    EXPECT_FALSE(dev->ReadFile(path, got));
    // The device goes on sending its first block, so the queued count depends on timing.
    EXPECT_TRUE(QRegularExpression(
                    QStringLiteral("^ReadFile \\(crc_error\\): Command: \"R\" InBufUsed: (66|1090) File: "))
                    .match(dev->LastLog)
                    .hasMatch());
    EXPECT_TRUE(dev->LastLog.endsWith(path));

    Recover();
    emu.InjectFault({'R', FaultKind::Truncate, 40});
    EXPECT_FALSE(dev->ReadFile(path, got));
    EXPECT_EQ(dev->LastLog, QStringLiteral("ReadFile (timeout): Command: \"R\" InBufUsed: 40"));

    Recover();
    emu.InjectFault({'f', FaultKind::WrongEcho});
    EXPECT_FALSE(dev->ReadFile(path, got));
    EXPECT_EQ(LogCount(QStringLiteral("SetFileName (crc_error): Command: \"f\" File: ") + path), 1);
    EXPECT_EQ(dev->LastLog, QStringLiteral("SetFileName Error"));
}

TEST_F(FileTransfer, StalledReadReportsWhatArrived) {
    const auto data = Pattern(2500, 4);
    const QString path = kSlotQ + QStringLiteral("\\S.hdf");
    emu.PutFile(path.toStdString(), data);
    emu.InjectFault({'R', FaultKind::Stall, 0, 1});
    QByteArray got;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(dev->ReadFile(path, got));
    EXPECT_GE(Seconds(start), 5.0);
    EXPECT_EQ(dev->LastLog,
              QStringLiteral("ReadFile (timeout): Command: \"R\" repeat, InBufUsed: 0, serfile.size: 2500, "
                             "s.size: 1024, File: %1 ")
                  .arg(path));
}

TEST_F(FileTransfer, TruncatedBlockReportsTheQueuedBytes) {
    const QString path = kSlotQ + QStringLiteral("\\T.hdf");
    emu.PutFile(path.toStdString(), Pattern(2500, 5));
    emu.InjectFault({'R', FaultKind::TruncateBlock, 100, 2});
    QByteArray got;
    EXPECT_FALSE(dev->ReadFile(path, got));
    EXPECT_EQ(dev->LastLog,
              QStringLiteral("ReadFile (timeout): Command: \"R\" repeat, InBufUsed: 100, serfile.size: 2500, "
                             "s.size: 2048, File: %1 ")
                  .arg(path));
}

TEST_F(FileTransfer, CorruptedBlockIsNeverASuccess) {
    // The host acknowledges what it got; the device sees the mismatch and stops.
    const QString path = kSlotQ + QStringLiteral("\\C.hdf");
    const auto data = Pattern(2500, 6);
    emu.PutFile(path.toStdString(), data);
    emu.InjectFault({'R', FaultKind::CorruptBlock, 0, 0});
    QByteArray got;
    EXPECT_FALSE(dev->ReadFile(path, got));
    EXPECT_TRUE(
        dev->LastLog.startsWith(QStringLiteral("ReadFile (timeout): Command: \"R\" repeat, InBufUsed: 0")));
    ASSERT_EQ(Acks().size(), 1u);
    EXPECT_NE(Acks()[0], Crc16(data.data(), 1024));
}

TEST_F(FileTransfer, SetFileNameTimeout) {
    emu.InjectFault({'f', FaultKind::Silence});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(dev->SetFileName(QStringLiteral("0:\\x"), 0, QString()));
    EXPECT_GE(Seconds(start), 5.0);
    EXPECT_EQ(dev->LastLog,
              QStringLiteral("SetFileName (timeout): Command: \"f\", Filename: 0:\\x, InBufUsed: 0"));
}

TEST_F(FileTransfer, NamesUpToFiftyCharacters) {
    // 50 characters fill the field without a terminating zero.
    const std::string name = "0:\\Daten\\Th_0\\Pat_0\\" + std::string(30, 'N');
    ASSERT_EQ(name.size(), 50u);
    const auto data = Pattern(300, 8);
    ASSERT_TRUE(dev->WriteFile(QString::fromStdString(name), ToQ(data)));
    const auto f = LastCommand('f');
    ASSERT_EQ(f.size(), 67u);
    EXPECT_EQ(std::string(f.begin() + 1, f.begin() + 51), name);
    EXPECT_EQ(emu.GetFile(name), data);
    QByteArray got;
    ASSERT_TRUE(dev->ReadFile(QString::fromStdString(name), got));
    EXPECT_EQ(FromQ(got), data);

    // 51 characters would name another file: refused before anything is sent.
    emu.ClearLog();
    EXPECT_FALSE(dev->ReadFile(QString::fromStdString(name + "X"), got));
    EXPECT_TRUE(emu.Commands().empty());
    EXPECT_EQ(dev->LastLog, QStringLiteral("SetFileName Error"));
}

TEST_F(FileTransfer, WriteInBlocksAndZeroLength) {
    const auto data = Pattern(2500, 9);
    const std::string path = kSlot + "\\Prog.dat";
    ASSERT_TRUE(dev->WriteFile(QString::fromStdString(path), ToQ(data)));
    EXPECT_EQ(LastCommand('f'), FileNameCommand(path, 2500, ""));
    EXPECT_EQ(LastCommand('W'), Bytes({'W', 0, 0, 0, 0, 0, 0, 0, 0x0C, 0x7C}));
    EXPECT_EQ(emu.WriteBlocks(), (std::vector<size_t>{1024, 1024, 452}));
    EXPECT_EQ(emu.GetFile(path), data);
    // The last acknowledgement stays in the header.
    EXPECT_EQ(GetCrc(dev->serFile.crc), Crc16(data.data() + 2048, 452));

    // An empty stream still costs one empty block and its acknowledgement.
    emu.ClearLog();
    ASSERT_TRUE(dev->WriteFile(QString::fromStdString(kSlot + "\\Leer.dat"), QByteArray()));
    EXPECT_EQ(emu.WriteBlocks(), std::vector<size_t>{0});
    EXPECT_EQ(emu.GetFile(kSlot + "\\Leer.dat"), std::vector<uint8_t>{});
}

TEST_F(FileTransfer, WriteFaults) {
    const QString path = kSlotQ + QStringLiteral("\\W.dat");
    const QByteArray data = ToQ(Pattern(3000, 10));

    // A block the device acknowledges with another CRC is a failed write, never a success.
    emu.InjectFault({'W', FaultKind::BadAck, 0, 1});
    EXPECT_FALSE(dev->WriteFile(path, data));
    const uint16_t crc = Crc16(reinterpret_cast<const uint8_t*>(data.constData()) + 1024, 1024);
    EXPECT_EQ(dev->LastLog,
              QStringLiteral("WriteFile (crc_error): Command: \"W\", Block: 2, crc1: %1 crc2: %2, File: %3")
                  .arg(crc ^ 0x5555)
                  .arg(crc)
                  .arg(path));
    EXPECT_FALSE(emu.HasFile(path.toStdString()));

    Recover();
    emu.InjectFault({'W', FaultKind::Stall, 0, 2});
    EXPECT_FALSE(dev->WriteFile(path, data));
    EXPECT_EQ(dev->LastLog, QStringLiteral("WriteFile (timeout): Command: \"W\" (repeat) InBufUsed: 0"));

    Recover();
    emu.InjectFault({'W', FaultKind::Silence});
    EXPECT_FALSE(dev->WriteFile(path, data));
    EXPECT_EQ(dev->LastLog, QStringLiteral("WriteFile (timeout): Command: \"W\" InBufUsed: 0"));

    // Without its header the device would write into the file it named before.
    emu.InjectFault({'f', FaultKind::WrongEcho});
    Recover();
    emu.ClearLog();
    EXPECT_FALSE(dev->WriteFile(path, data));
    EXPECT_EQ(dev->LastLog, QStringLiteral("SetFileName Error"));
    EXPECT_TRUE(LastCommand('W').empty());

    // A directory that does not exist takes no blocks.
    Recover();
    EXPECT_FALSE(dev->WriteFile(QStringLiteral("0:\\Nirgends\\W.dat"), data));
    EXPECT_EQ(dev->LastLog, QStringLiteral("WriteFile (timeout): Command: \"W\" (repeat) InBufUsed: 0"));
}

TEST_F(FileTransfer, DeleteByName) {
    const std::string path = kSlot + "\\D.hdf";
    emu.PutFile(path, Pattern(10));
    ASSERT_TRUE(dev->DeleteFileByName(QString::fromStdString(path)));
    EXPECT_EQ(LastCommand('Z'), Bytes({'Z', 0, 0, 0, 0, 0, 0, 0, 0x5A, 0x18}));
    EXPECT_FALSE(emu.HasFile(path));

    EXPECT_FALSE(dev->DeleteFileByName(QString::fromStdString(path)));
    EXPECT_EQ(dev->LastLog,
              QStringLiteral("DeleteFile (file not found); File: ") + QString::fromStdString(path));

    // The device deletes; the host reports the damaged echo.
    emu.PutFile(path, Pattern(10));
    emu.InjectFault({'Z', FaultKind::WrongEcho});
    EXPECT_FALSE(dev->DeleteFileByName(QString::fromStdString(path)));
    EXPECT_EQ(dev->LastLog, QStringLiteral("DeleteFile (crc_error): Command: \"Z\" InBufUsed: 66 File: ") +
                                QString::fromStdString(path));
    Recover();
    emu.PutFile(path, Pattern(10));
    emu.InjectFault({'Z', FaultKind::Silence});
    EXPECT_FALSE(dev->DeleteFileByName(QString::fromStdString(path)));
    EXPECT_EQ(dev->LastLog, QStringLiteral("DeleteFile (timeout): Command: \"Z\" InBufUsed: 0"));
    EXPECT_TRUE(emu.HasFile(path));
}

TEST_F(FileTransfer, ListingInDeviceOrderWithDatesAndDuration) {
    emu.PutFile(kSlot + "\\Z_late.hdf", Pattern(5), FatDate(2025, 6, 30), FatTime(23, 59, 58), 3600);
    emu.PutFile(kSlot + "\\A_early.hdf", Pattern(6), FatDate(2024, 1, 2), FatTime(8, 5, 4), 120);
    emu.PutFile(kSlot + "\\Prog.dat", Pattern(7), FatDate(2024, 1, 3), FatTime(9, 0, 0));
    CountingBar bar;
    bar.SetMax(10);
    bar.changes = 0;
    QList<DateiInfo> list;
    ASSERT_TRUE(dev->GetFilenames(&bar, kSlotQ, QStringLiteral("*.hdf"), list));
    EXPECT_EQ(LastCommand('f'), FileNameCommand(kSlot, 0, "*.hdf"));
    EXPECT_EQ(LastCommand('S'), Bytes({'S', 0, 0, 0, 0, 0, 0, 0, 0x03, 0x11}));
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].Filename, QStringLiteral("Z_late.hdf"));
    EXPECT_EQ(list[0].Datum, QDate(2025, 6, 30));
    EXPECT_EQ(list[0].Zeit, QTime(23, 59, 58));
    EXPECT_EQ(list[0].Dauer, 3600);
    EXPECT_EQ(list[1].Filename, QStringLiteral("A_early.hdf"));
    EXPECT_EQ(list[1].Datum, QDate(2024, 1, 2));
    EXPECT_EQ(list[1].Zeit, QTime(8, 5, 4));
    EXPECT_FALSE(list[1].Checked);
    // Two steps forward, one back per entry.
    EXPECT_EQ(bar.Position(), 2);
    EXPECT_EQ(bar.changes, 4);

    ASSERT_TRUE(dev->GetFilenames(nullptr, kSlotQ, QStringLiteral("*.*"), list));
    EXPECT_EQ(list.size(), 3);

    // An empty directory ends at once.
    ASSERT_TRUE(
        dev->GetFilenames(nullptr, QStringLiteral("0:\\Daten\\Th_5\\Pat_9"), QStringLiteral("*.hdf"), list));
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(LogLines().isEmpty());
}

TEST_F(FileTransfer, ListingWithImpossibleDateAndTime) {
    emu.PutFile(kSlot + "\\Bad.hdf", Pattern(5), 0, FatTime(0, 0, 0) | (30 << 11) | 1, 1);
    QList<DateiInfo> list;
    ASSERT_TRUE(dev->GetFilenames(nullptr, kSlotQ, QStringLiteral("*.hdf"), list));
    ASSERT_EQ(list.size(), 1);
    EXPECT_FALSE(list[0].Datum.isValid());
    EXPECT_FALSE(list[0].Zeit.isValid());
    EXPECT_EQ(LogCount(QStringLiteral("RecodeDate (Datum: 0, Y:0 M:0 D:0)")), 1);
    EXPECT_EQ(LogCount(QStringLiteral("RecodeTime (Zeit: %1, H:30 M:0 S:2)").arg((30 << 11) | 1)), 1);
}

TEST_F(FileTransfer, ListingFaults) {
    emu.PutFile(kSlot + "\\1.hdf", Pattern(5));
    emu.PutFile(kSlot + "\\2.hdf", Pattern(5));
    QList<DateiInfo> list;
    emu.InjectFault({'S', FaultKind::Silence});
    EXPECT_FALSE(dev->GetFilenames(nullptr, kSlotQ, QStringLiteral("*.hdf"), list));
    EXPECT_EQ(dev->LastLog,
              QStringLiteral("GetFilenames (timeout_1): Command: \"S\", Dir: %1, InBufUsed: 0").arg(kSlotQ));
    Recover();
    emu.InjectFault({'S', FaultKind::Stall, 0, 1});
    EXPECT_FALSE(dev->GetFilenames(nullptr, kSlotQ, QStringLiteral("*.hdf"), list));
    EXPECT_EQ(dev->LastLog,
              QStringLiteral("GetFilenames (timeout_2): Command: \"S\", Dir: %1, InBufUsed: 0").arg(kSlotQ));
    // The echo of a listing is not checked.
    Recover();
    emu.InjectFault({'S', FaultKind::WrongEcho});
    EXPECT_TRUE(dev->GetFilenames(nullptr, kSlotQ, QStringLiteral("*.hdf"), list));
    EXPECT_EQ(list.size(), 2);
}

TEST_F(FileTransfer, SlotListsRecordingsAndDeletes) {
    emu.PutFile("0:\\Daten\\Th_3\\Pat_7\\R1.hdf", Pattern(1500, 1));
    emu.PutFile("0:\\Daten\\Th_3\\Pat_7\\R2.hdf", Pattern(700, 2));
    ASSERT_TRUE(dev->GetMessHeaders(nullptr, 3, 7));
    const auto& list = dev->MessHeaders[37];
    ASSERT_EQ(list.size(), 2);
    QByteArray rec;
    ASSERT_TRUE(dev->GetMessung(3, 7, rec, 1));
    EXPECT_EQ(FromQ(rec), Pattern(700, 2));
    ASSERT_TRUE(dev->DeleteFile(nullptr, 3, 0, 7));
    EXPECT_FALSE(emu.HasFile("0:\\Daten\\Th_3\\Pat_7\\R1.hdf"));
    EXPECT_TRUE(emu.HasFile("0:\\Daten\\Th_3\\Pat_7\\R2.hdf"));
    // Outside the slot grid or the list nothing is sent.
    emu.ClearLog();
    EXPECT_FALSE(dev->GetMessung(3, 7, rec, 2));
    EXPECT_FALSE(dev->GetMessHeaders(nullptr, 6, 0));
    EXPECT_FALSE(dev->DeleteFile(nullptr, 0, 0, 10));
    EXPECT_TRUE(emu.Commands().empty());
}

TEST_F(FileTransfer, DirectoriesAreQueriedAndCreated) {
    File f = dev->DirectoryQuery(QStringLiteral("0:\\System"));
    EXPECT_EQ(f.Status, 0);
    EXPECT_EQ(LastCommand('-'), Bytes({'-', 0, 0, 0, 0, 0, 0, 0, 0x2D, 0x0C}));
    f = dev->DirectoryQuery(QStringLiteral("0:\\Neu"));
    EXPECT_EQ(f.Status, 4);

    ASSERT_TRUE(dev->CheckDirectory(QStringLiteral("0:\\Neu")));
    EXPECT_EQ(LastCommand('_'), Bytes({'_', 0, 0, 0, 0, 0, 0, 0, 0x12, 0xA6}));
    EXPECT_TRUE(emu.HasDirectory("0:\\NEU"));
    // Existing: no create.
    emu.ClearLog();
    ASSERT_TRUE(dev->CheckDirectory(QStringLiteral("0:\\neu")));
    EXPECT_TRUE(LastCommand('_').empty());

    emu.InjectFault({'-', FaultKind::Status, 7});
    EXPECT_FALSE(dev->CheckDirectory(QStringLiteral("0:\\Daten")));
    EXPECT_EQ(dev->LastLog, QStringLiteral("CheckDirectory (DiskError: 7)"));
    emu.InjectFault({'_', FaultKind::Status, 3});
    EXPECT_FALSE(dev->CheckDirectory(QStringLiteral("0:\\Anders")));
    EXPECT_EQ(dev->LastLog, QStringLiteral("CheckDirectory (DiskError: 3)"));
    EXPECT_FALSE(emu.HasDirectory("0:\\Anders"));

    // No complete answer in time: status 1.
    emu.InjectFault({'-', FaultKind::Silence});
    f = dev->DirectoryQuery(QStringLiteral("0:\\System"));
    EXPECT_EQ(f.Status, 1);
    Recover();
    emu.InjectFault({'-', FaultKind::Silence});
    EXPECT_FALSE(dev->CheckDirectory(QStringLiteral("0:\\System")));
    EXPECT_EQ(dev->LastLog, QStringLiteral("CheckDirectory (DiskError: 1)"));
}

TEST_F(FileTransfer, SchreibeDateiWritesALocalFile) {
    const QString local = dir.filePath(QStringLiteral("syspara.dat"));
    QFile f(local);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const auto data = Pattern(1100, 11);
    f.write(ToQ(data));
    f.close();
    ASSERT_TRUE(dev->SchreibeDatei(QStringLiteral("0:\\System\\syspara.dat"), local));
    EXPECT_EQ(emu.GetFile("0:\\system\\SYSPARA.DAT"), data);

    EXPECT_FALSE(
        dev->SchreibeDatei(QStringLiteral("0:\\System\\x.dat"), dir.filePath(QStringLiteral("fehlt"))));
    EXPECT_EQ(dev->LastLog, QStringLiteral("File not found: ") + dir.filePath(QStringLiteral("fehlt")));

    emu.InjectFault({'W', FaultKind::Silence});
    EXPECT_FALSE(dev->SchreibeDatei(QStringLiteral("0:\\System\\x.dat"), local));
    EXPECT_EQ(dev->LastLog, QStringLiteral("File cannot be write: ") + local);
}

TEST_F(FileTransfer, PumpRunsBetweenBlocks) {
    const QString path = kSlotQ + QStringLiteral("\\Big.hdf");
    emu.PutFile(path.toStdString(), Pattern(5000));
    int calls = 0;
    dev->Pump = [&calls] { ++calls; };
    QByteArray got;
    ASSERT_TRUE(dev->ReadFile(path, got));
    EXPECT_EQ(calls, 1 + 5); // after the header and after each of the five blocks
    calls = 0;
    ASSERT_TRUE(dev->WriteFile(path, got));
    EXPECT_EQ(calls, 1 + 5);
}

TEST_F(FileTransfer, DiskErrorStatusIsAFailureAndNothingIsTakenOver) {
    const QString path = kSlotQ + QStringLiteral("\\Platte.hdf");
    emu.PutFile(path.toStdString(), Pattern(2500, 11));
    // Any status but 0 (success) and 5 (not found) is a disk error of the device.
    emu.InjectFault({'R', FaultKind::Status, 3});
    QByteArray got;
    EXPECT_FALSE(dev->ReadFile(path, got));
    EXPECT_TRUE(got.isEmpty());
    EXPECT_EQ(dev->LastLog, QStringLiteral("ReadFile (DiskError: 3) File: %1").arg(path));
    EXPECT_TRUE(Acks().empty()); // no block traffic after a refused read
    Recover();
    ASSERT_TRUE(dev->ReadFile(path, got));
    EXPECT_EQ(FromQ(got), Pattern(2500, 11));

    emu.InjectFault({'Z', FaultKind::Status, 9});
    EXPECT_FALSE(dev->DeleteFileByName(path));
    EXPECT_EQ(dev->LastLog, QStringLiteral("DeleteFile (DiskError: 9) File: %1").arg(path));
    EXPECT_TRUE(emu.HasFile(path.toStdString()));
    ASSERT_TRUE(dev->DeleteFileByName(path));
    EXPECT_FALSE(emu.HasFile(path.toStdString()));
}

TEST_F(FileTransfer, PathsTheDeviceCannotHoldAreRefusedBeforeAnythingIsSent) {
    // Name a valid file first: a refused command must not act on it.
    const std::string kept = "0:\\Daten\\Th_0\\Pat_0\\Bleibt.hdf";
    emu.PutFile(kept, Pattern(100, 2));
    QByteArray got;
    ASSERT_TRUE(dev->ReadFile(QString::fromStdString(kept), got));
    Acks();
    emu.ClearLog();

    const QString tooLong = QStringLiteral("0:\\Daten\\Th_0\\Pat_0\\") + QString(31, QLatin1Char('N'));
    const QString polish = QStringLiteral("0:\\Daten\\Łódź.hdf"); // Ł has no byte of its own
    const QString withNul = QStringLiteral("0:\\Daten\\A") + QChar(0) + QStringLiteral("B");
    for (const QString& bad : {tooLong, polish, withNul}) {
        EXPECT_FALSE(CheckDevicePath(bad));
        EXPECT_FALSE(dev->ReadFile(bad, got));
        EXPECT_FALSE(dev->WriteFile(bad, ToQ(Pattern(10))));
        EXPECT_FALSE(dev->DeleteFileByName(bad));
        QList<DateiInfo> list;
        EXPECT_FALSE(dev->GetFilenames(nullptr, bad, QStringLiteral("*.hdf"), list));
        EXPECT_EQ(dev->DirectoryQuery(bad).Status, 1);
        EXPECT_EQ(dev->DirectoryCreate(bad).Status, 1);
        EXPECT_FALSE(dev->CheckDirectory(bad));
        EXPECT_TRUE(dev->LastLog.startsWith(QStringLiteral("CheckDirectory (invalid name: ")))
            << dev->LastLog.toStdString();
    }
    // A mask of more than six characters would be cut.
    QList<DateiInfo> list;
    EXPECT_FALSE(dev->GetFilenames(nullptr, kSlotQ, QStringLiteral("*.hdfxx"), list));
    EXPECT_TRUE(emu.Commands().empty());
    EXPECT_TRUE(emu.HasFile(kept));

    // Latin-1 letters are device bytes and reach the device as such.
    const QString latin = QStringLiteral("0:\\Daten\\Th_0\\Pat_0\\Müller.hdf");
    ASSERT_TRUE(dev->WriteFile(latin, ToQ(Pattern(10, 3))));
    const auto f = LastCommand('f');
    ASSERT_EQ(f.size(), 67u);
    EXPECT_EQ(f[1 + 21], 0xFC);
    EXPECT_EQ(emu.GetFile("0:\\Daten\\Th_0\\Pat_0\\M\xFCller.hdf"), Pattern(10, 3));
}

TEST_F(FileTransfer, ASecondCommandDuringATransferIsRefusedWithoutTouchingTheLine) {
    const QString path = kSlotQ + QStringLiteral("\\Lang.hdf");
    emu.PutFile(path.toStdString(), Pattern(5000, 12));
    int refused = 0;
    dev->Pump = [&] {
        // What a window would do while the transfer repaints it.
        QByteArray other;
        refused += !dev->GetVersion();
        refused += !dev->ReadFile(path, other);
        refused += !dev->SetDownloadScreen(0);
        refused += dev->DirectoryQuery(kSlotQ).Status == 1;
        dev->close();
    };
    std::vector<std::pair<qint64, qint64>> moved;
    dev->Transferred = [&](qint64 done, qint64 total) { moved.emplace_back(done, total); };
    emu.ClearLog();
    QByteArray got;
    ASSERT_TRUE(dev->ReadFile(path, got));
    EXPECT_EQ(FromQ(got), Pattern(5000, 12));
    EXPECT_TRUE(dev->ComOpen); // the close waited for the end of the command
    EXPECT_GT(refused, 0);
    EXPECT_EQ(refused % 4, 0);
    // The device saw one "f" and one "R", nothing else.
    const auto cmds = emu.Commands();
    ASSERT_EQ(cmds.size(), 2u);
    EXPECT_EQ(cmds[0].code, 'f');
    EXPECT_EQ(cmds[1].code, 'R');
    EXPECT_TRUE(LogCount(QStringLiteral("GetVersion (busy): another device command is running")) > 0);
    // Progress within the file: block by block up to its size.
    const std::vector<std::pair<qint64, qint64>> expected = {
        {1024, 5000}, {2048, 5000}, {3072, 5000}, {4096, 5000}, {5000, 5000}};
    EXPECT_EQ(moved, expected);
    dev->Pump = nullptr;
    EXPECT_TRUE(dev->GetVersion());
}

// Giving a read up: at 57,600 baud a 100 kB file takes 18 s; asked after its third block, the
// read ends within that block, the device is told by a mismatching acknowledgement and listens
// again at once, so the next command (the normal screen) works.
class PacedFileTransfer : public EmuTest {
public:
    PacedFileTransfer() : EmuTest(Paced()) {}
    static emu::Options Paced() {
        emu::Options o;
        o.baud = 57600;
        o.turnaroundUs = 2000;
        return o;
    }
};

TEST_F(PacedFileTransfer, ACancelEndsTheReadWithinOneBlock) {
    const auto data = Pattern(100 * 1024, 7);
    const std::string path = kSlot + "\\M0002.hdf";
    emu.PutFile(path, data);
    dev->Baud_Rate = 57600;
    int blocks = 0;
    std::chrono::steady_clock::time_point asked;
    dev->Transferred = [&](qint64, qint64) {
        if (++blocks == 3) {
            asked = std::chrono::steady_clock::now();
        }
    };
    dev->CancelRequested = [&] { return blocks >= 3; };
    QByteArray got;
    EXPECT_FALSE(dev->ReadFile(QString::fromStdString(path), got));
    const auto took = std::chrono::steady_clock::now() - asked;
    EXPECT_LT(took, std::chrono::milliseconds(2000));
    EXPECT_TRUE(dev->LastLog.startsWith(QStringLiteral("ReadFile (cancelled)")))
        << dev->LastLog.toStdString();
    // Three blocks acknowledged, the fourth answered with a pair that is not its CRC.
    const auto acks = Acks();
    ASSERT_EQ(acks.size(), 4u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(acks[i], Crc16(data.data() + i * 1024, 1024));
    }
    EXPECT_NE(acks[3], Crc16(data.data() + 3 * 1024, 1024));
    EXPECT_EQ(got.size(), 3 * 1024);
    // The line is quiet and the device listens: the next commands work.
    dev->CancelRequested = nullptr;
    dev->Transferred = nullptr;
    EXPECT_TRUE(dev->SetDownloadScreen(0));
    EXPECT_EQ(emu.Screen(), 0);
    const auto small = Pattern(1500, 8);
    emu.PutFile(kSlot + "\\Klein.dat", small);
    got.clear();
    ASSERT_TRUE(dev->ReadFile(QString::fromStdString(kSlot + "\\Klein.dat"), got))
        << dev->LastLog.toStdString();
    EXPECT_EQ(FromQ(got), small);
}

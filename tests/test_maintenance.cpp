// Deleting exercises, factory state, info block and application record, flash reload.

#include "EmuFixture.h"

using namespace zud;
using namespace zud::test;
using emu::FaultKind;

namespace {

class Maintenance : public EmuTest {};

class RecordingBar : public TProgressBar {
public:
    std::vector<int> positions;

protected:
    void Changed() override { positions.push_back(Position()); }
};

} // namespace

TEST_F(Maintenance, DeleteExercisesOfOneSlotWithProgress) {
    for (int i = 0; i < 3; ++i) {
        emu.PutFile("0:\\Daten\\Th_2\\Pat_3\\M" + std::to_string(i) + ".hdf", Pattern(100));
    }
    emu.PutFile("0:\\Daten\\Th_2\\Pat_3\\Prog.dat", Pattern(545));
    emu.PutFile("0:\\Daten\\Th_2\\Pat_4\\M0.hdf", Pattern(100));
    RecordingBar bar;
    ASSERT_TRUE(dev->DeleteExercises(&bar, 2, QStringLiteral("*.hdf"), 3));
    EXPECT_EQ(LastCommand('z'), Bytes({'z', 2, 3, 0, 0, 0, 0, 0, 0x8F, 0x73}));
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 3);
    // The end word is shown as a position too; the bar clamps it.
    EXPECT_EQ(bar.positions.back(), 3);
    EXPECT_EQ(bar.Position(), 3);
    EXPECT_FALSE(emu.HasFile("0:\\Daten\\Th_2\\Pat_3\\M0.hdf"));
    EXPECT_TRUE(emu.HasFile("0:\\Daten\\Th_2\\Pat_3\\Prog.dat"));
    EXPECT_TRUE(emu.HasFile("0:\\Daten\\Th_2\\Pat_4\\M0.hdf"));

    // Nothing to delete: the end word follows the count at once.
    ASSERT_TRUE(dev->DeleteExercises(nullptr, 5, QString(), 9));
}

TEST_F(Maintenance, DeleteExercisesFaults) {
    emu.PutFile("0:\\Daten\\Th_0\\Pat_1\\A.hdf", Pattern(10));
    emu.PutFile("0:\\Daten\\Th_0\\Pat_1\\B.hdf", Pattern(10));
    emu.InjectFault({'z', FaultKind::Stall, 0, 2}); // the count and one word, then nothing
    EXPECT_FALSE(dev->DeleteExercises(nullptr, 0, QString(), 1));
    EXPECT_EQ(
        dev->LastLog,
        QStringLiteral(
            "DeleteExercises (timeout Anzahl): Command: \"z\", Therapeut: 0, Patient: 1, InBufUsed: 0"));

    Recover();
    emu.InjectFault({'z', FaultKind::Silence});
    EXPECT_FALSE(dev->DeleteExercises(nullptr, 0, QString(), 1));
    EXPECT_EQ(dev->LastLog,
              QStringLiteral(
                  "DeleteExercises (timeout crc): Command: \"z\", Therapeut: 0, Patient: 1, InBufUsed: 0"));

    Recover();
    emu.InjectFault({'z', FaultKind::WrongEcho});
    EXPECT_FALSE(dev->DeleteExercises(nullptr, 4, QString(), 0));
    const auto frame = LastCommand('z');
    const uint16_t expected = LE16(frame.data() + 8);
    const uint8_t* e = frame.data() + 8;
    const uint16_t swapped = static_cast<uint16_t>(e[1] | (e[0] << 8));
    EXPECT_TRUE(dev->LastLog.startsWith(
        QStringLiteral("DeleteExercises (crc falsch): Command: \"z\", crc1: %1 crc2: %2, InBufUsed: ")
            .arg(swapped)
            .arg(expected)))
        << dev->LastLog.toStdString();
}

TEST_F(Maintenance, FactoryStateWithProgress) {
    emu.PutFile("0:\\Daten\\Th_0\\Pat_0\\A.hdf", Pattern(10));
    emu.PutFile("0:\\Daten\\Th_5\\Pat_9\\B.hdf", Pattern(10));
    RecordingBar bar;
    ASSERT_TRUE(dev->Werkszustand(&bar));
    EXPECT_EQ(LastCommand('Y'), Bytes({'Y', 0, 0, 0, 0, 0, 0, 0, 0x92, 0x6D}));
    EXPECT_EQ(bar.Max(), 71);
    EXPECT_EQ(bar.Position(), 71);
    EXPECT_EQ(emu.FactoryResets(), 1);
    EXPECT_TRUE(emu.ListFiles().empty());
    dev->Reset();
    EXPECT_EQ(emu.Resets(), 1);
}

TEST_F(Maintenance, FactoryStateFaults) {
    emu.InjectFault({'Y', FaultKind::Silence});
    EXPECT_FALSE(dev->Werkszustand(nullptr));
    EXPECT_EQ(dev->LastLog, QStringLiteral("Factory settings failed: 0"));

    // A progress word that does not come ends the command.
    Recover();
    emu.InjectFault({'Y', FaultKind::Stall, 0, 10});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(dev->Werkszustand(nullptr));
    EXPECT_LT(Seconds(start), 2.0);
    EXPECT_TRUE(dev->LastLog.startsWith(QStringLiteral("Factory settings failed")));

    Recover();
    emu.InjectFault({'Y', FaultKind::WrongEcho});
    EXPECT_FALSE(dev->Werkszustand(nullptr));
    EXPECT_TRUE(dev->LastLog.startsWith(QStringLiteral("Factory settings failed: crc1: ")));
}

TEST_F(Maintenance, InfoblockAndApplications) {
    ASSERT_EQ(dev->LeseAnwendungsdaten(), 0);
    EXPECT_EQ(LastCommand('i'), Bytes({'i', 0x80, 0x18, 0, 0, 'R', 0, 0, 0x58, 0x20}));
    EXPECT_EQ(dev->Anwendungen.Aktiv, 1);
    EXPECT_EQ(uint16_t{dev->Anwendungen.Freigeschaltet}, 0x0FFF);
    EXPECT_EQ(dev->GeraeteDaten.Typ, 0);
    const auto before = emu.Infoblock();

    // Application 3: type code 11, which has no model index.
    dev->Anwendungen.Aktiv = 3;
    ASSERT_EQ(dev->SchreibeAnwendungsdaten(), 1);
    const auto after = emu.Infoblock();
    ASSERT_EQ(after.size(), 128u);
    EXPECT_EQ(after[0], 11);
    EXPECT_EQ(after[14 + 2], 3);
    EXPECT_EQ(GetCrc(after.data() + 12), Crc16(after.data(), 12));
    EXPECT_EQ(GetCrc(after.data() + 14 + 30), Crc16(after.data() + 14, 30));
    // Serial number and the bytes behind the application record stay as they were.
    EXPECT_TRUE(std::equal(before.begin() + 1, before.begin() + 12, after.begin() + 1));
    EXPECT_TRUE(std::equal(before.begin() + 46, before.end(), after.begin() + 46));
    ASSERT_TRUE(dev->GetDeviceInfo());
    EXPECT_EQ(dev->Typ, 0);

    // Unchanged: the block is still written, the result is 0.
    emu.ClearLog();
    ASSERT_EQ(dev->SchreibeAnwendungsdaten(), 0);
    EXPECT_EQ(LastCommand('i')[5], 'W');
    EXPECT_EQ(emu.Infoblock(), after);

    // Out of range: the type code stays.
    dev->Anwendungen.Aktiv = 13;
    ASSERT_EQ(dev->SchreibeAnwendungsdaten(), 0);
    EXPECT_EQ(emu.Infoblock()[0], 11);
}

TEST_F(Maintenance, InfoblockFaults) {
    emu.InjectFault({'i', FaultKind::Silence});
    EXPECT_EQ(dev->LeseAnwendungsdaten(), -1);
    EXPECT_EQ(dev->LastLog, QStringLiteral("Set Infoblock failed: R"));
    Recover();
    emu.InjectFault({'i', FaultKind::Truncate, 60});
    EXPECT_EQ(dev->LeseAnwendungsdaten(), -1);
    EXPECT_EQ(dev->LastLog, QStringLiteral("Set Infoblock failed: Timeout"));

    // A block that is not all there is never written.
    Recover();
    emu.ClearLog();
    QByteArray shortBlock(100, 'x');
    EXPECT_FALSE(dev->SetInfoblock(kInfoblockAddress, 'W', shortBlock));
    EXPECT_TRUE(emu.Commands().empty());

    QByteArray none;
    EXPECT_TRUE(dev->SetInfoblock(kInfoblockAddress, 'E', none));
}

TEST_F(Maintenance, ReloadFlashAlwaysZero) {
    EXPECT_EQ(dev->DeviceReloadFlash(), 0);
    EXPECT_EQ(LastCommand('^'), Bytes({'^', 0, 0, 0, 0, 0, 0, 0, 0x55, 0x75}));
    EXPECT_EQ(emu.FlashReloads(), 1);
    emu.InjectFault({'^', FaultKind::Silence});
    EXPECT_EQ(dev->DeviceReloadFlash(), 0);
}

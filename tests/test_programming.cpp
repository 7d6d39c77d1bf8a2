// Device programming and the application change without windows, against the emulated demo
// device over a pseudo-terminal: loading, the field rules of the working model, parameter files,
// and the transfer, which writes exactly what was changed.

#include "AppChange.h"
#include "Demo.h"
#include "EmuFixture.h"
#include "Programming.h"

#include <QCoreApplication>
#include <QFile>

#include <cstring>

using namespace zud;
using namespace zud::test;
using emu::FaultKind;

namespace {

std::string Lower(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return s;
}

class Programming : public EmuTest {
protected:
    explicit Programming(emu::Options o = {}) : EmuTest(std::move(o)) {}

    void SetUp() override {
        EmuTest::SetUp();
        emu::LoadDemo(emu);
        dev->close();
    }

    void Load() {
        ASSERT_NO_THROW(wf::LadeProgrammierung(*dev));
        ASSERT_TRUE(emu.WaitIdle());
        emu.ClearLog();
    }

    // The files the host wrote since the log was cleared: each "f" header followed by "W".
    std::vector<std::string> Written() {
        EXPECT_TRUE(emu.WaitIdle());
        std::vector<std::string> out;
        const auto cmds = emu.Commands();
        for (size_t i = 0; i + 1 < cmds.size(); ++i) {
            if (cmds[i].code == 'f' && cmds[i + 1].code == 'W') {
                out.push_back(Lower(FieldText(reinterpret_cast<const char*>(cmds[i].bytes.data() + 1), 50)));
            }
        }
        return out;
    }
    std::vector<std::pair<int, int>> Deleted() {
        std::vector<std::pair<int, int>> out;
        for (const auto& c : emu.Commands()) {
            if (c.code == 'z') {
                out.emplace_back(c.bytes[1], c.bytes[2]);
            }
        }
        return out;
    }
    int Count(uint8_t code) {
        int n = 0;
        for (const auto& c : emu.Commands()) {
            n += c.code == code;
        }
        return n;
    }
    Programmdatei DeviceProgram(int t, int p) {
        Programmdatei d{};
        const auto data = emu.GetFile(ProgrammPfad(t, p));
        EXPECT_TRUE(data && data->size() == sizeof d);
        if (data && data->size() == sizeof d) {
            std::memcpy(&d, data->data(), sizeof d);
        }
        return d;
    }
};

} // namespace

// ---------------------------------------------------------------- loading

TEST_F(Programming, LoadingReadsEverySetAndGivesTheScreenBack) {
    std::vector<int> positions;
    wf::ProgrammCallbacks cb;
    cb.progress = [&](const QString&, int position, int maximum) {
        EXPECT_EQ(maximum, 36);
        positions.push_back(position);
    };
    ASSERT_NO_THROW(wf::LadeProgrammierung(*dev, cb));
    ASSERT_EQ(positions.back(), 36);
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    EXPECT_FALSE(dev->ComOpen);
    ASSERT_TRUE(emu.WaitIdle());
    EXPECT_EQ(emu.Screen(), 0);
    for (int t = 0; t < 6; ++t) {
        for (int p = 0; p < 6; ++p) {
            const Programmdatei d = DeviceProgram(t, p);
            EXPECT_EQ(std::memcmp(&d, &dev->Programme_ZUD12_ori[size_t(t * 10 + p)], sizeof d), 0);
        }
    }
    // Slots 7..10 are never read.
    int progReads = 0;
    const auto cmds = emu.Commands();
    for (size_t i = 0; i + 1 < cmds.size(); ++i) {
        if (cmds[i].code == 'f' && cmds[i + 1].code == 'R') {
            const std::string name =
                Lower(FieldText(reinterpret_cast<const char*>(cmds[i].bytes.data() + 1), 50));
            progReads += name.ends_with("prog.dat");
            EXPECT_EQ(name.find("pat_6"), std::string::npos) << name;
        }
    }
    EXPECT_EQ(progReads, 36);
}

TEST_F(Programming, LoadingFailuresHaveTheirClassAndMessage) {
    // No answer to the version: no device.
    emu.InjectFault({'?', FaultKind::Silence, 0, 0, 2});
    try {
        wf::LadeProgrammierung(*dev);
        FAIL() << "no exception";
    } catch (const wf::WorkflowError& e) {
        EXPECT_EQ(e.kind(), wf::WorkflowError::ENoDev);
        EXPECT_EQ(e.Message(), QStringLiteral("Kein Gerät erkannt!"));
    }
    ASSERT_TRUE(emu.WaitIdle());
    emu.ClearFaults();

    // A damaged program file: communication error, logged, the screen given back.
    auto d = *emu.GetFile(ProgrammPfad(3, 4));
    d[100] ^= 0x20;
    emu.PutFile(ProgrammPfad(3, 4), d);
    try {
        wf::LadeProgrammierung(*dev);
        FAIL() << "no exception";
    } catch (const wf::WorkflowError& e) {
        EXPECT_EQ(e.kind(), wf::WorkflowError::EComErr);
        EXPECT_EQ(e.Message(), QStringLiteral("Während der Kommunikation ist ein Fehler aufgetreten!"));
    }
    EXPECT_GE(LogCount(QStringLiteral("ReadProgramData (crc)")), 1);
    ASSERT_TRUE(emu.WaitIdle());
    EXPECT_EQ(emu.Screen(), 0);
    EXPECT_FALSE(dev->ComOpen);

    // Old firmware and an unsupported customer: not supported.
    emu::Identity id;
    id.FWVersion = "ZUD12 V00529";
    emu.SetIdentity(id);
    try {
        wf::LadeProgrammierung(*dev);
        FAIL() << "no exception";
    } catch (const wf::WorkflowError& e) {
        EXPECT_EQ(e.kind(), wf::WorkflowError::ENotSup);
        EXPECT_EQ(e.Message(), QStringLiteral("Die Firmware am Gerät unterstützt diese Funktion nicht!"));
    }
    id = emu::Identity{};
    id.Kunde = 5;
    emu.SetIdentity(id);
    try {
        wf::LadeProgrammierung(*dev);
        FAIL() << "no exception";
    } catch (const wf::WorkflowError& e) {
        EXPECT_EQ(e.kind(), wf::WorkflowError::ENotSup);
        EXPECT_EQ(e.Message(), QStringLiteral("Gerät wird nicht unterstützt"));
    }

    // A port that does not open.
    dev->ComPort = dir.filePath(QStringLiteral("kein-port"));
    try {
        wf::LadeProgrammierung(*dev);
        FAIL() << "no exception";
    } catch (const wf::WorkflowError& e) {
        EXPECT_EQ(e.kind(), wf::WorkflowError::EComErr);
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Schnittstelle kann nicht geöffnet werden(")))
            << e.Message().toStdString();
    }
}

TEST_F(Programming, LoadingCanBeCancelledBetweenSets) {
    wf::ProgrammCallbacks cb;
    int calls = 0;
    cb.cancelRequested = [&] { return ++calls == 3; };
    EXPECT_THROW(wf::LadeProgrammierung(*dev, cb), wf::WorkflowError);
    EXPECT_EQ(calls, 3);
    ASSERT_TRUE(emu.WaitIdle());
    EXPECT_EQ(emu.Screen(), 0);
}

// ---------------------------------------------------------------- transfer

TEST_F(Programming, TransferWithoutEditsWritesOnlyTheCodes) {
    Load();
    const QDateTime when(QDate(2008, 1, 2), QTime(0, 0, 0));
    const wf::Uebertragung r = wf::Uebertrage(*dev, {false, false, when});
    EXPECT_FALSE(r.failed) << r.error.toStdString();
    EXPECT_EQ(Written(), std::vector<std::string>{"0:\\system\\temp.dat"});
    EXPECT_EQ(r.geschrieben, QStringList{QStringLiteral("0:\\System\\Temp.dat")});
    EXPECT_TRUE(Deleted().empty());
    EXPECT_FALSE(r.convertError);
    EXPECT_EQ(emu.ClockSeconds(), std::optional<uint32_t>(86400));
    EXPECT_EQ(emu.Screen(), 0);
    EXPECT_EQ(Count('X'), 0);
    EXPECT_FALSE(dev->ComOpen);
}

TEST_F(Programming, EditOfOneProgramWritesExactlyThatFile) {
    Load();
    const Programmdatei before = DeviceProgram(2, 3);
    wf::Programmierung m(*dev);
    m.WaehleTherapeut(2);
    m.WaehlePatient(3);
    m.WaehleProgramm(1);
    emu.ClearLog(); // showing may correct stored values; the demo's are all in range
    EXPECT_EQ(m.SetAnspannzeit(17), 17);
    const wf::Uebertragung r = wf::Uebertrage(*dev, {});
    EXPECT_FALSE(r.failed);
    EXPECT_EQ(Written(),
              (std::vector<std::string>{"0:\\system\\temp.dat", "0:\\daten\\th_2\\pat_3\\prog.dat"}));
    const Programmdatei after = DeviceProgram(2, 3);
    EXPECT_TRUE(ProgrammdateiCrcOk(after));
    EXPECT_EQ(after.Programme[1].Anspannzeit, 17);
    for (int k = 0; k < 6; ++k) {
        // The per-program checksums go back as they came.
        EXPECT_EQ(std::memcmp(after.Programme[k].crc, before.Programme[k].crc, 2), 0) << k;
        if (k != 1) {
            EXPECT_EQ(std::memcmp(&after.Programme[k], &before.Programme[k], sizeof before.Programme[k]), 0);
        }
    }
    // A second transfer has nothing more to write.
    emu.ClearLog();
    EXPECT_FALSE(wf::Uebertrage(*dev, {}).failed);
    EXPECT_EQ(Written(), std::vector<std::string>{"0:\\system\\temp.dat"});
}

TEST_F(Programming, NameOutsideTheDeviceLanguageSetsTheConversionMessage) {
    Load();
    ASSERT_EQ(dev->SystemParameter.Sprache, 0);
    wf::Programmierung m(*dev);
    m.WaehleTherapeut(0);
    m.WaehlePatient(0);
    m.SetName(QStringLiteral("Kräftigung"));
    wf::Uebertragung r = wf::Uebertrage(*dev, {});
    EXPECT_FALSE(r.convertError);
    EXPECT_EQ(DeviceProgram(0, 0).Programme[m.Programm()].Name[2], 2); // ä is national code 2

    emu.ClearLog();
    m.TherapeutAendern(QStringLiteral("Łukasiewicz"), QStringLiteral("Jan"));
    r = wf::Uebertrage(*dev, {});
    EXPECT_FALSE(r.failed);
    EXPECT_TRUE(r.convertError);
    EXPECT_EQ(Written(), (std::vector<std::string>{"0:\\system\\temp.dat", "0:\\daten\\thera.dat"}));
    EXPECT_EQ(wf::KonvertierungsMeldung(),
              QStringLiteral("Einige Texte konnten nicht in die eingestellte Sprache des Gerätes konvertiert "
                             "werden. Überprüfen Sie die Anzeige!"));
}

TEST_F(Programming, DeletionFlagDeletesThatSlotOnly) {
    Load();
    wf::Programmierung m(*dev);
    m.WaehleTherapeut(0);
    m.WaehlePatient(1);
    m.SetLoeschen(true);
    auto inSlot = [this](const std::string& slot) {
        int n = 0;
        for (const std::string& f : emu.ListFiles()) {
            n += Lower(f).find(slot) != std::string::npos && Lower(f).ends_with(".hdf");
        }
        return n;
    };
    ASSERT_GT(inSlot("th_0\\pat_1\\"), 0);
    const int elsewhere = inSlot("th_0\\pat_0\\");
    ASSERT_GT(elsewhere, 0);
    const wf::Uebertragung r = wf::Uebertrage(*dev, {});
    EXPECT_FALSE(r.failed);
    EXPECT_EQ(Deleted(), (std::vector<std::pair<int, int>>{{0, 1}}));
    EXPECT_EQ(r.geloescht, QList<int>{1});
    EXPECT_EQ(inSlot("th_0\\pat_1\\"), 0);
    EXPECT_EQ(inSlot("th_0\\pat_0\\"), elsewhere);
    EXPECT_FALSE(m.Loeschen());
}

TEST_F(Programming, FactoryStateDeletesAll36SlotsAndResetsWithoutWritingRecords) {
    Load();
    wf::Programmierung m(*dev);
    m.SetAnspannzeit(99); // would be written by an ordinary transfer
    std::vector<int> maxima;
    TProgressBar bar;
    wf::ProgrammCallbacks cb;
    cb.bar = [&bar]() { return &bar; };
    const wf::Uebertragung r = wf::Uebertrage(*dev, {false, true, {}}, cb);
    EXPECT_FALSE(r.failed) << r.error.toStdString();
    EXPECT_TRUE(r.werkszustand);
    std::vector<std::pair<int, int>> expected;
    for (int n = 0; n < 36; ++n) {
        expected.emplace_back(n / 6, n % 6);
    }
    EXPECT_EQ(Deleted(), expected);
    EXPECT_EQ(Written(), std::vector<std::string>{"0:\\system\\temp.dat"});
    EXPECT_EQ(emu.FactoryResets(), 1);
    EXPECT_EQ(emu.Resets(), 1);
    // The reset comes last, and the screen is not set back.
    const auto cmds = emu.Commands();
    ASSERT_FALSE(cmds.empty());
    EXPECT_EQ(cmds.back().code, 'X');
    int d0 = 0;
    for (const auto& c : cmds) {
        d0 += c.code == 'D' && c.bytes[1] == 0;
    }
    EXPECT_EQ(d0, 0);
    EXPECT_EQ(bar.Position(), bar.Max()); // the end word of the factory state
    EXPECT_EQ(bar.Max(), 71);
}

TEST_F(Programming, FactoryResetThatTheDeviceDoesNotAcknowledgeIsAFailure) {
    Load();
    emu.InjectFault({'X', FaultKind::WrongEcho});
    const wf::Uebertragung r = wf::Uebertrage(*dev, {false, true, {}});
    EXPECT_TRUE(r.failed);
    EXPECT_TRUE(r.werkszustand);
    EXPECT_EQ(r.error, wf::KommunikationsFehler());
    ASSERT_TRUE(emu.WaitIdle());
    EXPECT_EQ(emu.FactoryResets(), 1);

    // The same sequence in the application change.
    emu.ClearFaults();
    ASSERT_NO_THROW(wf::StarteAnwendungswechsel(*dev));
    emu.InjectFault({'X', FaultKind::Silence});
    const wf::Anwendungswechsel a = wf::WechsleAnwendung(*dev, dev->Anwendungen.Aktiv);
    EXPECT_TRUE(a.failed);
    EXPECT_TRUE(a.werkszustand);
    EXPECT_EQ(a.geloescht, 60);
}

TEST_F(Programming, FactoryDefaultsAreWrittenIntoTheModelsFolder) {
    emu::Identity id;
    id.Typ = 50; // model 7
    emu.SetIdentity(id);
    Load();
    ASSERT_EQ(dev->Typ, 7);
    const wf::Uebertragung r = wf::Uebertrage(*dev, {true, true, {}});
    EXPECT_FALSE(r.failed) << r.error.toStdString();
    const auto w = Written();
    ASSERT_EQ(w.size(), 3u);
    EXPECT_EQ(w[1], Lower(DefSystemPfad(7)));
    EXPECT_EQ(w[2], Lower(DefProgrammPfad(7)));
    const auto def = emu.GetFile(DefProgrammPfad(7));
    ASSERT_TRUE(def);
    Programmdatei d{};
    std::memcpy(&d, def->data(), sizeof d);
    EXPECT_TRUE(ProgrammdateiCrcOk(d));
    EXPECT_EQ(std::memcmp(d.Programme, DeviceProgram(0, 0).Programme, sizeof d.Programme), 0);
    EXPECT_EQ(emu.FactoryResets(), 1);
}

TEST_F(Programming, TransferToAnotherDeviceIsRefused) {
    Load();
    wf::Programmierung m(*dev);
    m.SetAnspannzeit(42);
    emu::Identity id;
    id.SN = "ZE7654321";
    emu.SetIdentity(id);
    const wf::Uebertragung r = wf::Uebertrage(*dev, {});
    EXPECT_TRUE(r.failed);
    EXPECT_TRUE(r.error.contains(QStringLiteral("ZE1234567")));
    EXPECT_TRUE(Written().empty());
    EXPECT_EQ(dev->SN, QStringLiteral("ZE1234567"));
    EXPECT_EQ(emu.Screen(), 0);
}

TEST_F(Programming, FailedWriteIsReportedAndSentAgainNextTime) {
    Load();
    wf::Programmierung m(*dev);
    m.WaehleTherapeut(1);
    m.WaehlePatient(0);
    m.SetTimeout(61);
    emu.InjectFault({'W', FaultKind::Stall, 0, 0, 1});
    // The codes are the first write: they fail.
    wf::Uebertragung r = wf::Uebertrage(*dev, {});
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.error, QStringLiteral("Während der Kommunikation ist ein Fehler aufgetreten!"));
    ASSERT_TRUE(emu.WaitIdle());
    emu.ClearFaults();
    emu.ClearLog();
    r = wf::Uebertrage(*dev, {});
    EXPECT_FALSE(r.failed) << r.error.toStdString();
    EXPECT_EQ(Written(),
              (std::vector<std::string>{"0:\\system\\temp.dat", "0:\\daten\\th_1\\pat_0\\prog.dat"}));
    EXPECT_EQ(DeviceProgram(1, 0).Programme[m.Programm()].Timeout, 61);
}

TEST_F(Programming, SystemParametersAndPatientsAreWrittenWhenChanged) {
    Load();
    wf::Programmierung m(*dev);
    m.WaehleTherapeut(4);
    m.WaehlePatient(5);
    m.Zuweisen(QStringLiteral("Neumann"), QStringLiteral("Eva"), QDate(1960, 3, 1));
    dev->SystemParameter.Helligkeit = 64;
    dev->GenerateSysCRC();
    const auto before = *emu.GetFile(PatientenPfad(4));
    const wf::Uebertragung r = wf::Uebertrage(*dev, {});
    EXPECT_FALSE(r.failed);
    EXPECT_EQ(Written(), (std::vector<std::string>{"0:\\system\\temp.dat", "0:\\daten\\th_4\\pat.dat",
                                                   "0:\\system\\syspara.dat"}));
    const auto after = *emu.GetFile(PatientenPfad(4));
    // Slots 7..10 go back byte for byte.
    EXPECT_TRUE(std::equal(after.begin() + 6 * 230, after.end(), before.begin() + 6 * 230));
    Stammdaten s{};
    std::memcpy(&s, after.data() + 5 * 230, sizeof s);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.Name), 7), "Neumann");
    const auto sys = *emu.GetFile(kSystemPfad);
    EXPECT_EQ(sys[23], 64);
    Systemparameter sp{};
    std::memcpy(&sp, sys.data(), sizeof sp);
    EXPECT_EQ(GetCrc(sp.crc), SystemCrc(sp));
}

// ---------------------------------------------------------------- parameter files

TEST_F(Programming, ParameterFileRoundTripsByteForByte) {
    Load();
    const QString file = dir.filePath(QStringLiteral("a.zud"));
    QString error;
    ASSERT_TRUE(wf::SpeichereParameterDatei(*dev, file, &error)) << error.toStdString();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray saved = f.readAll();
    f.close();
    ASSERT_EQ(saved.size(), 25059);
    // Set 6t + p is therapist t, slot p; the system parameters follow.
    EXPECT_EQ(std::memcmp(saved.constData() + (6 * 2 + 3) * 695, &dev->Programme[23], 695), 0);
    EXPECT_EQ(std::memcmp(saved.constData() + 25020, &dev->SystemParameter, 39), 0);

    const auto programme = dev->Programme;
    const auto system = dev->SystemParameter;
    for (auto& s : dev->Programme) {
        std::memset(&s, 0x5A, sizeof s);
    }
    std::memset(&dev->SystemParameter, 0x5A, sizeof dev->SystemParameter);
    wf::ParameterGeladen g;
    ASSERT_TRUE(wf::OeffneParameterDatei(*dev, file, g, &error));
    EXPECT_EQ(g.saetze, 36);
    EXPECT_TRUE(g.system);
    EXPECT_EQ(wf::ParameterDatei(*dev), saved);
    EXPECT_EQ(std::memcmp(&dev->SystemParameter, &system, sizeof system), 0);
    for (int t = 0; t < 6; ++t) {
        for (int p = 0; p < 6; ++p) {
            EXPECT_EQ(std::memcmp(&dev->Programme[size_t(t * 10 + p)], &programme[size_t(t * 10 + p)], 695),
                      0);
        }
        for (int p = 6; p < 10; ++p) {
            // Slots 7..10 are not part of the file and keep what they had.
            const auto& s = dev->Programme[size_t(t * 10 + p)];
            EXPECT_EQ(s.AnzahlAktiv, 0x5A);
        }
    }
    EXPECT_FALSE(wf::OeffneParameterDatei(*dev, dir.filePath(QStringLiteral("fehlt.zud")), g, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("fehlt.zud")));
    EXPECT_FALSE(wf::SpeichereParameterDatei(*dev, dir.filePath(QStringLiteral("nicht/da/x.zud")), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(Programming, ShortParameterFileFillsOnlyAsFarAsItGoes) {
    Load();
    const QByteArray full = wf::ParameterDatei(*dev);
    auto marked = [&] {
        for (auto& s : dev->Programme) {
            std::memset(&s, 0x33, sizeof s);
        }
        std::memset(&dev->SystemParameter, 0x33, sizeof dev->SystemParameter);
    };
    // Two and a half sets: two are taken, the cut one is not.
    marked();
    wf::ParameterGeladen g = wf::LadeParameterDatei(*dev, full.left(695 * 2 + 300));
    EXPECT_EQ(g.saetze, 2);
    EXPECT_FALSE(g.system);
    EXPECT_EQ(std::memcmp(&dev->Programme[0], full.constData(), 695), 0);
    EXPECT_EQ(std::memcmp(&dev->Programme[1], full.constData() + 695, 695), 0);
    EXPECT_EQ(dev->Programme[2].AnzahlAktiv, 0x33);
    EXPECT_EQ(dev->Programme[10].AnzahlAktiv, 0x33);
    EXPECT_EQ(dev->SystemParameter.Helligkeit, 0x33);
    // 38 bytes behind the sets are not the system parameters; 39 are.
    marked();
    g = wf::LadeParameterDatei(*dev, full.left(25020 + 38));
    EXPECT_EQ(g.saetze, 36);
    EXPECT_FALSE(g.system);
    EXPECT_EQ(dev->SystemParameter.Helligkeit, 0x33);
    g = wf::LadeParameterDatei(*dev, full + QByteArray(100, '\x7F'));
    EXPECT_TRUE(g.system);
    EXPECT_EQ(wf::ParameterDatei(*dev), full);
    // An empty file changes nothing.
    marked();
    g = wf::LadeParameterDatei(*dev, QByteArray());
    EXPECT_EQ(g.saetze, 0);
    EXPECT_EQ(dev->Programme[0].AnzahlAktiv, 0x33);
}

TEST_F(Programming, DamagedParameterFileCannotSendValuesOutsideTheFields) {
    Load();
    QByteArray data = wf::ParameterDatei(*dev);
    // Set 20 (therapist 4, slot 3), program 4: stimulation values no field allows.
    const qsizetype prog = 20 * 695 + 2 + 3 * 114;
    data[prog + offsetof(ProgrammParameter, Stromzeit)] = 0;
    data[prog + offsetof(ProgrammParameter, Frequenz1)] = char(255);
    data[prog + offsetof(ProgrammParameter, Impulslaenge2)] = char(250);
    data[prog + offsetof(ProgrammParameter, Anschwellzeit)] = char(200);
    data[prog + offsetof(ProgrammParameter, Abschwellzeit)] = char(200);
    data[prog + offsetof(ProgrammParameter, Timeout)] = char(99);
    const wf::ParameterGeladen g = wf::LadeParameterDatei(*dev, data);
    EXPECT_EQ(g.saetze, 36);
    const Programmeintrag& e = dev->Programme[32].Programme[3];
    EXPECT_EQ(e.Kopf[offsetof(ProgrammParameter, Stromzeit)], 2);
    EXPECT_EQ(e.Kopf[offsetof(ProgrammParameter, Frequenz1)], 200);
    EXPECT_EQ(e.Kopf[offsetof(ProgrammParameter, Impulslaenge2)], 100);
    EXPECT_EQ(e.Kopf[offsetof(ProgrammParameter, Anschwellzeit)] +
                  e.Kopf[offsetof(ProgrammParameter, Abschwellzeit)],
              20);
    EXPECT_EQ(e.Kopf[offsetof(ProgrammParameter, Timeout)], 61);
    // The transfer sends exactly that slot, within the ranges.
    const wf::Uebertragung r = wf::Uebertrage(*dev, {});
    EXPECT_FALSE(r.failed);
    EXPECT_EQ(Written(),
              (std::vector<std::string>{"0:\\system\\temp.dat", "0:\\daten\\th_3\\pat_2\\prog.dat"}));
    const Programmdatei d = DeviceProgram(3, 2);
    EXPECT_EQ(d.Programme[3].Impulslaenge2, 100);
    EXPECT_EQ(d.Programme[3].Frequenz1, 200);
}

// ---------------------------------------------------------------- field rules

TEST_F(Programming, ShownProgramIsClampedIntoItsFieldsAndKeptSo) {
    Load();
    Programmeintrag& e = dev->Programme[0].Programme[2];
    e.Kopf[offsetof(ProgrammParameter, Stromzeit)] = 1;
    e.Kopf[offsetof(ProgrammParameter, Entspannzeit)] = 0;
    e.Kopf[offsetof(ProgrammParameter, Frequenz1)] = 250;
    e.Kopf[offsetof(ProgrammParameter, Impulslaenge2)] = 3;
    e.Kopf[offsetof(ProgrammParameter, Anschwellzeit)] = 15;
    e.Kopf[offsetof(ProgrammParameter, Abschwellzeit)] = 10;
    e.Kopf[offsetof(ProgrammParameter, Timeout)] = 0;
    dev->Programme[0].Folge[0] = 0;
    wf::Programmierung m(*dev);
    m.WaehleTherapeut(0);
    m.WaehlePatient(0);
    m.WaehleProgramm(2);
    EXPECT_EQ(m.Wert(offsetof(ProgrammParameter, Stromzeit)), 2);
    EXPECT_EQ(m.Wert(offsetof(ProgrammParameter, Entspannzeit)), 1);
    EXPECT_EQ(m.Wert(offsetof(ProgrammParameter, Frequenz1)), 200);
    EXPECT_EQ(m.Wert(offsetof(ProgrammParameter, Impulslaenge2)), 8);
    EXPECT_EQ(m.Wert(offsetof(ProgrammParameter, Timeout)), 1);
    // With a current time of 2 s both ramps together take at most 2.0 s.
    EXPECT_EQ(m.Wert(offsetof(ProgrammParameter, Anschwellzeit)), 15);
    EXPECT_EQ(m.Wert(offsetof(ProgrammParameter, Abschwellzeit)), 5);
    EXPECT_EQ(dev->Programme[0].Folge[0], 1);
    // The pulse patterns follow the pulse widths: 8 steps = one zero byte.
    ProgrammParameter p{};
    std::memcpy(&p, e.Kopf, sizeof e.Kopf);
    EXPECT_EQ(p.Impulsform2[0], 0x00);
    EXPECT_EQ(p.Impulsform2[1], 0xFF);
}

TEST_F(Programming, RampsStayWithinTheCurrentTimeAndTheirByte) {
    Load();
    wf::Programmierung m(*dev);
    m.SetStromzeit(2);
    m.SetAbschwellzeit(5);
    EXPECT_EQ(m.SetAnschwellzeit(15), 15);
    EXPECT_EQ(m.AbschwellMax(), 5);
    EXPECT_EQ(m.SetAbschwellzeit(9), 5);
    EXPECT_EQ(m.SetAnschwellzeit(30), 15);
    // A longer current time: the field is one byte.
    m.SetStromzeit(100);
    EXPECT_EQ(m.AnschwellMax(), 255);
    EXPECT_EQ(m.SetAnschwellzeit(300), 255);
    EXPECT_EQ(m.AbschwellMax(), 255);
    EXPECT_EQ(m.SetAbschwellzeit(255), 255);
    // A shorter current time takes both ramps with it.
    m.SetStromzeit(3);
    const int an = m.Wert(offsetof(ProgrammParameter, Anschwellzeit));
    const int ab = m.Wert(offsetof(ProgrammParameter, Abschwellzeit));
    EXPECT_LE(an + ab, 30);
    EXPECT_GE(ab, 1);
    EXPECT_EQ(m.SetStromzeit(0), 2);
    EXPECT_EQ(m.SetStromzeit(999), 255);
}

TEST_F(Programming, FieldRangesAndTexts) {
    Load();
    wf::Programmierung m(*dev);
    EXPECT_EQ(m.SetAnspannzeit(-3), 0);
    EXPECT_EQ(m.SetEntspannzeit(0), 1);
    EXPECT_EQ(m.SetPausenzeit(256), 255);
    EXPECT_EQ(m.SetFrequenz(1, 1), 2);
    EXPECT_EQ(m.SetFrequenz(2, 201), 200);
    EXPECT_EQ(m.SetTimeout(62), 61);
    EXPECT_EQ(wf::UebungsdauerText(61), QStringLiteral("Dauerbetrieb"));
    EXPECT_EQ(wf::UebungsdauerText(60), QStringLiteral("60min"));
    EXPECT_EQ(m.SetImpulslaenge(1, 24), 24);
    EXPECT_TRUE(m.SetMittelfrequenz(true));
    ProgrammParameter p{};
    std::memcpy(&p, m.Eintrag().Kopf, sizeof m.Eintrag().Kopf);
    const uint8_t mf24[13] = {0x55, 0x0F, 0x55, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(std::memcmp(p.Impulsform1, mf24, 13), 0);
    EXPECT_EQ(p.Stromform, 1);
    // Typed values: clamped; not a number keeps the focus.
    EXPECT_EQ(wf::GepruefteEingabe(QStringLiteral("500"), 1, 255), std::optional<int>(255));
    EXPECT_EQ(wf::GepruefteEingabe(QStringLiteral("0"), 2, 200), std::optional<int>(2));
    EXPECT_EQ(wf::GepruefteEingabe(QStringLiteral("99999999999999"), 2, 200), std::optional<int>(200));
    EXPECT_FALSE(wf::GepruefteEingabe(QStringLiteral(""), 0, 255));
    EXPECT_FALSE(wf::GepruefteEingabe(QStringLiteral("1a"), 0, 255));
}

TEST_F(Programming, NameOf25CharactersLeavesTheElectrodePosition) {
    Load();
    wf::Programmierung m(*dev);
    m.Eintrag().ElektrodenPosition = 3;
    EXPECT_EQ(m.SetName(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ-zu-lang")),
              QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"));
    EXPECT_EQ(m.Eintrag().ElektrodenPosition, 3);
    EXPECT_EQ(m.Name(), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"));
    m.SetName(QStringLiteral("Kurz"));
    EXPECT_EQ(m.Eintrag().Name[4], 0);
    EXPECT_EQ(m.Eintrag().Name[24], 0);
    EXPECT_EQ(m.Eintrag().ElektrodenPosition, 3);
}

TEST_F(Programming, ModesPerModelAndTab) {
    EXPECT_EQ(wf::AngeboteneBetriebsarten(1, 0), (QList<int>{1}));
    EXPECT_EQ(wf::AngeboteneBetriebsarten(1, 5), (QList<int>{1, 9}));
    EXPECT_EQ(wf::AngeboteneBetriebsarten(4, 5), (QList<int>{1, 10, 9}));
    EXPECT_EQ(wf::AngeboteneBetriebsarten(5, 2), (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(wf::AngeboteneBetriebsarten(7, 5), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 10, 9}));
    EXPECT_EQ(wf::Elektrodenbilder(6).size(), 32);
    EXPECT_EQ(wf::Elektrodenbilder(6)[4], 6);
    EXPECT_EQ(wf::Elektrodenbilder(3), (QList<int>{1, 2}));
    EXPECT_TRUE(wf::RegelnFuer(9).folgeSichtbar);
    EXPECT_FALSE(wf::RegelnFuer(9).elektrodenSichtbar);
    EXPECT_FALSE(wf::RegelnFuer(9).zeitenOffen);
    EXPECT_FALSE(wf::RegelnFuer(5).zeitenOffen);
    EXPECT_TRUE(wf::RegelnFuer(3).stromzeitSichtbar);
    EXPECT_FALSE(wf::RegelnFuer(1).stromzeitSichtbar);

    Load(); // demo device: type code 0 = model 1
    wf::Programmierung m(*dev);
    m.WaehleProgramm(0);
    EXPECT_FALSE(m.SetBetriebsart(9));
    EXPECT_FALSE(m.SetBetriebsart(2));
    m.WaehleProgramm(5);
    EXPECT_TRUE(m.SetBetriebsart(9));
    EXPECT_EQ(m.Wert(2), 8);
}

TEST_F(Programming, ElectrodePictureStepsStayInTheModelsList) {
    Load();
    wf::Programmierung m(*dev);
    m.Eintrag().ElektrodenPosition = 0;
    EXPECT_FALSE(m.KannZurueck());
    EXPECT_TRUE(m.BildVor());
    EXPECT_TRUE(m.BildVor());
    EXPECT_TRUE(m.BildVor());
    EXPECT_FALSE(m.BildVor());
    EXPECT_EQ(m.Bildnummer(), 4);
    // A stored position beyond the list shows nothing and steps back into it.
    m.Eintrag().ElektrodenPosition = 9;
    EXPECT_EQ(m.Bildnummer(), 0);
    EXPECT_FALSE(m.KannVor());
    EXPECT_TRUE(m.BildZurueck());
    EXPECT_EQ(m.Eintrag().ElektrodenPosition, 3);
}

TEST_F(Programming, ProgramSequenceRules) {
    Load();
    wf::Programmierung m(*dev);
    Programmsatz& s = m.Satz();
    const uint8_t fuenf[6] = {1, 2, 3, 4, 5, 0};
    std::memcpy(s.Folge, fuenf, 6);
    s.FolgeLaenge = 5;
    auto l = m.Folge();
    EXPECT_TRUE(l[5].enabled);
    EXPECT_EQ(l[0].entry, 0);
    EXPECT_EQ(l[4].entry, 5);
    EXPECT_TRUE(m.SetFolgeSchritt(3, 0));
    EXPECT_EQ(s.FolgeLaenge, 2);
    EXPECT_EQ(s.Folge[2], 0);
    EXPECT_EQ(s.Folge[3], 0);
    EXPECT_EQ(s.Folge[4], 0);
    l = m.Folge();
    EXPECT_TRUE(l[2].enabled);
    EXPECT_FALSE(l[3].enabled);
    EXPECT_FALSE(m.SetFolgeSchritt(4, 2));
    // Adding a step lengthens the sequence.
    EXPECT_TRUE(m.SetFolgeSchritt(3, 4));
    EXPECT_EQ(s.Folge[2], 4);
    EXPECT_EQ(s.FolgeLaenge, 3);
    EXPECT_TRUE(m.SetFolgeSchritt(1, 4));
    EXPECT_EQ(s.Folge[0], 5);
    EXPECT_FALSE(m.SetFolgeSchritt(1, 5));
    EXPECT_FALSE(m.SetFolgeSchritt(2, 6));
}

TEST_F(Programming, SelectionActivationPatientsAndCopies) {
    Load();
    wf::Programmierung m(*dev);
    dev->Therapeuten[2].Anzahl = 4;
    m.WaehleTherapeut(2);
    EXPECT_EQ(m.Patient(), 4);
    dev->Therapeuten[3].Anzahl = 8; // not a slot of this window
    m.WaehleTherapeut(3);
    EXPECT_EQ(m.Patient(), 0);

    // Activation counts programs and names the first.
    Programmsatz& s = m.Satz();
    for (int k = 0; k < 6; ++k) {
        m.WaehleProgramm(k);
        m.SetAktiviert(k == 3 || k == 4);
    }
    EXPECT_EQ(s.AnzahlAktiv, 2);
    EXPECT_EQ(s.ErstesAktiv, 3);
    m.WaehleProgramm(3);
    m.SetAktiviert(false);
    m.WaehleProgramm(4);
    m.SetAktiviert(false);
    EXPECT_EQ(s.AnzahlAktiv, 0);
    EXPECT_EQ(s.ErstesAktiv, 4); // unchanged when none is active

    // Without patient selection therapist 1 / patient 1 only.
    dev->SystemParameter.Patauswahl = 0;
    dev->SystemParameter.AktTherapeut = 3;
    dev->SystemParameter.AktPatient = 2;
    dev->Therapeuten[0].Anzahl = 3;
    EXPECT_FALSE(m.Patientenauswahl());
    EXPECT_EQ(m.Therapeut(), 0);
    EXPECT_EQ(m.Patient(), 0);
    EXPECT_EQ(dev->SystemParameter.AktTherapeut, 0);
    EXPECT_EQ(dev->SystemParameter.AktPatient, 0);

    // Removing and assigning patients.
    EXPECT_TRUE(m.Belegt(0, 0));
    m.Entfernen();
    EXPECT_FALSE(m.Belegt(0, 0));
    EXPECT_EQ(dev->Patienten[0].Geburtsdatum, kGeburtsdatumLeer);
    m.Zuweisen(QString(40, QLatin1Char('N')), QStringLiteral("Ida"), QDate(1950, 1, 2));
    EXPECT_TRUE(m.Belegt(0, 0));
    EXPECT_EQ(wf::Name(dev->Patienten[0]).size(), 30);
    EXPECT_EQ(dev->Patienten[0].Geburtsdatum, kGeburtsdatumLeer + 86400);
    m.AlleEntfernen();
    for (int t = 0; t < 6; ++t) {
        for (int p = 0; p < 6; ++p) {
            EXPECT_FALSE(m.Belegt(t, p));
        }
    }
    m.AlleTherapeutenEntfernen();
    EXPECT_TRUE(wf::Name(dev->Therapeuten[5]).isEmpty());

    // Copy and paste of a patient's set, then of a therapist's ten.
    const Programmsatz quelle = dev->Programme[13];
    m.WaehleTherapeut(1);
    m.WaehlePatient(3);
    m.KopierePatient();
    EXPECT_EQ(wf::Programmierung::PufferArt(), wf::Puffer::Patient);
    EXPECT_FALSE(m.FuegeTherapeutEin());
    m.WaehleTherapeut(4);
    m.WaehlePatient(2);
    EXPECT_TRUE(m.FuegePatientEin());
    EXPECT_EQ(dev->Programme[42].Programme[0].Kopf[3], quelle.Programme[0].Kopf[3]);
    EXPECT_EQ(std::memcmp(dev->Programme[42].Programme[1].Name, quelle.Programme[1].Name, 50), 0);
    m.WaehleTherapeut(0);
    m.KopiereTherapeut();
    EXPECT_FALSE(m.FuegePatientEin());
    const auto therapeut0 = dev->Programme;
    m.WaehleTherapeut(5);
    EXPECT_TRUE(m.FuegeTherapeutEin());
    for (int p = 0; p < 10; ++p) {
        EXPECT_EQ(std::memcmp(dev->Programme[size_t(50 + p)].Programme[0].Name,
                              therapeut0[size_t(p)].Programme[0].Name, 50),
                  0);
    }
}

// ---------------------------------------------------------------- application change

TEST_F(Programming, ApplicationChangeSwitchesDeletesAllSixtySlotsAndResets) {
    ASSERT_NO_THROW(wf::StarteAnwendungswechsel(*dev));
    EXPECT_TRUE(dev->ComOpen);
    ASSERT_TRUE(emu.WaitIdle());
    EXPECT_EQ(emu.Screen(), 199);
    EXPECT_EQ(dev->Anwendungen.Aktiv, 1);
    const auto infoVorher = emu.Infoblock();
    emu.ClearLog();
    std::vector<int> positions;
    wf::ProgrammCallbacks cb;
    cb.progress = [&](const QString&, int position, int maximum) {
        if (maximum == 60) {
            positions.push_back(position);
        }
    };
    const wf::Anwendungswechsel r = wf::WechsleAnwendung(*dev, 9, cb);
    EXPECT_FALSE(r.failed) << r.error.toStdString();
    EXPECT_EQ(r.geaendert, 1);
    EXPECT_EQ(r.geloescht, 60);
    ASSERT_TRUE(emu.WaitIdle());
    const auto info = emu.Infoblock();
    EXPECT_EQ(info[0], 50);              // type code of application 9
    EXPECT_EQ(info[14 + 2], 9);          // Aktiv
    EXPECT_EQ(info[14], infoVorher[14]); // the enabled set goes back as read
    EXPECT_TRUE(std::equal(info.begin() + 46, info.end(), infoVorher.begin() + 46));
    EXPECT_EQ(emu.FlashReloads(), 1);
    EXPECT_EQ(emu.FactoryResets(), 1);
    EXPECT_EQ(emu.Resets(), 1);
    EXPECT_EQ(Deleted().size(), 60u);
    EXPECT_EQ(Deleted().back(), (std::pair<int, int>{5, 9}));
    EXPECT_EQ(positions.size(), 60u);
    EXPECT_EQ(positions.back(), 60);
    EXPECT_FALSE(dev->ComOpen);
    for (const std::string& f : emu.ListFiles()) {
        EXPECT_FALSE(Lower(f).ends_with(".hdf")) << f;
    }
}

TEST_F(Programming, ApplicationChangeWithoutRecordOrWriteDeletesNothing) {
    // The record cannot be read: the window is not opened.
    emu.InjectFault({'i', FaultKind::Silence});
    EXPECT_THROW(wf::StarteAnwendungswechsel(*dev), wf::WorkflowError);
    ASSERT_TRUE(emu.WaitIdle());
    EXPECT_EQ(emu.Screen(), 0);
    emu.ClearFaults();

    ASSERT_NO_THROW(wf::StarteAnwendungswechsel(*dev));
    ASSERT_TRUE(emu.WaitIdle());
    emu.ClearLog();
    emu.InjectFault({'i', FaultKind::Silence});
    const wf::Anwendungswechsel r = wf::WechsleAnwendung(*dev, 2);
    EXPECT_TRUE(r.failed);
    ASSERT_TRUE(emu.WaitIdle());
    EXPECT_TRUE(Deleted().empty());
    EXPECT_EQ(emu.FactoryResets(), 0);
    EXPECT_EQ(emu.Screen(), 0);

    // Closing without a switch gives the screen back.
    emu.ClearFaults();
    ASSERT_NO_THROW(wf::StarteAnwendungswechsel(*dev));
    wf::EndeAnwendungswechsel(*dev);
    ASSERT_TRUE(emu.WaitIdle());
    EXPECT_EQ(emu.Screen(), 0);
    EXPECT_FALSE(dev->ComOpen);
    EXPECT_EQ(wf::AnwendungsName(12), QStringLiteral("Anwendung 12"));
    EXPECT_TRUE(wf::AnwendungsName(13).isEmpty());
}

TEST_F(Programming, SwitchToTheActiveApplicationStillDeletesAndResets) {
    ASSERT_NO_THROW(wf::StarteAnwendungswechsel(*dev));
    const wf::Anwendungswechsel r = wf::WechsleAnwendung(*dev, dev->Anwendungen.Aktiv);
    EXPECT_FALSE(r.failed);
    EXPECT_EQ(r.geaendert, 0);
    EXPECT_EQ(r.geloescht, 60);
    ASSERT_TRUE(emu.WaitIdle());
    EXPECT_EQ(emu.FactoryResets(), 1);
    EXPECT_EQ(emu.Resets(), 1);
}

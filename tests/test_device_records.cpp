// Reading and writing the device's data files against the emulated device.

#include "EmuFixture.h"

#include <cstring>

using namespace zud;
using namespace zud::test;
using emu::FaultKind;

namespace {

class DeviceRecords : public EmuTest {
protected:
    template <typename T> void Put(const std::string& path, const T& rec) {
        const auto* p = reinterpret_cast<const uint8_t*>(&rec);
        emu.PutFile(path, std::vector<uint8_t>(p, p + sizeof rec));
    }
    template <typename T> T Get(const std::string& path) {
        T rec{};
        const auto data = emu.GetFile(path);
        EXPECT_TRUE(data && data->size() == sizeof rec) << path;
        if (data && data->size() == sizeof rec) {
            std::memcpy(&rec, data->data(), sizeof rec);
        }
        return rec;
    }
    int Writes() {
        int n = 0;
        for (const auto& c : emu.Commands()) {
            n += c.code == 'W';
        }
        return n;
    }

    Programmdatei SomePrograms() {
        Programmdatei d{};
        d.AnzahlAktiv = 1;
        for (int i = 0; i < 6; ++i) {
            d.Programme[i].Nummer = static_cast<uint8_t>(i + 1);
            d.Programme[i].Impulslaenge1 = 20;
            d.Programme[i].crc[0] = 0x77;
        }
        d.Programme[0].Aktiviert = 1;
        const char name[] = "Beckenboden";
        std::memcpy(d.Programme[0].Name, name, sizeof name - 1);
        d.Folge[0] = 1;
        SetProgrammdateiCrc(d);
        return d;
    }
};

} // namespace

TEST_F(DeviceRecords, ProgramsReadThenWrittenOnlyWhenChanged) {
    const Programmdatei d = SomePrograms();
    Put(ProgrammPfad(2, 3), d);
    ASSERT_TRUE(dev->ReadProgramData(2, 3));
    EXPECT_EQ(FeldText(dev->Programme[23].Programme[0].Name, 25), u"Beckenboden");

    emu.ClearLog();
    ASSERT_TRUE(dev->WriteProgramData(2, 3));
    EXPECT_EQ(Writes(), 0); // no edit, nothing sent

    // An edit with a national letter (French device).
    dev->SystemParameter.Sprache = 2;
    SetFeldText(dev->Programme[23].Programme[1].Name, 25, u"Périnée");
    dev->Programme[23].Programme[1].Kopf[3] = 9; // Anspannzeit
    ASSERT_TRUE(dev->WriteProgramData(2, 3));
    EXPECT_EQ(Writes(), 1);
    EXPECT_FALSE(dev->ConvertError);
    const auto written = Get<Programmdatei>(ProgrammPfad(2, 3));
    EXPECT_TRUE(ProgrammdateiCrcOk(written));
    EXPECT_EQ(written.Programme[1].Anspannzeit, 9);
    EXPECT_EQ(written.Programme[1].Name[1], 14);  // é
    EXPECT_EQ(written.Programme[1].crc[0], 0x77); // carried
    ASSERT_TRUE(dev->WriteProgramData(2, 3));
    EXPECT_EQ(Writes(), 1); // the second transfer sends nothing

    // Read back into a fresh device object: the same text.
    TZUD12 other;
    other.ComPort = dev->ComPort;
    dev->close();
    other.open();
    other.SystemParameter.Sprache = 2;
    ASSERT_TRUE(other.ReadProgramData(2, 3));
    EXPECT_EQ(FeldText(other.Programme[23].Programme[1].Name, 25), u"Périnée");
}

TEST_F(DeviceRecords, DamagedProgramFileLeavesTheSlotAlone) {
    Put(ProgrammPfad(0, 0), SomePrograms());
    ASSERT_TRUE(dev->ReadProgramData(0, 0));
    Programmdatei bad = SomePrograms();
    bad.Programme[0].Name[0] = 'X'; // after the checksum was made
    Put(ProgrammPfad(0, 0), bad);
    EXPECT_FALSE(dev->ReadProgramData(0, 0));
    EXPECT_EQ(LogCount(QStringLiteral("ReadProgramData (crc)")), 1);
    EXPECT_EQ(FeldText(dev->Programme[0].Programme[0].Name, 25), u"Beckenboden");
    EXPECT_EQ(dev->Programme_ZUD12_ori[0].Programme[0].Name[0], 'B');

    // A short file is as damaged.
    emu.PutFile(ProgrammPfad(0, 1), std::vector<uint8_t>(100, 0));
    EXPECT_FALSE(dev->ReadProgramData(0, 1));
    // A failed first read is tried once more.
    Put(ProgrammPfad(0, 2), SomePrograms());
    emu.InjectFault({'R', FaultKind::Silence});
    EXPECT_TRUE(dev->ReadProgramData(0, 2));
    EXPECT_EQ(LogCount(QStringLiteral("ReadFile (timeout): Command: \"R\" InBufUsed: 0")), 1);
    // Closed port: nothing happens.
    dev->close();
    EXPECT_FALSE(dev->ReadProgramData(0, 2));
    EXPECT_FALSE(dev->WriteProgramData(0, 2));
}

TEST_F(DeviceRecords, DefaultFilesGoToTheModelFolder) {
    dev->Typ = 4;
    SetFeldText(dev->Programme[0].Programme[0].Name, 25, u"Standard");
    ASSERT_TRUE(dev->WriteDefProgramData());
    const auto def = Get<Programmdatei>(DefProgrammPfad(4));
    EXPECT_TRUE(ProgrammdateiCrcOk(def));
    EXPECT_EQ(def.Programme[0].Name[0], 'S');
    dev->SystemParameter.Helligkeit = 77;
    ASSERT_TRUE(dev->WriteDefSystemParams());
    EXPECT_EQ(Get<Systemparameter>(DefSystemPfad(4)).Helligkeit, 77);
    EXPECT_EQ(dev->SystemParameter_ZUD12_ori.Helligkeit, 0); // not touched

    dev->Typ = 0;
    EXPECT_FALSE(dev->WriteDefProgramData());
    EXPECT_FALSE(dev->WriteDefSystemParams());
}

TEST_F(DeviceRecords, SystemParametersIncremental) {
    Systemparameter s{};
    s.Sprache = 1;
    s.Helligkeit = 64;
    PutCrc(s.crc, SystemCrc(s));
    Put(kSystemPfad, s);
    ASSERT_TRUE(dev->ReadSystemParams());
    EXPECT_EQ(dev->SystemParameter.Helligkeit, 64);
    emu.ClearLog();
    ASSERT_TRUE(dev->WriteSystemParams());
    EXPECT_EQ(Writes(), 0);
    dev->SystemParameter.Helligkeit = 100;
    dev->GenerateSysCRC();
    ASSERT_TRUE(dev->WriteSystemParams());
    EXPECT_EQ(Writes(), 1);
    const auto w = Get<Systemparameter>("0:\\SYSTEM\\SYSPARA.DAT");
    EXPECT_EQ(w.Helligkeit, 100);
    EXPECT_EQ(GetCrc(w.crc), SystemCrc(w));
    ASSERT_TRUE(dev->WriteSystemParams());
    EXPECT_EQ(Writes(), 1);

    // A failed write is tried again by the next transfer.
    dev->SystemParameter.Helligkeit = 120;
    emu.InjectFault({'W', FaultKind::Silence});
    EXPECT_FALSE(dev->WriteSystemParams());
    Recover();
    ASSERT_TRUE(dev->WriteSystemParams());
    EXPECT_EQ(Get<Systemparameter>(kSystemPfad).Helligkeit, 120);
}

TEST_F(DeviceRecords, PatientListKeepsTheSlotsTheProgramDoesNotEdit) {
    std::array<Stammdaten, 10> pats{};
    for (int p = 0; p < 10; ++p) {
        pats[p].Anzahl = static_cast<uint16_t>(p);
        pats[p].Name[0] = static_cast<uint8_t>('A' + p);
        pats[p].Geburtsdatum = kGeburtsdatumLeer + p;
        pats[p].ReserviertByte = static_cast<uint8_t>(0xC0 + p);
        pats[p].Text5[3] = static_cast<uint8_t>(p);
    }
    Put(PatientenPfad(3), pats);
    ASSERT_TRUE(dev->ReadPatientData(3));
    EXPECT_EQ(dev->Patienten[32].Name[0], u'C');
    EXPECT_EQ(dev->Patienten[32].Loeschen, 0);
    emu.ClearLog();
    ASSERT_TRUE(dev->WritePatientData(3));
    EXPECT_EQ(Writes(), 0);

    dev->SystemParameter.Sprache = 3;
    SetFeldText(dev->Patienten[32].Vorname.data(), 30, u"Łucja");
    dev->Patienten[32].Loeschen = 1; // memory only
    ASSERT_TRUE(dev->WritePatientData(3));
    EXPECT_EQ(Writes(), 1);
    const auto written = Get<std::array<Stammdaten, 10>>(PatientenPfad(3));
    EXPECT_EQ(written[2].Vorname[0], 7); // Ł in Polish
    for (int p = 0; p < 10; ++p) {
        if (p == 2) {
            continue;
        }
        EXPECT_EQ(std::memcmp(&written[p], &pats[p], sizeof(Stammdaten)), 0) << "slot " << p;
    }
    EXPECT_EQ(written[2].ReserviertByte, 0xC2);
}

TEST_F(DeviceRecords, TherapistsRoundTrip) {
    std::array<Stammdaten, 6> ther{};
    for (int t = 0; t < 6; ++t) {
        ther[t].Name[0] = static_cast<uint8_t>('K' + t);
        ther[t].Anzahl = static_cast<uint16_t>(t);
    }
    Put(kTherapeutenPfad, ther);
    ASSERT_TRUE(dev->ReadTherapeutData());
    emu.ClearLog();
    ASSERT_TRUE(dev->WriteTherapeutData());
    EXPECT_EQ(Writes(), 0);
    dev->Therapeuten[5].Anzahl = 9;
    ASSERT_TRUE(dev->WriteTherapeutData());
    EXPECT_EQ(Get<decltype(ther)>(kTherapeutenPfad)[5].Anzahl, 9);
}

TEST_F(DeviceRecords, CodesWithAndWithoutTempDat) {
    ASSERT_TRUE(dev->ReadCodeData());
    EXPECT_EQ(uint16_t{dev->Codes_ZUD12.Code[2]}, 7148);
    const auto* raw = reinterpret_cast<const uint8_t*>(&dev->Codes_ZUD12);
    EXPECT_EQ(GetCrc(raw + 12), Crc16(raw, 12));
    EXPECT_TRUE(LastCommand('R').empty()); // nothing to read

    // The next transfer writes Temp.dat, every time.
    dev->Codes_ZUD12.Code[2] = 1234;
    ASSERT_TRUE(dev->WriteCodeData());
    ASSERT_TRUE(dev->WriteCodeData());
    EXPECT_EQ(Writes(), 2);
    const auto stored = Get<Codes>(kCodesPfad);
    EXPECT_EQ(uint16_t{stored.Code[2]}, 1234);
    EXPECT_EQ(GetCrc(stored.crc), Crc16(reinterpret_cast<const uint8_t*>(&stored), 12));

    TZUD12 other;
    other.ComPort = dev->ComPort;
    dev->close();
    other.open();
    ASSERT_TRUE(other.ReadCodeData());
    EXPECT_EQ(uint16_t{other.Codes_ZUD12.Code[2]}, 1234);
}

TEST_F(DeviceRecords, NamesInAllFiveLanguagesSurviveTheDevice) {
    const std::u16string names[5][2] = {{u"Müller", u"Jürgen"},
                                        {u"Weiß", u"Käthe"},
                                        {u"Lefèvre", u"Françoise"},
                                        {u"Wałęsa", u"Łucja"},
                                        {u"Niccolò", u"Lucía"}};
    for (int sprache = 0; sprache <= 4; ++sprache) {
        std::array<Stammdaten, 10> leer{};
        Put(PatientenPfad(1), leer);
        ASSERT_TRUE(dev->ReadPatientData(1));
        dev->SystemParameter.Sprache = static_cast<uint8_t>(sprache);
        dev->ConvertError = false;
        SetFeldText(dev->Patienten[10].Name.data(), 30, names[sprache][0]);
        SetFeldText(dev->Patienten[10].Vorname.data(), 30, names[sprache][1]);
        ASSERT_TRUE(dev->WritePatientData(1));
        EXPECT_FALSE(dev->ConvertError) << "Sprache " << sprache;

        TZUD12 other;
        other.ComPort = dev->ComPort;
        dev->close();
        other.open();
        other.SystemParameter.Sprache = static_cast<uint8_t>(sprache);
        ASSERT_TRUE(other.ReadPatientData(1));
        EXPECT_EQ(FeldText(other.Patienten[10].Name.data(), 30), names[sprache][0]);
        EXPECT_EQ(FeldText(other.Patienten[10].Vorname.data(), 30), names[sprache][1]);
        other.close();
        dev->open();
    }
}

TEST_F(DeviceRecords, BytesNobodyEditedStayAsTheyWere) {
    // Erased flash (0xFF) behind the names, a Latin-1 letter stored as its own byte that is also
    // a national letter (0xC4 = Ä), one that is not (0xE9 = é), and a free national code.
    std::array<Stammdaten, 10> pats{};
    for (auto& p : pats) {
        std::memset(&p, 0xFF, sizeof p);
        p.Geburtsdatum = kGeburtsdatumLeer;
        p.Name[0] = 0;
        p.Vorname[0] = 0;
    }
    const uint8_t name[] = {'M', 0xC4, 'r', 'z', 0xE9, 0x01, 0x0A, 0};
    std::memcpy(pats[0].Name, name, sizeof name);
    pats[0].Geburtsdatum = 1000000000;
    Put(PatientenPfad(1), pats);

    Systemparameter sys{};
    sys.Sprache = 0;
    PutCrc(sys.crc, SystemCrc(sys));
    Put(kSystemPfad, sys);
    ASSERT_TRUE(dev->ReadSystemParams());
    ASSERT_TRUE(dev->ReadPatientData(1));
    EXPECT_EQ(dev->Patienten[10].Name[1], u'Ä');
    EXPECT_EQ(dev->Patienten[10].Name[4], u'é');
    // A slot is empty by its names up to the first zero, whatever follows.
    EXPECT_FALSE(IstLeer(dev->Patienten[10]));
    EXPECT_TRUE(IstLeer(dev->Patienten[11]));

    emu.ClearLog();
    dev->ConvertError = false;
    ASSERT_TRUE(dev->WritePatientData(1));
    EXPECT_EQ(Writes(), 0);
    EXPECT_FALSE(dev->ConvertError);

    // An edit of one slot changes that slot's edited character only.
    dev->Patienten[11].Name[0] = u'Ö';
    ASSERT_TRUE(dev->WritePatientData(1));
    EXPECT_EQ(Writes(), 1);
    auto expected = pats;
    expected[1].Name[0] = 3; // Ö in German
    const auto written = Get<std::array<Stammdaten, 10>>(PatientenPfad(1));
    EXPECT_EQ(std::memcmp(written.data(), expected.data(), sizeof written), 0);
    EXPECT_FALSE(dev->ConvertError);

    // The same for program names padded with erased flash.
    Programmdatei d = SomePrograms();
    for (auto& p : d.Programme) {
        std::memset(p.Name + 12, 0xFF, sizeof p.Name - 12);
    }
    d.Programme[1].Name[0] = 0xC4;
    SetProgrammdateiCrc(d);
    Put(ProgrammPfad(1, 1), d);
    ASSERT_TRUE(dev->ReadProgramData(1, 1));
    emu.ClearLog();
    ASSERT_TRUE(dev->WriteProgramData(1, 1));
    EXPECT_EQ(Writes(), 0);
    EXPECT_FALSE(dev->ConvertError);
}

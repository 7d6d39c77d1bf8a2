// The service command line against the emulated device: in process, and as programs.

#include "Demo.h"
#include "EmuFixture.h"
#include "Recording.h"
#include "TestEnv.h"
#include "ZudctlRunner.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <cstring>
#include <set>
#include <sys/resource.h>

using namespace zud;
using namespace zud::test;
using emu::FaultKind;

namespace {

class Zudctl : public EmuTest {
protected:
    void SetUp() override {
        EmuTest::SetUp();
        dev.reset(); // zudctl opens the port itself
    }

    int Run(const QStringList& args) {
        return RunCtl(QStringList{QStringLiteral("--port"), QString::fromStdString(emu.SlavePath()),
                                  QStringLiteral("--log"), logFile} +
                          args,
                      out, err);
    }

    QString out;
    QString err;
};

} // namespace

TEST_F(Zudctl, InfoPrintsTheIdentity) {
    emu::Identity id;
    id.Typ = 34;
    id.Kunde = 2;
    id.SN = "SN0815";
    emu.SetIdentity(id);
    ASSERT_EQ(Run({QStringLiteral("info")}), 0) << err.toStdString();
    EXPECT_EQ(out,
              QStringLiteral("firmware: ZUD12 V00540\nfirmware-date: 15.03.2024\nfirmware-time: 10:30:00\n"
                             "type-code: 34\nmodel-index: 11\ncustomer: 2\nserial: SN0815\n"));
    // The conversation ends on the normal screen.
    EXPECT_EQ(emu.Screen(), 0);
    const auto cmds = emu.Commands();
    ASSERT_GE(cmds.size(), 4u);
    EXPECT_EQ(cmds.back().bytes, Frame('D', {0}));
}

TEST_F(Zudctl, FilesRoundTrip) {
    emu.PutFile("0:\\Daten\\Th_0\\Pat_0\\Eins.hdf", Pattern(2500), FatDate(2024, 5, 6), FatTime(7, 8, 10),
                42);
    emu.PutFile("0:\\Daten\\Th_0\\Pat_0\\Prog.dat", Pattern(545), FatDate(2023, 12, 31), FatTime(23, 59, 58),
                0);
    ASSERT_EQ(Run({QStringLiteral("ls"), QStringLiteral("0:\\Daten\\Th_0\\Pat_0")}), 0);
    EXPECT_EQ(out, QStringLiteral("Eins.hdf;2024-05-06;07:08:10;42\nProg.dat;2023-12-31;23:59:58;0\n"));
    ASSERT_EQ(Run({QStringLiteral("ls"), QStringLiteral("0:\\Daten\\Th_0\\Pat_0"), QStringLiteral("*.dat")}),
              0);
    EXPECT_EQ(out, QStringLiteral("Prog.dat;2023-12-31;23:59:58;0\n"));

    const QString local = dir.filePath(QStringLiteral("eins.hdf"));
    ASSERT_EQ(Run({QStringLiteral("get"), QStringLiteral("0:\\Daten\\Th_0\\Pat_0\\Eins.hdf"), local}), 0);
    QFile f(local);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(FromQ(f.readAll()), Pattern(2500));

    ASSERT_EQ(Run({QStringLiteral("put"), local, QStringLiteral("0:\\System\\Kopie.hdf")}), 0);
    EXPECT_EQ(emu.GetFile("0:\\System\\Kopie.hdf"), Pattern(2500));
    ASSERT_EQ(Run({QStringLiteral("rm"), QStringLiteral("0:\\System\\Kopie.hdf")}), 0);
    EXPECT_FALSE(emu.HasFile("0:\\System\\Kopie.hdf"));

    // A failed command: the German message and the log line, exit 1, no file left behind.
    const QString missing = dir.filePath(QStringLiteral("fehlt.hdf"));
    EXPECT_EQ(Run({QStringLiteral("get"), QStringLiteral("0:\\System\\Kopie.hdf"), missing}), 1);
    EXPECT_EQ(err, QStringLiteral(
                       "Während der Kommunikation ist ein Fehler aufgetreten!\nReadFile (file not found)\n"));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(Run({QStringLiteral("rm"), QStringLiteral("0:\\System\\Kopie.hdf")}), 1);
    EXPECT_EQ(emu.Screen(), 0);
}

TEST_F(Zudctl, DirectoriesAndMaintenance) {
    ASSERT_EQ(Run({QStringLiteral("stat"), QStringLiteral("0:\\Neu")}), 0);
    EXPECT_EQ(out, QStringLiteral("status: 4\n"));
    ASSERT_EQ(Run({QStringLiteral("mkdir"), QStringLiteral("0:\\Neu")}), 0);
    ASSERT_EQ(Run({QStringLiteral("stat"), QStringLiteral("0:\\Neu")}), 0);
    EXPECT_EQ(out, QStringLiteral("status: 0\n"));

    emu.PutFile("0:\\Daten\\Th_1\\Pat_9\\X.hdf", Pattern(10));
    ASSERT_EQ(Run({QStringLiteral("delete-exercises"), QStringLiteral("1"), QStringLiteral("9")}), 0);
    EXPECT_FALSE(emu.HasFile("0:\\Daten\\Th_1\\Pat_9\\X.hdf"));

    ASSERT_EQ(Run({QStringLiteral("app-data")}), 0);
    EXPECT_EQ(out, QStringLiteral("active: 1\nenabled: 0xFFF\n"));
    // Both wipe the device's recordings: never without an explicit yes.
    emu.ClearLog();
    EXPECT_EQ(Run({QStringLiteral("set-app"), QStringLiteral("2")}), 2);
    EXPECT_EQ(Run({QStringLiteral("factory-reset")}), 2);
    EXPECT_TRUE(err.contains(QStringLiteral("--yes")));
    EXPECT_TRUE(emu.Commands().empty());
    ASSERT_EQ(Run({QStringLiteral("set-app"), QStringLiteral("--yes"), QStringLiteral("2")}), 0);
    EXPECT_EQ(out, QStringLiteral("changed: 1\n"));
    EXPECT_EQ(emu.Infoblock()[0], 10);
    EXPECT_EQ(emu.FlashReloads(), 1);
    ASSERT_EQ(Run({QStringLiteral("set-app"), QStringLiteral("2"), QStringLiteral("--yes")}), 0);
    EXPECT_EQ(out, QStringLiteral("changed: 0\n"));

    ASSERT_EQ(Run({QStringLiteral("set-clock"), QStringLiteral("2008-01-02T00:00:00")}), 0);
    EXPECT_EQ(emu.ClockSeconds(), 86400u);
    ASSERT_EQ(Run({QStringLiteral("set-clock")}), 0);
    EXPECT_GT(*emu.ClockSeconds(), 86400u * 365 * 18);

    emu.PutFile("0:\\Daten\\Th_0\\Pat_0\\X.hdf", Pattern(10));
    ASSERT_EQ(Run({QStringLiteral("factory-reset"), QStringLiteral("--yes")}), 0);
    EXPECT_EQ(emu.FactoryResets(), 1);
    EXPECT_EQ(emu.Resets(), 1);
    EXPECT_TRUE(emu.ListFiles().empty());
    ASSERT_EQ(Run({QStringLiteral("reset")}), 0);
    EXPECT_EQ(emu.Resets(), 2);
    emu.InjectFault({'X', FaultKind::Silence});
    EXPECT_EQ(Run({QStringLiteral("reset")}), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("Reset (timeout): Command: \"X\" InBufUsed: 0")));
}

TEST_F(Zudctl, HandshakeFailuresAndUsage) {
    emu::Identity id;
    id.FWVersion = "ZUD12 V00400";
    emu.SetIdentity(id);
    EXPECT_EQ(Run({QStringLiteral("info")}), 1);
    EXPECT_EQ(err, QStringLiteral("Die Firmware am Gerät unterstützt diese Funktion nicht!\n"));
    EXPECT_TRUE(out.isEmpty());

    id.FWVersion = "ZUD12 V00540";
    id.Kunde = 9;
    emu.SetIdentity(id);
    EXPECT_EQ(Run({QStringLiteral("info")}), 1);
    EXPECT_EQ(err, QStringLiteral("Gerät wird nicht unterstützt\n"));
    EXPECT_EQ(emu.Screen(), 0); // given back all the same

    emu.InjectFault({'?', FaultKind::Silence, 0, 0, 2});
    EXPECT_EQ(Run({QStringLiteral("info")}), 1);
    EXPECT_EQ(err,
              QStringLiteral("Kein Gerät erkannt!\nGetVersion (timeout): Command: \"?\" InBufUsed: 0\n"));

    // Wrong usage never touches the device.
    emu.ClearLog();
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(Run({QStringLiteral("frobnicate")}), 2);
    EXPECT_EQ(Run({QStringLiteral("ls")}), 2);
    EXPECT_EQ(Run({QStringLiteral("delete-exercises"), QStringLiteral("6"), QStringLiteral("0")}), 2);
    EXPECT_EQ(Run({QStringLiteral("set-app"), QStringLiteral("0")}), 2);
    EXPECT_EQ(Run({QStringLiteral("set-clock"), QStringLiteral("gestern")}), 2);
    EXPECT_EQ(Run({QStringLiteral("put"), dir.filePath(QStringLiteral("fehlt")), QStringLiteral("0:\\x")}),
              1);
    EXPECT_TRUE(err.startsWith(QStringLiteral("Datei nicht gefunden")));
    EXPECT_TRUE(emu.Commands().empty());

    QString o, e;
    QTextStream os(&o), es(&e);
    EXPECT_EQ(RunZudctl({QStringLiteral("--baud"), QStringLiteral("12345"), QStringLiteral("info")}, os, es),
              2);
    EXPECT_EQ(RunZudctl({QStringLiteral("--port"), QStringLiteral("/dev/nonexistent-zud-port"),
                         QStringLiteral("--log"), logFile, QStringLiteral("info")},
                        os, es),
              1);
    es.flush();
    EXPECT_TRUE(e.contains(QStringLiteral("Schnittstelle kann nicht geöffnet werden(2)")));
}

// The two programs as a user runs them.
TEST(ZudctlProgram, AgainstTheEmulatorProgram) {
    QTemporaryDir dir;
    const QString bin = QStringLiteral(ZUD_BIN_DIR);
    QDir().mkpath(dir.filePath(QStringLiteral("seed/Daten/Th_0/Pat_0")));
    QFile rec(dir.filePath(QStringLiteral("seed/Daten/Th_0/Pat_0/Demo.hdf")));
    ASSERT_TRUE(rec.open(QIODevice::WriteOnly));
    rec.write(ToQ(Pattern(3000)));
    rec.close();

    QProcess emulator;
    const QString link = dir.filePath(QStringLiteral("zud"));
    emulator.start(bin + QStringLiteral("/zud12-emulator"),
                   {QStringLiteral("--link"), link, QStringLiteral("--seed"),
                    dir.filePath(QStringLiteral("seed")), QStringLiteral("--serial"),
                    QStringLiteral("PRG42")});
    ASSERT_TRUE(emulator.waitForReadyRead(30000));
    const QString pty = QString::fromUtf8(emulator.readLine()).trimmed();
    EXPECT_TRUE(pty.startsWith(QStringLiteral("/dev/pts/")));
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), pty);

    auto zudctl = [&](const QStringList& args, QString* out = nullptr) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZUD_DATA_DIR"), dir.filePath(QStringLiteral("data")));
        p.setProcessEnvironment(env);
        p.start(bin + QStringLiteral("/zudctl"), QStringList{QStringLiteral("--port"), link} + args);
        p.waitForFinished(30000);
        if (out) {
            *out = QString::fromUtf8(p.readAllStandardOutput());
        }
        return p.exitCode();
    };
    QString out;
    EXPECT_EQ(zudctl({QStringLiteral("info")}, &out), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("serial: PRG42\n")));
    EXPECT_EQ(
        zudctl({QStringLiteral("ls"), QStringLiteral("0:\\Daten\\Th_0\\Pat_0"), QStringLiteral("*.hdf")},
               &out),
        0);
    EXPECT_TRUE(out.startsWith(QStringLiteral("Demo.hdf;")));
    const QString local = dir.filePath(QStringLiteral("demo.hdf"));
    EXPECT_EQ(zudctl({QStringLiteral("get"), QStringLiteral("0:\\Daten\\Th_0\\Pat_0\\Demo.hdf"), local}), 0);
    QFile got(local);
    ASSERT_TRUE(got.open(QIODevice::ReadOnly));
    EXPECT_EQ(FromQ(got.readAll()), Pattern(3000));
    EXPECT_EQ(zudctl({QStringLiteral("rm"), QStringLiteral("0:\\Daten\\Th_0\\Pat_0\\Demo.hdf")}), 0);
    EXPECT_EQ(zudctl({QStringLiteral("rm"), QStringLiteral("0:\\Daten\\Th_0\\Pat_0\\Demo.hdf")}), 1);
    // The default protocol log lies in the data folder.
    QFile log(dir.filePath(QStringLiteral("data/Logfile.txt")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        log.readAll().contains("DeleteFile (file not found); File: 0:\\Daten\\Th_0\\Pat_0\\Demo.hdf"));
    EXPECT_EQ(zudctl({QStringLiteral("--help")}), 0);
    EXPECT_EQ(zudctl({QStringLiteral("nix")}), 2);

    emulator.terminate();
    ASSERT_TRUE(emulator.waitForFinished(30000));
    EXPECT_EQ(emulator.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(link));
}

namespace {

class ZudctlFiles : public ::testing::Test {
protected:
    int Run(const QStringList& args) { return RunCtl(args, out, err); }
    QString Write(const QString& name, const std::vector<uint8_t>& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(ToQ(bytes));
        return path;
    }
    static std::vector<uint8_t> Stream(int mode, const std::vector<uint8_t>& samples) {
        std::vector<uint8_t> s(89 + samples.size() + 128, 0);
        s[2] = static_cast<uint8_t>(mode);
        std::copy(samples.begin(), samples.end(), s.begin() + 89);
        return s;
    }

    QTemporaryDir dir;
    QString out, err;
};

} // namespace

TEST_F(ZudctlFiles, DecodeAndStatsPrintEverySample) {
    const QString f = Write(QStringLiteral("a.hdf"), Stream(0, {0x64, 0x1B, 0x32, 0x30}));
    const QString header =
        QStringLiteral("Probe;Zeit [s];Phase;EMG1 [µV];EMG2 [µV];EMG1_RAW [µV];EMG2_RAW [µV];Strom [mA];"
                       "Strom_RAW [mA];Druck [mbar];Schwelle [-];Bereich1 [µV];Bereich2 [µV]\n");
    ASSERT_EQ(Run({QStringLiteral("decode"), f}), 0) << err.toStdString();
    EXPECT_EQ(out,
              header +
                  QStringLiteral(
                      "0;0.0;1;100.0000;0.0000;100.0000;0.0000;0.0000;0.0000;0.0000;0.0000;200.0000;0.0000\n"
                      "1;0.1;3;0.0000;0.0000;0.0000;0.0000;0.0000;5.0000;0.0000;0.0000;2.5000;0.0000\n"));
    // Averages, not sums; "-" for a group without values; the mode's name beside its number.
    ASSERT_EQ(Run({QStringLiteral("stats"), f}), 0);
    EXPECT_EQ(out, QStringLiteral("Größe;Wert;Einheit\n"
                                  "Betriebsart;0 (EMG-Biofeedback);\n"
                                  "Proben;2;\n"
                                  "Dauer;0.2;s\n"
                                  "Entspannen Mittelwert;-;µV\nEntspannen Anzahl;0;\n"
                                  "Entspannen Minimum;-;µV\nEntspannen Maximum;-;µV\n"
                                  "Anspannen Mittelwert;100.0000;µV\nAnspannen Anzahl;1;\n"
                                  "Anspannen Minimum;100.0000;µV\nAnspannen Maximum;100.0000;µV\n"
                                  "Pause Mittelwert;-;µV\nPause Anzahl;0;\n"
                                  "Pause Minimum;-;µV\nPause Maximum;-;µV\n"
                                  "Strom Mittelwert;5.0000;mA\nStrom Anzahl;1;\n"
                                  "Strom Minimum;5.0000;mA\nStrom Maximum;5.0000;mA\n"
                                  "Haltedauer;0.0;s\n"
                                  "Basisdruck;0.0000;mbar\n"));

    const QString p = Write(QStringLiteral("p.hdf"), Stream(4, {0x03, 0xE8, 0x70, 0x03, 0xE8, 0x70}));
    ASSERT_EQ(Run({QStringLiteral("decode"), QStringLiteral("--unit"), QStringLiteral("mmHg"), p}), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("Druck [mmHg];Schwelle [mmHg];")));
    EXPECT_TRUE(out.contains(
        QStringLiteral("\n0;0.0;7;100.0000;0.0000;100.0000;0.0000;0.0000;0.0000;7.5000;7.5000;")));
    ASSERT_EQ(Run({QStringLiteral("stats"), QStringLiteral("--unit"), QStringLiteral("mmHg"), p}), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("Betriebsart;4 (Druck);\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("Strom Mittelwert;7.5000;mmHg\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("Haltedauer;0.2;s\n")));

    // Bytes that are not a recording are said to be none, never decoded to nothing.
    EXPECT_EQ(Run({QStringLiteral("decode"), Write(QStringLiteral("kurz"), {1, 2, 3})}), 1);
    EXPECT_TRUE(
        err.startsWith(QStringLiteral("Keine Aufzeichnung: 3 Bytes, eine Aufzeichnung hat mindestens 217")))
        << err.toStdString();
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(Run({QStringLiteral("stats"), Write(QStringLiteral("m8"), Stream(8, {1, 2}))}), 1);
    EXPECT_TRUE(
        err.startsWith(QStringLiteral("Keine Aufzeichnung: die Betriebsart 8 hat kein Messwertformat.")));
    EXPECT_EQ(Run({QStringLiteral("decode"), Write(QStringLiteral("m12"), Stream(12, {1, 2}))}), 1);

    // The older variant through the database's mode value.
    std::vector<uint8_t> alt(253, 0);
    alt[36] = 1;
    alt[189] = 1;
    alt[208] = 1;
    alt.push_back(0x64);
    alt.push_back(0x6B);
    const QString a = Write(QStringLiteral("alt.hdf"), alt);
    ASSERT_EQ(Run({QStringLiteral("decode"), QStringLiteral("--old"), QStringLiteral("-1"), a}), 0);
    EXPECT_EQ(out,
              header + QStringLiteral("0;0.0;1;100.0000;0.0000;100.0000;0.0000;0.0000;0.0000;0.0000;0.0000;"
                                      "200.0000;0.0000\n"));
    ASSERT_EQ(Run({QStringLiteral("decode"), QStringLiteral("--old"), QStringLiteral("-100"), a}), 0);
    EXPECT_EQ(out, header);
    EXPECT_EQ(Run({QStringLiteral("stats"), QStringLiteral("--old"), QStringLiteral("-100"), a}), 1);

    EXPECT_EQ(Run({QStringLiteral("decode")}), 2);
    EXPECT_EQ(Run({QStringLiteral("decode"), QStringLiteral("--unit"), QStringLiteral("psi"), f}), 2);
    EXPECT_EQ(Run({QStringLiteral("decode"), QStringLiteral("--old"), QStringLiteral("3"), f}), 2);
    EXPECT_EQ(Run({QStringLiteral("decode"), dir.filePath(QStringLiteral("fehlt.hdf"))}), 1);
}

TEST_F(ZudctlFiles, CropAndPrograms) {
    std::vector<uint8_t> samples;
    for (int i = 0; i < 100; ++i) {
        samples.push_back(static_cast<uint8_t>(i));
        samples.push_back(0x1B);
    }
    const QString in = Write(QStringLiteral("in.hdf"), Stream(0, samples));
    const QString cut = dir.filePath(QStringLiteral("cut.hdf"));
    ASSERT_EQ(Run({QStringLiteral("crop"), QStringLiteral("2"), QStringLiteral("0.25"), in, cut}), 0)
        << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("samples=50\n"));
    ASSERT_EQ(Run({QStringLiteral("decode"), cut}), 0);
    EXPECT_EQ(out.count(QLatin1Char('\n')), 51); // header and 50 samples
    EXPECT_TRUE(out.section(QLatin1Char('\n'), 1).startsWith(QStringLiteral("0;0.0;1;25.0000;")));
    for (const char* bad : {"0.5", "inf", "nan", "-1", "x"}) {
        EXPECT_EQ(Run({QStringLiteral("crop"), QString::fromLatin1(bad), QStringLiteral("0"), in, cut}), 2)
            << bad;
    }
    for (const char* bad : {"nan", "-0.1", "1.5", "inf"}) {
        EXPECT_EQ(Run({QStringLiteral("crop"), QStringLiteral("2"), QString::fromLatin1(bad), in, cut}), 2)
            << bad;
    }
    EXPECT_EQ(Run({QStringLiteral("crop"), QStringLiteral("1"), QStringLiteral("0"),
                   Write(QStringLiteral("x"), {1, 2}), cut}),
              1);
    // A folder in the way: the reason, exit 1, the earlier file untouched.
    QDir().mkdir(dir.filePath(QStringLiteral("ordner")));
    EXPECT_EQ(Run({QStringLiteral("crop"), QStringLiteral("2"), QStringLiteral("0"), in,
                   dir.filePath(QStringLiteral("ordner"))}),
              1);
    EXPECT_TRUE(err.contains(QStringLiteral("(ein Ordner dieses Namens ist im Weg)"))) << err.toStdString();

    // A program file of the demo device, and a damaged one.
    emu::Emulator demo;
    emu::LoadDemo(demo);
    const auto prog = *demo.GetFile("0:\\Daten\\TH_0\\PAT_0\\Prog.dat");
    ASSERT_EQ(Run({QStringLiteral("programs"), Write(QStringLiteral("Prog.dat"), prog)}), 0)
        << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("CRC: ok")));
    EXPECT_TRUE(out.contains(QStringLiteral("Programm 2: \"Kräftigung\"\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("Betriebsart=2 (Biofeedback+Elektrostim.)")));
    auto bad = prog;
    bad[100] ^= 1;
    EXPECT_EQ(Run({QStringLiteral("programs"), Write(QStringLiteral("bad.dat"), bad)}), 1);
    EXPECT_TRUE(out.contains(QStringLiteral("CRC: falsch")));
    EXPECT_EQ(Run({QStringLiteral("programs"), Write(QStringLiteral("short.dat"), {1, 2, 3})}), 1);
}

// Every recording of the demo device decodes, and its stored statistics are the ones the
// decoder recomputes.
TEST_F(ZudctlFiles, DemoRecordingsOfEveryMode) {
    emu::Emulator demo;
    emu::LoadDemo(demo);
    std::set<int> modes;
    for (const std::string& path : demo.ListFiles()) {
        if (path.size() < 4 || path.substr(path.size() - 4) != ".hdf") {
            continue;
        }
        const auto bytes = *demo.GetFile(path);
        const Messung m = FillArray(bytes.data(), bytes.size());
        modes.insert(m.Betriebsart);
        const auto entry = *demo.GetEntry(path);
        // The listing's length is in whole minutes; the recording has 10 samples a second.
        EXPECT_EQ(entry.dauer, m.Werte.size() / 600u) << path;
        EXPECT_GE(entry.dauer, 1u) << path;
        UebungsFooter f = *LeseFooter(bytes.data(), bytes.size());
        const UebungsFooter stored = f;
        ZUD12Statistik(m, m.Betriebsart, f);
        EXPECT_EQ(std::memcmp(&f, &stored, sizeof f), 0) << path;
    }
    EXPECT_EQ(modes, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 9}));
}

TEST_F(Zudctl, DeviceRecordsOfTheDemoDevice) {
    emu::LoadDemo(emu);
    ASSERT_EQ(Run({QStringLiteral("device-records")}), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("system.Sprache=0\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("system.crc=ok\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("codes=5817,2693,7148,3572,8264,4719\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("therapist.1;Größer;Bärbel;1982-09-30;0\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("patient.0.0;Bäcker;Hans-Jürgen;1951-02-14;9\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("patient.0.9;;;;0\n")));
    EXPECT_EQ(emu.Screen(), 0);
}

namespace {

int Count(const std::vector<emu::Received>& cmds, uint8_t code) {
    int n = 0;
    for (const auto& c : cmds) {
        n += c.code == code;
    }
    return n;
}

} // namespace

// Failures that must never pass for success.
TEST_F(Zudctl, LocalFilesAreCompleteOrNotThere) {
    const std::string src = "0:\\Daten\\Th_0\\Pat_0\\Lang.hdf";
    emu.PutFile(src, Pattern(5000, 7));
    // A folder in the way is found before the device reads a byte.
    const QString folder = dir.filePath(QStringLiteral("ordner"));
    ASSERT_TRUE(QDir().mkdir(folder));
    emu.ClearLog();
    EXPECT_EQ(Run({QStringLiteral("get"), QString::fromStdString(src), folder}), 1);
    EXPECT_EQ(
        err, QStringLiteral("Datei kann nicht geschrieben werden: %1 (ein Ordner dieses Namens ist im Weg)\n")
                 .arg(folder));
    EXPECT_TRUE(emu.Commands().empty());
    EXPECT_EQ(
        Run({QStringLiteral("get"), QString::fromStdString(src), dir.filePath(QStringLiteral("fehlt/a"))}),
        1);
    EXPECT_TRUE(err.contains(QStringLiteral("(der Ordner existiert nicht)")));

    // A disk that fills up during the write: exit 1, the reason, no file at all.
    const QString target = dir.filePath(QStringLiteral("voll.hdf"));
    int rc = -1;
    WithFileSizeLimit(2048, [&] { rc = Run({QStringLiteral("get"), QString::fromStdString(src), target}); });
    EXPECT_EQ(rc, 1);
    EXPECT_TRUE(err.contains(QStringLiteral("(kein Platz mehr auf dem Datenträger)"))) << err.toStdString();
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(emu.Screen(), 0);

    // A disk error of the device: exit 1 with the log line, no file.
    emu.InjectFault({'R', FaultKind::Status, 6});
    EXPECT_EQ(Run({QStringLiteral("get"), QString::fromStdString(src), target}), 1);
    EXPECT_EQ(err, QStringLiteral("Während der Kommunikation ist ein Fehler aufgetreten!\n"
                                  "ReadFile (DiskError: 6) File: %1\n")
                       .arg(QString::fromStdString(src)));
    EXPECT_FALSE(QFile::exists(target));
    ASSERT_EQ(Run({QStringLiteral("get"), QString::fromStdString(src), target}), 0);
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(FromQ(f.readAll()), Pattern(5000, 7));
}

TEST_F(Zudctl, DevicePathsAndListings) {
    emu.ClearLog();
    const QString tooLong = QStringLiteral("0:\\Daten\\Th_0\\Pat_0\\") + QString(31, QLatin1Char('x'));
    const QString polish = QStringLiteral("0:\\Daten\\Żaneta");
    for (const QStringList& args :
         {QStringList{QStringLiteral("get"), tooLong, dir.filePath(QStringLiteral("x"))},
          QStringList{QStringLiteral("ls"), polish}, QStringList{QStringLiteral("mkdir"), tooLong},
          QStringList{QStringLiteral("stat"), polish}, QStringList{QStringLiteral("rm"), tooLong},
          QStringList{QStringLiteral("ls"), QStringLiteral("0:\\Daten"), QStringLiteral("*.hdfxyz")}}) {
        EXPECT_EQ(Run(args), 2) << args.join(' ').toStdString();
        EXPECT_TRUE(err.startsWith(QStringLiteral("zudctl: "))) << err.toStdString();
    }
    EXPECT_TRUE(emu.Commands().empty());

    // A directory that does not exist is not an empty one.
    EXPECT_EQ(Run({QStringLiteral("ls"), QStringLiteral("0:\\Daten\\Gibtsnicht")}), 1);
    EXPECT_EQ(err, QStringLiteral("Verzeichnis am Gerät nicht vorhanden: 0:\\Daten\\Gibtsnicht\n"));
    EXPECT_EQ(emu.Screen(), 0);
    // Fields with ";" or quotes are quoted as in CSV.
    emu.PutFile("0:\\Daten\\Th_0\\Pat_1\\a;b \"c\".hdf", Pattern(10), FatDate(2025, 1, 2), FatTime(3, 4, 6),
                1);
    ASSERT_EQ(Run({QStringLiteral("ls"), QStringLiteral("0:\\Daten\\Th_0\\Pat_1")}), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("\"a;b \"\"c\"\".hdf\";2025-01-02;03:04:06;1\n"));
    EXPECT_EQ(
        Run({QStringLiteral("ls"), QStringLiteral("0:\\Daten"), QStringLiteral("*.*"), QStringLiteral("x")}),
        2);
}

TEST_F(Zudctl, RecordFilesAreCheckedBeforeTheyReachTheDevice) {
    emu::Emulator demo;
    emu::LoadDemo(demo);
    auto local = [&](const QString& name, const std::vector<uint8_t>& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(ToQ(bytes));
        return path;
    };
    const auto prog = *demo.GetFile("0:\\Daten\\TH_0\\PAT_0\\Prog.dat");
    auto damaged = prog;
    damaged[300] ^= 0x10;
    const QString target = QStringLiteral("0:\\Daten\\TH_0\\PAT_0\\prog.DAT");
    emu.ClearLog();
    EXPECT_EQ(Run({QStringLiteral("put"), local(QStringLiteral("bad"), damaged), target}), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("Programmdatei: die Prüfsumme stimmt nicht")))
        << err.toStdString();
    EXPECT_EQ(Run({QStringLiteral("put"), local(QStringLiteral("kurz"), {1, 2, 3}), target}), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("545 Bytes erwartet, die Datei hat 3")));
    auto sys = *demo.GetFile("0:\\system\\syspara.dat");
    sys[5] ^= 1;
    EXPECT_EQ(Run({QStringLiteral("put"), local(QStringLiteral("sys"), sys),
                   QStringLiteral("0:\\system\\syspara.dat")}),
              1);
    EXPECT_EQ(Run({QStringLiteral("put"), local(QStringLiteral("t"), Pattern(1379)),
                   QStringLiteral("0:\\Daten\\Thera.dat")}),
              1);
    EXPECT_EQ(Run({QStringLiteral("put"), local(QStringLiteral("p"), Pattern(2301)),
                   QStringLiteral("0:\\Daten\\TH_1\\Pat.dat")}),
              1);
    EXPECT_EQ(Run({QStringLiteral("put"), local(QStringLiteral("c"), Pattern(14)),
                   QStringLiteral("0:\\System\\Temp.dat")}),
              1);
    EXPECT_TRUE(emu.Commands().empty());

    ASSERT_EQ(Run({QStringLiteral("put"), local(QStringLiteral("gut"), prog), target}), 0)
        << err.toStdString();
    EXPECT_EQ(emu.GetFile("0:\\Daten\\TH_0\\PAT_0\\Prog.dat"), prog);
    // The technician may insist.
    ASSERT_EQ(Run({QStringLiteral("put"), QStringLiteral("--force"), local(QStringLiteral("bad"), damaged),
                   target}),
              0);
    EXPECT_EQ(emu.GetFile("0:\\Daten\\TH_0\\PAT_0\\Prog.dat"), damaged);
    // Other files go as they are.
    ASSERT_EQ(Run({QStringLiteral("put"), local(QStringLiteral("x"), {1, 2, 3}),
                   QStringLiteral("0:\\Daten\\x.bin")}),
              0);
    EXPECT_EQ(Count(emu.Commands(), 'W'), 3);
}

TEST(EmulatorProgram, SeedNamesAndLinks) {
    QTemporaryDir dir;
    const QString seed = dir.filePath(QStringLiteral("seed/Daten/Th_0/Pat_0"));
    QDir().mkpath(seed);
    for (const QString& name : {QStringLiteral("Müller.hdf"), QStringLiteral("Łódź.hdf")}) {
        QFile f(seed + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("abc");
    }
    emu::Emulator e;
    std::vector<std::string> skipped;
    EXPECT_EQ(e.LoadSeed(dir.filePath(QStringLiteral("seed")).toStdString(), &skipped), 1);
    EXPECT_TRUE(e.HasFile("0:\\Daten\\Th_0\\Pat_0\\M\xFCller.hdf")); // ü as the device's byte 0xFC
    EXPECT_EQ(skipped, std::vector<std::string>{"Daten/Th_0/Pat_0/Łódź.hdf"});

    // --link replaces a link it may own, never a regular file.
    const QString bin = QStringLiteral(ZUD_BIN_DIR "/zud12-emulator");
    const QString file = dir.filePath(QStringLiteral("datei"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("wichtig");
    f.close();
    QProcess p;
    p.start(bin, {QStringLiteral("--link"), file});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("wichtig"));
    const QString stale = dir.filePath(QStringLiteral("alt"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/pts/9999"), stale));
    QProcess q;
    q.start(bin, {QStringLiteral("--link"), stale});
    ASSERT_TRUE(q.waitForReadyRead(30000));
    EXPECT_TRUE(QFileInfo(stale).symLinkTarget().startsWith(QStringLiteral("/dev/pts/")));
    EXPECT_NE(QFileInfo(stale).symLinkTarget(), QStringLiteral("/dev/pts/9999"));
    q.terminate();
    ASSERT_TRUE(q.waitForFinished(30000));

    QProcess h;
    h.start(bin, {QStringLiteral("--help")});
    ASSERT_TRUE(h.waitForFinished(30000));
    EXPECT_TRUE(h.readAllStandardOutput().contains("--demo"));
}

// "put" through a device that acknowledges blocks with a wrong CRC: a failure unless the
// technician set the machine-wide LenientWriteAck, then the file goes over with a warning.
TEST_F(Zudctl, PutHonoursTheMachinesAcknowledgementSetting) {
    QTemporaryDir folders;
    zud::test::IsolateProgramFolders(folders);
    const QString local = dir.filePath(QStringLiteral("w.dat"));
    {
        QFile f(local);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const auto bytes = Pattern(3000, 3);
        f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    }
    const QString target = QStringLiteral("0:\\Daten\\W.hdf");
    emu.InjectFault({'W', emu::FaultKind::OddAck, 0, 1});
    EXPECT_EQ(Run({QStringLiteral("put"), local, target}), 1);
    EXPECT_FALSE(err.isEmpty());
    ASSERT_TRUE(emu.WaitIdle());
    {
        QSettings machine(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Brelk"),
                          QStringLiteral("ZUD"));
        machine.setValue(QStringLiteral("LenientWriteAck"), QStringLiteral("1"));
    }
    emu.InjectFault({'W', emu::FaultKind::OddAck, 0, 1});
    ASSERT_EQ(Run({QStringLiteral("put"), local, target}), 0) << err.toStdString();
    EXPECT_EQ(emu.GetFile(target.toStdString()), Pattern(3000, 3));
    QFile log(logFile);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("WriteFile (crc_warning)"));
}

// zudctl program-pull, program-push and change-app end to end against the emulated demo device.

#include "Demo.h"
#include "EmuFixture.h"
#include "Programming.h"
#include "ZudctlRunner.h"

#include <QFile>

#include <cstring>

using namespace zud;
using namespace zud::test;

namespace {

class ProgrammingCtl : public EmuTest {
protected:
    void SetUp() override {
        EmuTest::SetUp();
        emu::LoadDemo(emu);
        dev->close();
        port = QString::fromStdString(emu.SlavePath());
    }

    int Ctl(const QStringList& args) {
        const int rc = RunCtl(
            QStringList{QStringLiteral("--port"), port, QStringLiteral("--log"), logFile} + args, out, err);
        EXPECT_TRUE(emu.WaitIdle());
        return rc;
    }

    QByteArray Read(const QString& name) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        return f.readAll();
    }
    void Write(const QString& name, const QByteArray& data) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(data), data.size());
    }

    QString port, out, err;
};

} // namespace

TEST_F(ProgrammingCtl, PullSavesTheLoadedSetsAndPushOfThemWritesOnlyTheCodes) {
    const QString file = dir.filePath(QStringLiteral("geraet.zud"));
    ASSERT_EQ(Ctl({QStringLiteral("program-pull"), file}), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("saved: %1\n").arg(file));
    const QByteArray saved = Read(QStringLiteral("geraet.zud"));
    ASSERT_EQ(saved.size(), 25059);
    // The same bytes as the programming window holds after loading.
    wf::LadeProgrammierung(*dev);
    EXPECT_EQ(wf::ParameterDatei(*dev), saved);
    ASSERT_TRUE(emu.WaitIdle());

    emu.ClearLog();
    ASSERT_EQ(Ctl({QStringLiteral("program-push"), file}), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("sets: 36\nsystem: yes\nwritten: 0:\\System\\Temp.dat\n"));
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    EXPECT_EQ(emu.Screen(), 0);
}

TEST_F(ProgrammingCtl, PushOfAnEditedFileWritesWhatChanged) {
    const QString file = dir.filePath(QStringLiteral("a.zud"));
    ASSERT_EQ(Ctl({QStringLiteral("program-pull"), file}), 0) << err.toStdString();
    QByteArray data = Read(QStringLiteral("a.zud"));
    // Set 6t + p = therapist 3, slot 2: program 2's contraction time; and the brightness.
    const qsizetype set = (6 * 3 + 2) * 695;
    data[set + 2 + 114 * 1 + 3] = char(33);
    data[25020 + 23] = char(64);
    Systemparameter sp{};
    std::memcpy(&sp, data.constData() + 25020, sizeof sp);
    PutCrc(sp.crc, SystemCrc(sp));
    std::memcpy(data.data() + 25020, &sp, sizeof sp);
    Write(QStringLiteral("b.zud"), data);
    ASSERT_EQ(Ctl({QStringLiteral("program-push"), dir.filePath(QStringLiteral("b.zud"))}), 0)
        << err.toStdString();
    EXPECT_EQ(
        out, QStringLiteral("sets: 36\nsystem: yes\nwritten: 0:\\System\\Temp.dat\n"
                            "written: 0:\\Daten\\TH_3\\PAT_2\\Prog.dat\nwritten: 0:\\system\\syspara.dat\n"));
    const auto prog = *emu.GetFile(ProgrammPfad(3, 2));
    Programmdatei d{};
    std::memcpy(&d, prog.data(), sizeof d);
    EXPECT_TRUE(ProgrammdateiCrcOk(d));
    EXPECT_EQ(d.Programme[1].Anspannzeit, 33);
    EXPECT_EQ((*emu.GetFile(kSystemPfad))[23], 64);
}

TEST_F(ProgrammingCtl, ShortFileAndConversionAreReported) {
    const QString file = dir.filePath(QStringLiteral("a.zud"));
    ASSERT_EQ(Ctl({QStringLiteral("program-pull"), file}), 0);
    QByteArray data = Read(QStringLiteral("a.zud"));
    // Therapist 1, slot 1, program 1 named with a letter the German device set lacks.
    const char16_t name[] = u"Ćwiczenie";
    std::memset(data.data() + 2 + 42, 0, 50);
    std::memcpy(data.data() + 2 + 42, name, (std::char_traits<char16_t>::length(name)) * 2);
    Write(QStringLiteral("kurz.zud"), data.left(695 * 2 + 10));
    ASSERT_EQ(Ctl({QStringLiteral("program-push"), dir.filePath(QStringLiteral("kurz.zud"))}), 0)
        << err.toStdString();
    EXPECT_TRUE(out.startsWith(QStringLiteral("sets: 2\nsystem: no\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("written: 0:\\Daten\\TH_0\\PAT_0\\Prog.dat\n")));
    EXPECT_TRUE(err.contains(QStringLiteral("nur 2 Programmsätze"))) << err.toStdString();
    EXPECT_TRUE(err.contains(wf::KonvertierungsMeldung())) << err.toStdString();
}

TEST_F(ProgrammingCtl, FactoryStateNeedsConfirmationAndDeletesEverything) {
    const QString file = dir.filePath(QStringLiteral("a.zud"));
    ASSERT_EQ(Ctl({QStringLiteral("program-pull"), file}), 0);
    emu.ClearLog();
    EXPECT_EQ(Ctl({QStringLiteral("program-push"), QStringLiteral("--factory-state"), file}), 2);
    EXPECT_TRUE(emu.Commands().empty());
    ASSERT_EQ(Ctl({QStringLiteral("program-push"), QStringLiteral("--factory-defaults"),
                   QStringLiteral("--yes"), file}),
              0)
        << err.toStdString();
    EXPECT_TRUE(
        out.contains(QStringLiteral("written: %1\n").arg(QString::fromStdString(DefProgrammPfad(1)))));
    EXPECT_TRUE(out.contains(QStringLiteral("deleted: 5,5\nfactory-state: 1\n"))) << out.toStdString();
    EXPECT_EQ(emu.FactoryResets(), 1);
    EXPECT_EQ(emu.Resets(), 1);
}

TEST_F(ProgrammingCtl, WrongUsageAndMissingFilesTouchNoDevice) {
    EXPECT_EQ(Ctl({QStringLiteral("program-pull")}), 2);
    EXPECT_EQ(Ctl({QStringLiteral("program-push"), dir.filePath(QStringLiteral("fehlt.zud"))}), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("Datei nicht gefunden"))) << err.toStdString();
    EXPECT_EQ(Ctl({QStringLiteral("program-pull"), dir.filePath(QStringLiteral("kein/ordner/a.zud"))}), 1);
    EXPECT_EQ(Ctl({QStringLiteral("change-app"), QStringLiteral("3")}), 2);
    EXPECT_EQ(Ctl({QStringLiteral("change-app"), QStringLiteral("13"), QStringLiteral("--yes")}), 2);
    EXPECT_TRUE(emu.Commands().empty());
}

TEST_F(ProgrammingCtl, ChangeAppSwitchesAndWipes) {
    ASSERT_EQ(Ctl({QStringLiteral("change-app"), QStringLiteral("3"), QStringLiteral("--yes")}), 0)
        << err.toStdString();
    EXPECT_EQ(out, QStringLiteral(
                       "previous: 1\nactive: 3\ntype-changed: 1\ndeleted-slots: 60\nfactory-state: 1\n"));
    const auto info = emu.Infoblock();
    EXPECT_EQ(info[0], 11);
    EXPECT_EQ(info[16], 3);
    EXPECT_EQ(emu.FactoryResets(), 1);
    EXPECT_EQ(emu.Resets(), 1);
}

// zudctl csv and render on the demo recordings, in this process and as the program.

#include "Demo.h"
#include "Emulator.h"
#include "Recording.h"
#include "TestEnv.h"
#include "ZudctlRunner.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zud;

namespace {

class ChartCtl : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        test::IsolateProgramFolders(dir);
        emu::LoadDemo(emu);
    }

    // Demo recording k (1..9: modes 0..7 and 9) as a file.
    QString Datei(int k) {
        char name[64];
        std::snprintf(name, sizeof name, "0:\\Daten\\Th_0\\Pat_0\\M%04d.hdf", k);
        const auto bytes = emu.GetFile(name);
        EXPECT_TRUE(bytes.has_value());
        const QString path = dir.filePath(QStringLiteral("M%1.hdf").arg(k));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes->data()), static_cast<qint64>(bytes->size()));
        return path;
    }

    int Run(const QStringList& args) { return test::RunCtl(args, out, err); }

    QByteArray Lies(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    emu::Emulator emu;
    QString out, err;
};

} // namespace

TEST_F(ChartCtl, CsvOfAPressureTrainingRecording) {
    const QString in = Datei(6); // mode 5
    const QString csv = dir.filePath(QStringLiteral("a.csv"));
    ASSERT_EQ(Run({QStringLiteral("csv"), in, csv}), 0) << err.toStdString();
    const QByteArray data = Lies(csv);
    const QList<QByteArray> z = data.split('\n');
    ASSERT_GT(z.size(), 10);
    EXPECT_TRUE(z[0].startsWith("\xEF\xBB\xBF"
                                "Exportiert aus ZUD-Software am "));
    EXPECT_TRUE(z[0].endsWith("\r"));
    EXPECT_EQ(z[1], "\r");
    EXPECT_EQ(z[2], "\r");
    EXPECT_EQ(z[3], "Phasen\r");
    EXPECT_EQ(z[8], "Zeit[s];Phase;Druck[mbar]\r");
    const auto bytes = emu.GetFile("0:\\Daten\\Th_0\\Pat_0\\M0006.hdf");
    const Messung m = FillArray(bytes->data(), bytes->size());
    ASSERT_EQ(m.Betriebsart, 5);
    // One line per sample after the header, and the last line ends with CR LF.
    EXPECT_EQ(static_cast<size_t>(z.size()) - 1 - 9, m.Werte.size());
    EXPECT_TRUE(data.endsWith("\r\n"));
    EXPECT_EQ(z[9], QString::asprintf("0.0;%d;%.1f\r", m.Werte[0].Phase - 5, m.Werte[0].Druck).toLatin1());
    EXPECT_EQ(out, QStringLiteral("samples=%1\n").arg(m.Werte.size()));
}

TEST_F(ChartCtl, CsvWithRemarksGermanNumbersAndMillimetresOfMercury) {
    const QString in = Datei(5); // mode 4
    const QString rem = dir.filePath(QStringLiteral("rem.txt"));
    {
        QFile f(rem);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Patient übte gut\nzweite Zeile\n");
    }
    const QString csv = dir.filePath(QStringLiteral("b.csv"));
    ASSERT_EQ(
        Run({QStringLiteral("csv"), QStringLiteral("--unit"), QStringLiteral("mmHg"),
             QStringLiteral("--remarks"), rem, QStringLiteral("--locale"), QStringLiteral("de"), in, csv}),
        0)
        << err.toStdString();
    const QList<QByteArray> z = Lies(csv).split('\n');
    ASSERT_GT(z.size(), 6);
    EXPECT_EQ(z[2], "Patient \xC3\xBC"
                    "bte gut\r");
    EXPECT_EQ(z[3], "zweite Zeile\r");
    EXPECT_EQ(z[4], "\r");
    EXPECT_EQ(z[5], "Zeit[s];Druck[mmHg]\r");
    EXPECT_TRUE(z[6].startsWith("0,0;")) << z[6].toStdString();
    EXPECT_TRUE(z[6].contains(',')) << z[6].toStdString();
    // The German date: dd.MM.yy.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("am \\d\\d\\.\\d\\d\\.\\d\\d um \\d\\d:\\d\\d\\r$"))
                    .match(QString::fromLatin1(z[0]))
                    .hasMatch())
        << z[0].toStdString();
}

TEST_F(ChartCtl, CsvUsageAndFailures) {
    const QString in = Datei(1);
    EXPECT_EQ(Run({QStringLiteral("csv"), in}), 2);
    EXPECT_EQ(Run({QStringLiteral("csv"), QStringLiteral("--unit"), QStringLiteral("psi"), in,
                   QStringLiteral("x.csv")}),
              2);
    EXPECT_EQ(Run({QStringLiteral("csv"), QStringLiteral("--locale"), QStringLiteral("fr"), in,
                   QStringLiteral("x.csv")}),
              2);
    EXPECT_EQ(Run({QStringLiteral("csv"), dir.filePath(QStringLiteral("fehlt.hdf")),
                   dir.filePath(QStringLiteral("x.csv"))}),
              1);
    EXPECT_TRUE(err.contains(QStringLiteral("Datei kann nicht gelesen werden"))) << err.toStdString();
    const QString ziel = dir.filePath(QStringLiteral("kein/ordner/x.csv"));
    EXPECT_EQ(Run({QStringLiteral("csv"), in, ziel}), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("Datei kann nicht geschrieben werden"))) << err.toStdString();
    // Not a recording.
    const QString kurz = dir.filePath(QStringLiteral("kurz.hdf"));
    {
        QFile f(kurz);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(10, '\x08'));
    }
    EXPECT_EQ(Run({QStringLiteral("csv"), kurz, dir.filePath(QStringLiteral("k.csv"))}), 1);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("k.csv"))));
}

TEST_F(ChartCtl, RenderPngOfEveryMode) {
    for (int k = 1; k <= 9; ++k) {
        const QString in = Datei(k);
        const QString png = dir.filePath(QStringLiteral("m%1.png").arg(k));
        ASSERT_EQ(Run({QStringLiteral("render"), QStringLiteral("--width"), QStringLiteral("800"),
                       QStringLiteral("--height"), QStringLiteral("400"), in, png}),
                  0)
            << err.toStdString();
        QImage img;
        ASSERT_TRUE(img.load(png)) << k;
        EXPECT_EQ(img.size(), QSize(800, 400));
        EXPECT_EQ(img.pixel(2, 2), QColor(Qt::white).rgb());
        EXPECT_EQ(img.pixel(81, 41), QColor(0xE8, 0xE8, 0xE8).rgb()) << k;
    }
}

TEST_F(ChartCtl, RenderPdfIsOneVectorPage) {
    const QString pdf = dir.filePath(QStringLiteral("m.pdf"));
    ASSERT_EQ(Run({QStringLiteral("render"), QStringLiteral("--dpi"), QStringLiteral("300"),
                   QStringLiteral("--width"), QStringLiteral("3508"), QStringLiteral("--height"),
                   QStringLiteral("2480"), Datei(4), pdf}),
              0)
        << err.toStdString();
    const QByteArray data = Lies(pdf);
    ASSERT_TRUE(data.startsWith("%PDF-"));
    EXPECT_EQ(data.count("/Type /Page\n") + data.count("/Type /Page\r") + data.count("/Type /Page ") +
                  data.count("/Type /Page/"),
              1);
    EXPECT_FALSE(data.contains("/DCTDecode")) << "the chart is drawn, not embedded as a picture";
    // A4 landscape at 300 dpi: 842 x 595 points.
    EXPECT_TRUE(data.contains("/MediaBox [0 0 842")) << data.left(2000).toStdString();
}

TEST_F(ChartCtl, RenderUsage) {
    EXPECT_EQ(Run({QStringLiteral("render"), Datei(1), QStringLiteral("x.gif")}), 2);
    EXPECT_EQ(Run({QStringLiteral("render"), QStringLiteral("--width"), QStringLiteral("0"), Datei(1),
                   QStringLiteral("x.png")}),
              2);
    EXPECT_EQ(Run({QStringLiteral("render"), QStringLiteral("--unit"), QStringLiteral("bar"), Datei(1),
                   QStringLiteral("x.png")}),
              2);
    EXPECT_EQ(Run({QStringLiteral("render"), dir.filePath(QStringLiteral("fehlt.hdf")),
                   dir.filePath(QStringLiteral("x.png"))}),
              1);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("x.png"))));
}

TEST_F(ChartCtl, ProgramRendersWithoutADisplayAndListsTheCommands) {
    const QString zudctl = QStringLiteral(ZUD_BIN_DIR "/zudctl");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    QProcess p;
    p.setProcessEnvironment(env);
    const QString png = dir.filePath(QStringLiteral("p.png"));
    p.start(zudctl, {QStringLiteral("render"), Datei(8), png});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QImage img;
    EXPECT_TRUE(img.load(png));
    EXPECT_EQ(img.size(), QSize(1123, 794));

    const QString csv = dir.filePath(QStringLiteral("p.csv"));
    p.start(zudctl, {QStringLiteral("csv"), Datei(9), csv});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_TRUE(Lies(csv).contains("Zeit[s];Phase;EMG CH1[\xC2\xB5V];EMG CH2[\xC2\xB5V]\r\n"));

    p.start(zudctl, {QStringLiteral("--help")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString hilfe = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(hilfe.contains(
        QStringLiteral("  csv [--unit mbar|mmHg] [--remarks DATEI] [--locale de] DATEI AUSGABE")));
    EXPECT_TRUE(hilfe.contains(QStringLiteral("  render [--width B --height H --dpi D]")));
}

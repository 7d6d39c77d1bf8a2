// The raw-data CSV export: layout line by line, per mode, byte for byte.

#include "RawDataCsv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zud;

namespace {

Messung Aufnahme(int mode, std::vector<TMessWert> werte) {
    Messung m;
    m.Betriebsart = mode;
    m.Werte = std::move(werte);
    return m;
}

TMessWert Wert(int phase) {
    TMessWert w;
    w.Phase = phase;
    return w;
}

RohdatenOptionen Optionen() {
    RohdatenOptionen o;
    o.Datum = QStringLiteral("08.12.26");
    o.Uhrzeit = QStringLiteral("22:15");
    return o;
}

} // namespace

TEST(Rohdaten, WithoutRemarksTheTitleIsFollowedByTwoEmptyLines) {
    const QStringList z = RohdatenZeilen(Aufnahme(4, {}), Optionen());
    ASSERT_GE(z.size(), 4);
    EXPECT_EQ(z[0], QStringLiteral("Exportiert aus ZUD-Software am 08.12.26 um 22:15"));
    EXPECT_EQ(z[1], QString());
    EXPECT_EQ(z[2], QString());
    EXPECT_EQ(z[3], QStringLiteral("Zeit[s];Druck[mbar]"));
    EXPECT_EQ(z.size(), 4);
}

TEST(Rohdaten, RemarksStandBetweenTheEmptyLines) {
    RohdatenOptionen o = Optionen();
    o.Bemerkungen = {QStringLiteral("Erste Zeile"), QStringLiteral("Zweite Zeile")};
    const QStringList z = RohdatenZeilen(Aufnahme(4, {}), o);
    ASSERT_EQ(z.size(), 6);
    EXPECT_EQ(z[1], QString());
    EXPECT_EQ(z[2], QStringLiteral("Erste Zeile"));
    EXPECT_EQ(z[3], QStringLiteral("Zweite Zeile"));
    EXPECT_EQ(z[4], QString());
}

TEST(Rohdaten, TwelvePointThreeSecondsGive123SampleLines) {
    std::vector<TMessWert> w(123, Wert(0));
    const QStringList z = RohdatenZeilen(Aufnahme(0, w), Optionen());
    // title, empty, empty, legend (Phasen, dashes, 4 lines, empty), header, samples
    ASSERT_EQ(z.size(), 3 + 7 + 1 + 123);
    EXPECT_EQ(z[10], QStringLiteral("Zeit[s];Phase;Messwert"));
    EXPECT_EQ(z[11], QStringLiteral("0.0;0;0.0;µV"));
    EXPECT_TRUE(z.back().startsWith(QStringLiteral("12.2;"))) << z.back().toStdString();
}

TEST(Rohdaten, ModeFiveLineHasThePhaseLessFive) {
    std::vector<TMessWert> w(13, Wert(5));
    w[12].Phase = 6;
    w[12].Druck = 12.3;
    const QStringList z = RohdatenZeilen(Aufnahme(5, w), Optionen());
    EXPECT_EQ(z[3], QStringLiteral("Phasen"));
    EXPECT_EQ(z[4], QStringLiteral("--------------------"));
    EXPECT_EQ(z[5], QStringLiteral("0 - Entspannen"));
    EXPECT_EQ(z[6], QStringLiteral("1 - Anspannen"));
    EXPECT_EQ(z[7], QString());
    EXPECT_EQ(z[8], QStringLiteral("Zeit[s];Phase;Druck[mbar]"));
    EXPECT_EQ(z.back(), QStringLiteral("1.2;1;12.3"));
    EXPECT_EQ(z[9], QStringLiteral("0.0;0;0.0"));
}

TEST(Rohdaten, ProgramSequenceWritesPressurePhasesWithThePressureUnit) {
    TMessWert emg = Wert(1);
    emg.EMG1_RAW = 42.26;
    emg.EMG1 = 99; // smoothed values are not exported
    TMessWert strom = Wert(3);
    strom.Strom_RAW = 12.5;
    strom.Strom = 3;
    TMessWert druck = Wert(6);
    druck.Druck = 30.04;
    druck.EMG1_RAW = 7;
    TMessWert sieben = Wert(7);
    sieben.Druck = 8.0;
    RohdatenOptionen o = Optionen();
    o.Einheit = QStringLiteral("mmHg");
    const QStringList z = RohdatenZeilen(Aufnahme(8, {emg, strom, druck, sieben}), o);
    ASSERT_EQ(z.size(), 3 + 7 + 1 + 4);
    EXPECT_EQ(z[5], QStringLiteral("0 - Entspannen"));
    EXPECT_EQ(z[8], QStringLiteral("3 - Strom"));
    EXPECT_EQ(z[11], QStringLiteral("0.0;1;42.3;µV"));
    EXPECT_EQ(z[12], QStringLiteral("0.1;3;12.5;mA"));
    EXPECT_EQ(z[13], QStringLiteral("0.2;6;30.0;mmHg"));
    EXPECT_EQ(z[14], QStringLiteral("0.3;7;8.0;mmHg"));
}

TEST(Rohdaten, HeaderAndSampleCellsPerMode) {
    TMessWert w = Wert(7);
    w.Druck = 15.24;
    w.EMG1_RAW = 100;
    w.EMG2_RAW = 2.5;
    const auto zeilen = [&](int mode) { return RohdatenZeilen(Aufnahme(mode, {w}), Optionen()); };
    QStringList z = zeilen(6);
    ASSERT_EQ(z.size(), 5);
    EXPECT_EQ(z[3], QStringLiteral("Zeit[s];Druck[mbar];EMG CH1"));
    EXPECT_EQ(z[4], QStringLiteral("0.0;15.2;100.0"));
    z = zeilen(7);
    ASSERT_EQ(z.size(), 5);
    EXPECT_EQ(z[3], QStringLiteral("Zeit[s];Druck[mbar];EMG CH1[µV];EMG CH2[µV]"));
    EXPECT_EQ(z[4], QStringLiteral("0.0;15.2;100.0;2.5"));
    w.Phase = 1;
    z = zeilen(9);
    ASSERT_EQ(z.size(), 3 + 5 + 2);
    EXPECT_EQ(z[8], QStringLiteral("Zeit[s];Phase;EMG CH1[µV];EMG CH2[µV]"));
    EXPECT_EQ(z[9], QStringLiteral("0.0;1;100.0;2.5"));
    z = zeilen(4);
    EXPECT_EQ(z[4], QStringLiteral("0.0;15.2"));
}

TEST(Rohdaten, FileIsUtf8WithByteOrderMarkCrLfAndTheCallersDecimalSeparator) {
    TMessWert w = Wert(1);
    w.EMG1_RAW = 12.5;
    RohdatenOptionen o = Optionen();
    o.Dezimaltrenner = QLatin1Char(',');
    o.Bemerkungen = {QStringLiteral("Übung gut, Größe €")};
    const QByteArray csv = RohdatenCsv(Aufnahme(0, {w, Wert(0)}), o);
    const QByteArray erwartet = "\xEF\xBB\xBF"
                                "Exportiert aus ZUD-Software am 08.12.26 um 22:15\r\n"
                                "\r\n"
                                "\xC3\x9C"
                                "bung gut, Gr\xC3\xB6\xC3\x9F"
                                "e \xE2\x82\xAC\r\n"
                                "\r\n"
                                "Phasen\r\n"
                                "--------------------\r\n"
                                "0 - Entspannen\r\n"
                                "1 - Anspannen\r\n"
                                "2 - Pause\r\n"
                                "3 - Strom\r\n"
                                "\r\n"
                                "Zeit[s];Phase;Messwert\r\n"
                                "0,0;1;12,5;\xC2\xB5V\r\n"
                                "0,1;0;0,0;\xC2\xB5V\r\n";
    EXPECT_EQ(csv, erwartet);
}

TEST(Rohdaten, PolishLettersArriveUnchanged) {
    RohdatenOptionen o = Optionen();
    o.Bemerkungen = {QStringLiteral("Rozluźnienie, Łódź, ćwiczenie")};
    const QByteArray csv = RohdatenCsv(Aufnahme(4, {Wert(0)}), o);
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList z = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
    ASSERT_GT(z.size(), 3);
    EXPECT_EQ(z[2], QStringLiteral("Rozluźnienie, Łódź, ćwiczenie"));
    EXPECT_FALSE(csv.contains('?'));
}

TEST(Rohdaten, FillFileWritesTheFileOrNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("a.csv"));
    QString fehler;
    const Messung m = Aufnahme(4, {Wert(7)});
    ASSERT_TRUE(FillFile(path, m, Optionen(), &fehler)) << fehler.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), RohdatenCsv(m, Optionen()));
    const QString fehlt = dir.filePath(QStringLiteral("gibt/es/nicht.csv"));
    EXPECT_FALSE(FillFile(fehlt, m, Optionen(), &fehler));
    EXPECT_TRUE(fehler.startsWith(QStringLiteral("Datei kann nicht geschrieben werden")))
        << fehler.toStdString();
    EXPECT_FALSE(QFile::exists(fehlt));
}

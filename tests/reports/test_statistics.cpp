// The exercise statistics: cell texts and their dash rules, the lists of a patient with every
// operating mode and the older variant read from real Firebird (embedded and a private
// server), the value columns behind the progress chart, and the therapy summary.

#include "Aufnahmen.h"
#include "DbFixture.h"
#include "Statistics.h"

#include <QLocale>

using namespace zud;
using namespace zud::test;

namespace {

QStringList L(std::initializer_list<const char*> s) {
    QStringList out;
    for (const char* x : s) {
        out << QString::fromUtf8(x);
    }
    return out;
}

QStringList A(const std::array<QString, 3>& a) {
    return {a[0], a[1], a[2]};
}

} // namespace

TEST(StatTexte, UebungslaengeInMinutenUndSekundenNieAufgerundet) {
    EXPECT_EQ(Uebungslaenge(0), QStringLiteral("0 s"));
    EXPECT_EQ(Uebungslaenge(9), QStringLiteral("0 s"));
    EXPECT_EQ(Uebungslaenge(599), QStringLiteral("59 s"));
    EXPECT_EQ(Uebungslaenge(600), QStringLiteral("1 min"));
    // 1 min 40 s is neither "2 min" (rounded) nor "1 min" (cut).
    EXPECT_EQ(Uebungslaenge(1000), QStringLiteral("1 min 40 s"));
    EXPECT_EQ(Uebungslaenge(1199), QStringLiteral("1 min 59 s"));
    EXPECT_EQ(Uebungslaenge(35999), QStringLiteral("59 min 59 s"));
    EXPECT_EQ(Uebungslaenge(36000), QStringLiteral("1 h"));
    EXPECT_EQ(Uebungslaenge(36000 + 600 * 5 + 90), QStringLiteral("1 h 5 min"));
}

TEST(StatTexte, ZahlenUndDatenInDerSpracheDesLesers) {
    const QLocale de(QLocale::German, QLocale::Germany);
    const QLocale pl(QLocale::Polish, QLocale::Poland);
    const QLocale en(QLocale::English, QLocale::UnitedKingdom);
    EXPECT_EQ(A(EMGTexte(2.5f, 7.26f, 4.44, 3, de)), L({"2,5 µV", "7,3 µV", "4,4 µV"}));
    EXPECT_EQ(A(EMGTexte(2.5f, 7.26f, 4.44, 3, en)), L({"2.5 µV", "7.3 µV", "4.4 µV"}));
    EXPECT_EQ(A(StromTexte(0.0f, 25.5f, 12.25, 4, pl)), L({"0,0 mA", "25,5 mA", "12,3 mA"}));
    // No group separator in a four-digit pressure, and the length rule still counts characters.
    EXPECT_EQ(A(DruckTexte(7.5f, 999.9f, 13.333, 3, QStringLiteral("mbar"), de)),
              L({"7,5 mbar", "999,9 mbar", "13,3 mbar"}));
    EXPECT_EQ(Zahltext("%.1f", 1234.56, de), QStringLiteral("1234,6"));
    // Machine output keeps the point whatever the machine's language.
    EXPECT_EQ(A(EMGTexte(2.5f, 7.26f, 4.44, 3)), L({"2.5 µV", "7.3 µV", "4.4 µV"}));

    // Days and months with two digits, so that a column of dates lines up.
    const QDate d(1973, 10, 9);
    for (const QLocale& l : {de, pl}) {
        QLocale::setDefault(l);
        EXPECT_EQ(StatDatum(d), QStringLiteral("09.10.1973")) << l.name().toStdString();
        EXPECT_EQ(StatDatum(QDate(2026, 1, 5)), QStringLiteral("05.01.2026")) << l.name().toStdString();
    }
    QLocale::setDefault(en);
    EXPECT_EQ(StatDatum(d), QStringLiteral("09/10/1973"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(StatDatum(d), QStringLiteral("10/09/1973"));
    QLocale::setDefault(QLocale::c());
}

TEST(StatTexte, EMGFormatUndStriche) {
    // The format follows the unrounded mean: 99.96 is below 100, so one decimal.
    EXPECT_EQ(A(EMGTexte(99.0f, 100.0f, 99.96, 25)), L({"99.0 µV", "100 µV", "100.0 µV"}));
    EXPECT_EQ(A(EMGTexte(100.0f, 250.0f, 100.04, 3)), L({"100 µV", "250 µV", "100 µV"}));
    EXPECT_EQ(A(EMGTexte(2.5f, 7.26f, 4.44, 3)), L({"2.5 µV", "7.3 µV", "4.4 µV"}));
    EXPECT_EQ(A(EMGTexte(300.0f, 300.0f, 300.0, 1)), L({"300 µV", "300 µV", "300 µV"}));
    // Any value above 300 turns the whole group into dashes, so does an empty group.
    EXPECT_EQ(A(EMGTexte(10.0f, 312.0f, 50.0, 4)), L({"-", "-", "-"}));
    EXPECT_EQ(A(EMGTexte(300.0f, 0.0f, 0.0, 0)), L({"-", "-", "-"}));
}

TEST(StatTexte, StromUndDruckMitIhrenLaengengrenzen) {
    EXPECT_EQ(A(StromTexte(0.0f, 25.5f, 12.25, 4)), L({"0.0 mA", "25.5 mA", "12.3 mA"}));
    // "100.0 mA" has eight characters: the group turns into dashes.
    EXPECT_EQ(A(StromTexte(1.0f, 100.0f, 50.0, 2)), L({"-", "-", "-"}));
    EXPECT_EQ(A(StromTexte(99.9f, 99.9f, 99.94, 2)), L({"99.9 mA", "99.9 mA", "99.9 mA"}));
    EXPECT_EQ(A(StromTexte(300.0f, 0.0f, 0.0, 0)), L({"-", "-", "-"}));
    EXPECT_EQ(A(DruckTexte(7.5f, 999.9f, 13.333, 3, QStringLiteral("mbar"))),
              L({"7.5 mbar", "999.9 mbar", "13.3 mbar"}));
    EXPECT_EQ(A(DruckTexte(7.5f, 1000.0f, 13.3, 3, QStringLiteral("mbar"))), L({"-", "-", "-"}));
    EXPECT_EQ(A(DruckTexte(7.5f, 100.0f, 13.3, 3, QStringLiteral("mmHg"))),
              L({"7.5 mmHg", "100.0 mmHg", "13.3 mmHg"}));
}

TEST(StatTexte, SpaltenTagsUndEinheiten) {
    EXPECT_EQ(SpaltenTitel(Einkanalig).size(), 18);
    EXPECT_EQ(SpaltenTitel(Zweikanalig).size(), 18);
    EXPECT_EQ(SpaltenTitel(DruckListe).size(), 17);
    EXPECT_EQ(SpaltenTitel(TrainingDruck).size(), 12);
    EXPECT_EQ(SpaltenTitel(DruckListe)[9], QStringLiteral("max. Haltedauer"));
    for (int c = 0; c < kGemeinsameSpalten; ++c) {
        EXPECT_EQ(SpaltenTag(Einkanalig, c), 0);
    }
    EXPECT_EQ(SpaltenTag(Einkanalig, 6), 4);
    EXPECT_EQ(SpaltenTag(Einkanalig, 17), 15);
    EXPECT_EQ(SpaltenTag(Zweikanalig, 6), 24);
    EXPECT_EQ(SpaltenTag(EMGgesteuert, 17), 55);
    EXPECT_EQ(SpaltenTag(DruckListe, 16), 74);
    EXPECT_EQ(SpaltenTag(TrainingDruck, 11), 89);
    EXPECT_EQ(SpaltenTag(TrainingDruck, 12), 0);
    EXPECT_EQ(TagEinheit(13, 0), QStringLiteral("mA"));
    EXPECT_EQ(TagEinheit(53, 0), QStringLiteral("mA"));
    EXPECT_EQ(TagEinheit(33, 0), QStringLiteral("µV")); // channel 2 of the two-channel list
    EXPECT_EQ(TagEinheit(64, 1), QStringLiteral("mmHg"));
    EXPECT_EQ(TagEinheit(67, 0), QStringLiteral("s"));
    EXPECT_EQ(TagEinheit(68, 0), QStringLiteral("mbar"));
    EXPECT_EQ(TagEinheit(70, 0), QStringLiteral("µV"));
    EXPECT_EQ(TagEinheit(85, 0), QStringLiteral("mbar")); // pressures in the training list
    EXPECT_EQ(ListeDerBetriebsart(8), 0);
    EXPECT_EQ(ListeDerBetriebsart(10), 0);
}

TEST(StatTexte, PatientennummerUndGeraetename) {
    EXPECT_TRUE(NummerGueltig(QStringLiteral("AB1D1234")));
    EXPECT_TRUE(NummerGueltig(QStringLiteral("LXYZ0000")));
    EXPECT_FALSE(NummerGueltig(QStringLiteral("MB1D1234"))); // first not A..L
    EXPECT_FALSE(NummerGueltig(QStringLiteral("ABC11234"))); // fourth not A..Z
    EXPECT_FALSE(NummerGueltig(QStringLiteral("AB1D123")));  // seven characters
    EXPECT_FALSE(NummerGueltig(QStringLiteral("ab1d1234")));
    EXPECT_EQ(SummenGeraet(QStringLiteral("ZUD12 Typ 1")), QStringLiteral("ZUD12"));
    EXPECT_EQ(SummenGeraet(QStringLiteral("ZUD12 Typ 8")), QStringLiteral("ZUD12"));
    EXPECT_EQ(SummenGeraet(QStringLiteral("ZUD12 Typ 9")), QStringLiteral("ZUD12 Typ 9"));
    EXPECT_EQ(SummenGeraet(QString()), QString());
}

TEST(StatTexte, KopfdatenDesAelterenFormats) {
    const QByteArray neu = Aufnahme(6, DruckProbe(6, 1000, 7), "Becken", 30);
    Kopfdaten k = LeseKopfdaten(neu);
    EXPECT_EQ(k.Betriebsart, 6);
    EXPECT_FALSE(k.AelteresFormat);
    EXPECT_EQ(k.Programmname, QStringLiteral("Becken"));
    EXPECT_EQ(k.Timeout, 30);
    for (auto [code, mode] :
         std::initializer_list<std::pair<int, int>>{{9, 4}, {10, 6}, {11, 7}, {12, 5}, {1, 0}, {4, 3}}) {
        k = LeseKopfdaten(AlteAufnahme(code, {}, 62));
        EXPECT_TRUE(k.AelteresFormat);
        EXPECT_EQ(k.Betriebsart, mode) << code;
        EXPECT_EQ(k.Timeout, 61); // 62 counts as continuous
        EXPECT_TRUE(k.Programmname.isEmpty());
    }
    EXPECT_EQ(LeseKopfdaten(QByteArray(40, '\0')).Betriebsart, -1);
}

namespace {

class StatDb : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::c());
        DbTest::TearDown();
    }
    qint64 Neu(const char* name, const QString& nummer = QString()) {
        Patient p = Person(QString::fromUtf8(name), QStringLiteral("Erika"), QDate(1960, 5, 17));
        p.Nummer = nummer;
        return dm->AddPatient(p);
    }
    qint64 Speichere(qint64 pat, QDate d, QTime t, const QByteArray& daten,
                     const QString& geraet = QStringLiteral("ZUD12 Typ 1")) {
        return dm->InsertRecording(pat, d, t, daten, geraet);
    }
};

} // namespace

TEST_P(StatDb, ListenAllerBetriebsartenUndDesAelterenFormats) {
    const qint64 p = Neu("Muster");
    const QTime t(9, 0, 0);
    // List 1: modes 0, 1, 2, the older variant and a recording of an older device generation.
    Speichere(p, QDate(2026, 1, 5), t,
              Aufnahme(0,
                       EMGProbe(1, 11, 100, 24) + EMGProbe(1, 11, 99) + EMGProbe(0, 12, 208, 10) +
                           EMGProbe(2, 3, 50, 5) + EMGProbe(3, 0, 255, 5),
                       "Kraft"));
    Speichere(p, QDate(2026, 1, 6), t, Aufnahme(1, EMGProbe(0, 11, 20, 599), "Lang 1"));
    Speichere(p, QDate(2026, 1, 7), t, Aufnahme(2, EMGProbe(0, 11, 20, 900), "Lang 2"));
    Speichere(p, QDate(2026, 1, 8), t, Aufnahme(0, EMGProbe(0, 11, 20, 1000), "Lang 3"));
    const qint64 alt = Speichere(p, QDate(2026, 1, 9), t,
                                 AlteAufnahme(1, AltesWort(6, 11, 100, 10) + AltesWort(4, 0, 1000, 3)));
    dm->Db().Exec(QStringLiteral("update ZUDData set BETRIEBSART = -1 where COUNTER = %1").arg(alt));
    dm->Db().CommitRetaining();
    Speichere(p, QDate(2026, 1, 10), t, Aufnahme(0, EMGProbe(1, 11, 100, 30), "Fremd"),
              QStringLiteral("ALTGERAET"));
    // List 2, 3, 4; no mode 5. A mode-8 header has no list.
    Speichere(
        p, QDate(2026, 2, 1), t,
        Aufnahme(9, ZweiKanalProbe(100, 50, 0xAB, 0, 10) + ZweiKanalProbe(40, 60, 0xAB, 1, 10), "Zwei"));
    Speichere(p, QDate(2026, 2, 2), t, Aufnahme(3, EMGProbe(0, 11, 10, 10, true), "Trigger"));
    Speichere(p, QDate(2026, 2, 3), t,
              Aufnahme(4, DruckProbe(4, 1000, 7, 10) + DruckProbe(4, 2000, 7, 5), "Druck"));
    Speichere(p, QDate(2026, 2, 4), t, Aufnahme(6, DruckProbe(6, 1500, 7, 10, 0x0B, 80), "EMG1"));
    Speichere(p, QDate(2026, 2, 5), t, Aufnahme(7, DruckProbe(7, 500, 7, 10, 0xBB, 60, 120), "EMG2"));
    Speichere(p, QDate(2026, 2, 6), t, Aufnahme(8, QByteArray(30, '\0'), "Folge"));
    // Another patient's recording stays out.
    Speichere(Neu("Anders"), QDate(2026, 1, 5), t, Aufnahme(5, DruckProbe(5, 1000, 5, 10)));

    StatOptionen o;
    o.AeltereGeraete = {QStringLiteral("ALTGERAET")};
    const Statistik s = FillStatistik(*dm, p, o);
    EXPECT_EQ(s.SichtbareListen(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(s.Liste(TrainingDruck).Zeilen.empty());

    const auto& l1 = s.Liste(Einkanalig).Zeilen;
    ASSERT_EQ(l1.size(), 6u);
    EXPECT_EQ(l1[0].Zellen,
              L({"1", "05.01.2026", "09:00:00", "Kraft", "EMG-Biofeedback", "4 s", "-", "-", "-", "99.0 µV",
                 "100 µV", "100.0 µV", "2.5 µV", "2.5 µV", "2.5 µV", "25.5 mA", "25.5 mA", "25.5 mA"}));
    EXPECT_EQ(l1[1].Zellen.mid(0, 9), L({"2", "06.01.2026", "09:00:00", "Lang 1", "ES-Elektrostimulation",
                                         "59 s", "20.0 µV", "20.0 µV", "20.0 µV"}));
    EXPECT_EQ(l1[2].Zellen[5], QStringLiteral("1 min 30 s"));
    EXPECT_EQ(l1[2].Zellen[4], QStringLiteral("Biofeedback+Elektrostim."));
    EXPECT_EQ(l1[3].Zellen[5], QStringLiteral("1 min 40 s"));
    // The older variant: 13 samples, its 100.0 mA current is too long for the list.
    EXPECT_EQ(l1[4].Zellen, L({"5", "09.01.2026", "09:00:00", "", "EMG-Biofeedback", "1 s", "-", "-", "-",
                               "100 µV", "100 µV", "100 µV", "-", "-", "-", "-", "-", "-"}));
    // The older device generation: listed, not computed.
    EXPECT_FALSE(l1[5].Berechnet);
    EXPECT_EQ(l1[5].Zellen.mid(0, 5), L({"6", "10.01.2026", "09:00:00", "Fremd", "EMG-Biofeedback"}));
    EXPECT_EQ(l1[5].Zellen.mid(5), QStringList(13, QStringLiteral("-")));

    const auto& l2 = s.Liste(Zweikanalig).Zeilen;
    ASSERT_EQ(l2.size(), 1u);
    EXPECT_EQ(l2[0].Zellen.mid(3),
              L({"Zwei", "2-kanalig EMG", "2 s", "100 µV", "100 µV", "100 µV", "40.0 µV", "40.0 µV",
                 "40.0 µV", "25.0 µV", "25.0 µV", "25.0 µV", "30.0 µV", "30.0 µV", "30.0 µV"}));
    const auto& l3 = s.Liste(EMGgesteuert).Zeilen;
    ASSERT_EQ(l3.size(), 1u);
    EXPECT_EQ(l3[0].Zellen.mid(0, 9),
              L({"1", "02.02.2026", "09:00:00", "Trigger", "EMG-gesteuerte Elektrostim.      ", "1 s",
                 "10.0 µV", "10.0 µV", "10.0 µV"}));

    const auto& l4 = s.Liste(DruckListe).Zeilen;
    ASSERT_EQ(l4.size(), 3u);
    EXPECT_EQ(l4[0].Zellen.mid(4), L({"Druck", "1 s", "10.0 mbar", "20.0 mbar", "13.3 mbar", "0.5 s",
                                      "10.0 mbar", "-", "-", "-", "-", "-", "-"}));
    EXPECT_EQ(l4[1].Zellen.mid(4), L({"1-kanalig EMG + Druck", "1 s", "15.0 mbar", "15.0 mbar", "15.0 mbar",
                                      "1.0 s", "15.0 mbar", "80.0 µV", "80.0 µV", "80.0 µV", "-", "-", "-"}));
    EXPECT_EQ(l4[2].Zellen.mid(4),
              L({"2-kanalig EMG + Druck", "1 s", "5.0 mbar", "5.0 mbar", "5.0 mbar", "1.0 s", "5.0 mbar",
                 "60.0 µV", "60.0 µV", "60.0 µV", "120 µV", "120 µV", "120 µV"}));
    EXPECT_EQ(l4[0].Zellen[0], QStringLiteral("1"));
    EXPECT_EQ(l4[2].Zellen[0], QStringLiteral("3"));

    // The summary counts every recording of the patient, mode 8 included.
    EXPECT_EQ(s.Summe.Anzahl, 12);
    EXPECT_EQ(s.Summe.Erste, QDate(2026, 1, 5));
    EXPECT_EQ(s.Summe.Letzte, QDate(2026, 2, 6));
    EXPECT_EQ(s.Summe.Geraet, QStringLiteral("ZUD12"));
}

TEST_P(StatDb, TrainingDruckInMmHgUndDruckwerteNachEinheit) {
    const qint64 p = Neu("Druck");
    Speichere(p, QDate(2026, 3, 1), QTime(8, 0),
              Aufnahme(5, DruckProbe(5, 1000, 5, 4) + DruckProbe(5, 4000, 6, 4), "Training"));
    Speichere(p, QDate(2026, 3, 2), QTime(8, 0), Aufnahme(4, DruckProbe(4, 2000, 7, 4), "Halten"));
    StatOptionen o;
    o.DruckEinheit = 1;
    const Statistik s = FillStatistik(*dm, p, o);
    EXPECT_EQ(s.SichtbareListen(), (std::vector<int>{4, 5}));
    EXPECT_EQ(s.Liste(TrainingDruck).Zeilen[0].Zellen.mid(4),
              L({"Training Druck", "0 s", "7.5 mmHg", "7.5 mmHg", "7.5 mmHg", "30.0 mmHg", "30.0 mmHg",
                 "30.0 mmHg"}));
    EXPECT_EQ(s.Liste(DruckListe).Zeilen[0].Zellen.mid(6, 5),
              L({"15.0 mmHg", "15.0 mmHg", "15.0 mmHg", "0.4 s", "15.0 mmHg"}));
}

TEST_P(StatDb, SpaltenwahlUndVerlauf) {
    const qint64 p = Neu("Verlauf");
    const QTime t(10, 0);
    // Relax is 0 µV everywhere; contract 50 and 80 µV in the second and fourth recording only.
    Speichere(p, QDate(2026, 4, 1), t, Aufnahme(0, EMGProbe(0, 11, 0, 5)));
    Speichere(p, QDate(2026, 4, 2), t, Aufnahme(0, EMGProbe(0, 11, 0, 5) + EMGProbe(1, 11, 50, 5)));
    Speichere(p, QDate(2026, 4, 3), t, Aufnahme(0, EMGProbe(0, 11, 0, 5)));
    Speichere(p, QDate(2026, 4, 4), t, Aufnahme(0, EMGProbe(0, 11, 0, 5) + EMGProbe(1, 11, 80, 5)));
    Speichere(p, QDate(2026, 4, 5), t, Aufnahme(3, EMGProbe(1, 11, 80, 5, true)));
    const Statistik s = FillStatistik(*dm, p, {});
    const StatListeDaten& l = s.Liste(Einkanalig);
    ASSERT_EQ(l.Zeilen.size(), 4u);
    EXPECT_EQ(l.Zeilen[0].Zellen[9], QStringLiteral("-"));
    // The empty groups keep their start values (minimum 300) in the trailer; dashed cells do not count.
    EXPECT_DOUBLE_EQ(GroessterWert(l, 9), 80.0);
    EXPECT_TRUE(SpalteWaehlbar(l, 9));
    // A row whose cell is "-" has no value in the series: none is carried over from a neighbour.
    using V = std::vector<std::optional<double>>;
    EXPECT_EQ(Verlaufswerte(l, 9), (V{std::nullopt, 50.0, std::nullopt, 80.0}));
    EXPECT_EQ(Verlaufswerte(l, 10), (V{std::nullopt, 50.0, std::nullopt, 80.0}));
    // An all-zero column, the common columns and a list of one row cannot be chosen.
    EXPECT_DOUBLE_EQ(GroessterWert(l, 6), 0.0);
    EXPECT_FALSE(SpalteWaehlbar(l, 6));
    for (int c = 0; c < kGemeinsameSpalten; ++c) {
        EXPECT_FALSE(SpalteWaehlbar(l, c)) << c;
    }
    EXPECT_FALSE(SpalteWaehlbar(s.Liste(EMGgesteuert), 9));
    EXPECT_DOUBLE_EQ(GroessterWert(s.Liste(EMGgesteuert), 9), 80.0);
}

TEST_P(StatDb, ZusammenfassungDauernFrequenzUndTherapietreue) {
    const qint64 p = Neu("Summe", QStringLiteral("AB1D1234"));
    // Counted: 3 and 4 minutes programmed for 5; not counted: exactly 1200 samples, continuous mode.
    Speichere(p, QDate(2026, 5, 1), QTime(8, 0), Aufnahme(0, EMGProbe(0, 11, 10, 1800), "A", 5),
              QStringLiteral("ZUD12 Typ 9"));
    Speichere(p, QDate(2026, 5, 1), QTime(18, 0), Aufnahme(0, EMGProbe(0, 11, 10, 2400), "B", 5));
    Speichere(p, QDate(2026, 5, 2), QTime(8, 0), Aufnahme(0, EMGProbe(0, 11, 10, 1200), "C", 5));
    Speichere(p, QDate(2026, 5, 3), QTime(8, 0), Aufnahme(0, EMGProbe(0, 11, 10, 3000), "D", 61));
    Statistik s = FillStatistik(*dm, p, {});
    const Zusammenfassung& z = s.Summe;
    EXPECT_EQ(z.Anzahl, 4);
    EXPECT_EQ(z.Gezaehlt, 2);
    EXPECT_EQ(z.Geraet, QStringLiteral("ZUD12 Typ 9")); // the first recording's device
    EXPECT_DOUBLE_EQ(z.Dauersumme, 7.0);
    EXPECT_DOUBLE_EQ(z.MittlereDauer, 3.5);
    EXPECT_DOUBLE_EQ(z.MittlereSolldauer, 5.0);
    // Two counted exercises over three days of therapy.
    EXPECT_DOUBLE_EQ(z.Frequenz, 2.0 / 3.0);
    EXPECT_EQ(z.Nummer, QStringLiteral("AB1D1234"));
    EXPECT_EQ(BehandlungsdauerText(z), QStringLiteral("3.50 min"));
    EXPECT_EQ(TherapietreueText(z, 2), QStringLiteral("23 %")); // 3.5 / 5 * 100 * 0.667 / 2
    EXPECT_EQ(TherapietreueText(z, 1), QStringLiteral("47 %"));
    EXPECT_EQ(TherapietreueText(z, 0), QString()); // no line at all
    EXPECT_FALSE(z.Therapietreue(0).has_value());

    // Four full exercises on one day with a maximum of two a day: capped at 100 %.
    const qint64 q = Neu("Fleissig", QStringLiteral("MB1D1234"));
    for (int i = 0; i < 4; ++i) {
        Speichere(q, QDate(2026, 6, 1), QTime(8 + i, 0), Aufnahme(0, EMGProbe(0, 11, 10, 3000), "F", 5));
    }
    s = FillStatistik(*dm, q, {});
    EXPECT_DOUBLE_EQ(s.Summe.Frequenz, 4.0);
    EXPECT_EQ(TherapietreueText(s.Summe, 2), QStringLiteral("100 %"));
    EXPECT_TRUE(s.Summe.Nummer.isEmpty());
    EXPECT_EQ(FehlendeNummerGrund(s.Summe),
              QStringLiteral("nicht hinterlegt („MB1D1234“ ist keine Seriennummer)"));
    EXPECT_TRUE(FehlendeDauerGrund(s.Summe).isEmpty());

    // Only short recordings: mean durations 0, "-" for both lines.
    const qint64 r = Neu("Kurz");
    Speichere(r, QDate(2026, 7, 1), QTime(8, 0), Aufnahme(0, EMGProbe(0, 11, 10, 1199)));
    Speichere(r, QDate(2026, 7, 9), QTime(8, 0), Aufnahme(0, EMGProbe(0, 11, 10, 600)));
    s = FillStatistik(*dm, r, {});
    EXPECT_EQ(s.Summe.Gezaehlt, 0);
    EXPECT_EQ(s.Summe.MittlereDauer, 0.0);
    EXPECT_EQ(s.Summe.MittlereSolldauer, 0.0);
    EXPECT_EQ(BehandlungsdauerText(s.Summe), QStringLiteral("-"));
    EXPECT_EQ(TherapietreueText(s.Summe, 2), QStringLiteral("-"));
    // The page says why rather than "-" beside two sessions.
    EXPECT_EQ(FehlendeDauerGrund(s.Summe), QStringLiteral("keine Übung mit fester Übungsdauer über 2 min"));
    EXPECT_EQ(FehlendeNummerGrund(s.Summe), QStringLiteral("nicht hinterlegt"));

    // The older variant: duration from its header byte 228, where 62 means continuous.
    const qint64 a = Neu("Alt");
    for (int code : {62, 7}) {
        const qint64 c = Speichere(a, QDate(2026, 8, code == 62 ? 1 : 2), QTime(8, 0),
                                   AlteAufnahme(1, AltesWort(5, 11, 10, 1800), code));
        dm->Db().Exec(QStringLiteral("update ZUDData set BETRIEBSART = -1 where COUNTER = %1").arg(c));
    }
    dm->Db().CommitRetaining();
    s = FillStatistik(*dm, a, {});
    EXPECT_EQ(s.Summe.Gezaehlt, 1);
    EXPECT_DOUBLE_EQ(s.Summe.MittlereSolldauer, 7.0);
    EXPECT_DOUBLE_EQ(s.Summe.MittlereDauer, 3.0);
    EXPECT_EQ(s.Liste(Einkanalig).Zeilen.size(), 2u);

    // A patient without recordings.
    s = FillStatistik(*dm, Neu("Leer"), {});
    EXPECT_TRUE(s.SichtbareListen().empty());
    EXPECT_EQ(s.Summe.Anzahl, 0);
    EXPECT_EQ(s.Summe.Frequenz, 0.0);
    EXPECT_EQ(FehlendeDauerGrund(s.Summe), QStringLiteral("keine Übungen gespeichert"));
}

INSTANTIATE_TEST_SUITE_P(Firebird, StatDb, ::testing::Values(Mode::Embedded, Mode::Server), ModeName);

TEST(StatTexte, BeschaedigteAufnahmenGebenStricheStattAbsturz) {
    // Rows as a damaged or foreign database could hold them.
    std::vector<StatQuelle> q;
    auto neu = [&](const QByteArray& daten, int db) {
        StatQuelle s;
        s.Counter = static_cast<qint64>(q.size()) + 1;
        s.Datum = QDate(2026, 1, 1).addDays(static_cast<int>(q.size()));
        s.Uhrzeit = QTime(8, 0);
        s.DbBetriebsart = db;
        s.Daten = daten;
        q.push_back(s);
    };
    neu(QByteArray(), 1);                                     // empty blob
    neu(QByteArray(60, '\x07'), 1);                           // shorter than a header
    neu(Aufnahme(0, QByteArray(), "Leer"), 1);                // header and trailer only
    neu(Aufnahme(0, EMGProbe(1, 11, 50, 3)).left(89 + 5), 1); // trailer cut off
    neu(Aufnahme(8, QByteArray(40, '\x11')), 9);              // program sequence: no list
    neu(Aufnahme(12, QByteArray(40, '\x11')), 13);            // unknown mode: no list
    neu(Aufnahme(0, EMGProbe(1, 15, 200, 4)), 1);             // range index outside the table
    neu(AlteAufnahme(1, AltesWort(6, 11, 100, 5)), -101);     // oldest variant: not decoded
    neu(AlteAufnahme(1, QByteArray(7, '\xFF')), -1);          // older variant, odd length
    QByteArray zufall(5000, '\0');
    uint32_t x = 1;
    for (auto& c : zufall) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
    }
    zufall[2] = 7;
    neu(zufall, 8); // random samples of mode 7
    const Statistik s = BerechneStatistik(q, Patient{}, {});
    EXPECT_EQ(s.Summe.Anzahl, 10);
    const auto& l1 = s.Liste(Einkanalig).Zeilen;
    ASSERT_EQ(l1.size(), 5u); // header and trailer only, trailer cut off, bad range, both older variants
    EXPECT_EQ(l1[0].Zellen[5], QStringLiteral("0 s"));
    EXPECT_EQ(l1[0].Zellen.mid(6), QStringList(12, QStringLiteral("-")));
    EXPECT_EQ(l1[1].Zellen.mid(6), QStringList(12, QStringLiteral("-")));
    // Range index 15 has no range: the values are 0 µV, not garbage.
    EXPECT_EQ(l1[2].Zellen.mid(9, 3), L({"0.0 µV", "0.0 µV", "0.0 µV"}));
    // The oldest variant is listed but nothing is decoded; the older one with no whole sample likewise.
    EXPECT_EQ(l1[3].Zellen.mid(5), QStringList{QStringLiteral("0 s")} + QStringList(12, QStringLiteral("-")));
    EXPECT_EQ(l1[4].Zellen.mid(5), QStringList{QStringLiteral("0 s")} + QStringList(12, QStringLiteral("-")));
    EXPECT_EQ(s.Liste(DruckListe).Zeilen.size(), 1u);
    for (int l = 1; l <= kStatListen; ++l) {
        for (const StatZeile& z : s.Liste(l).Zeilen) {
            EXPECT_EQ(z.Zellen.size(), kGemeinsameSpalten + Wertspalten(l));
        }
    }
}

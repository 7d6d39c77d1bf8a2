// The report pages: the patient header's figures, the print preview's division of the page,
// the statistics table's pagination, and the PDFs that zudctl writes from a real database,
// read back with pdftotext and pdfinfo.

#include "Aufnahmen.h"
#include "DbFixture.h"
#include "Reports.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>

using namespace zud;
using namespace zud::test;

namespace {

QString Programm(const QString& prog, const QStringList& args) {
    QProcess p;
    p.start(prog, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        return QStringLiteral("<%1 failed: %2>").arg(prog, QString::fromUtf8(p.readAllStandardError()));
    }
    // pdftotext writes "ff" as a ligature.
    return QString::fromUtf8(p.readAllStandardOutput()).replace(QChar(0xFB00), QStringLiteral("ff"));
}

QString PdfText(const QString& pdf, int seite = 0) {
    QStringList a{QStringLiteral("-layout")};
    if (seite > 0) {
        a << QStringLiteral("-f") << QString::number(seite) << QStringLiteral("-l") << QString::number(seite);
    }
    return Programm(QStringLiteral("pdftotext"), a << pdf << QStringLiteral("-"));
}

QString PdfInfo(const QString& pdf, const QString& feld) {
    const QString info = Programm(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpression re(QStringLiteral("^%1:\\s*(.*)$").arg(feld),
                                QRegularExpression::MultilineOption);
    const auto m = re.match(info);
    return m.hasMatch() ? m.captured(1).trimmed() : info;
}

Berichtsaufnahme Aus(const QByteArray& daten, int dbBetriebsart = 0) {
    Recording r;
    r.Datum = QDate(2026, 3, 4);
    r.Uhrzeit = QTime(10, 11, 12);
    r.Daten = daten;
    r.Betriebsart = dbBetriebsart != 0 ? dbBetriebsart : static_cast<uint8_t>(daten.at(2)) + 1;
    return LadeBerichtsaufnahme(r, 0);
}

StatListeDaten Liste(int zeilen) {
    StatListeDaten l;
    l.Nummer = Einkanalig;
    for (int i = 0; i < zeilen; ++i) {
        StatZeile z;
        z.Datum = QDate(2026, 1, 1).addDays(i);
        z.Zellen << QString::number(i + 1) << QStringLiteral("D%1").arg(i + 1, 3, 10, QLatin1Char('0'))
                 << QStringLiteral("09:00:00") << QStringLiteral("Kraft") << QStringLiteral("EMG-Biofeedback")
                 << QStringLiteral("2 min");
        for (int c = 0; c < 12; ++c) {
            z.Zellen << QStringLiteral("12.5 µV");
        }
        l.Zeilen.push_back(z);
    }
    return l;
}

} // namespace

TEST(Patientenkopf, StatistikzeilenJeBetriebsart) {
    // Mode 0: four groups in µV and mA; an empty group is written with dashes.
    Berichtsaufnahme a =
        Aus(Aufnahme(0, EMGProbe(0, 11, 150, 4) + EMGProbe(1, 11, 20, 4) + EMGProbe(3, 0, 55, 2)));
    auto z = KopfStatistik(a, 0);
    ASSERT_EQ(z.size(), 4u);
    EXPECT_EQ(z[0].Titel, QStringLiteral("Entspannen [µV]"));
    EXPECT_EQ(z[0].Min + z[0].Max + z[0].Mittel, QStringLiteral("150150150"));
    EXPECT_EQ(z[1].Min, QStringLiteral("20.0"));
    EXPECT_EQ(z[2].Titel, QStringLiteral("Pause [µV]"));
    EXPECT_EQ(z[2].Min + z[2].Max + z[2].Mittel, QStringLiteral("---"));
    EXPECT_EQ(z[3].Titel, QStringLiteral("Strom [mA]"));
    EXPECT_EQ(z[3].Max, QStringLiteral("5.5"));
    EXPECT_TRUE(KopfDruckzeilen(a, 0).isEmpty());

    // Mode 4 in mmHg: one pressure row, hold duration and base pressure.
    a = Aus(Aufnahme(4, DruckProbe(4, 1000, 7, 10) + DruckProbe(4, 2000, 7, 5)));
    z = KopfStatistik(a, 1);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0].Titel, QStringLiteral("Druck [mmHg]"));
    EXPECT_EQ(KopfDruckzeilen(a, 0),
              (QStringList{QStringLiteral("Haltedauer: 0.5 s"), QStringLiteral("Basisdruck: 10.0 mbar")}));
    // Mode 7: pressure and both EMG channels; mode 9: the four two-channel rows; mode 5: pressures.
    z = KopfStatistik(Aus(Aufnahme(7, DruckProbe(7, 500, 7, 3, 0xBB, 60, 120))), 0);
    ASSERT_EQ(z.size(), 3u);
    EXPECT_EQ(z[2].Titel + z[2].Max, QStringLiteral("EMG CH2 [µV]120"));
    z = KopfStatistik(Aus(Aufnahme(9, ZweiKanalProbe(100, 50, 0xAB, 0, 3))), 0);
    ASSERT_EQ(z.size(), 4u);
    EXPECT_EQ(z[2].Titel + z[2].Min, QStringLiteral("Entspannen CH2 [µV]25.0"));
    z = KopfStatistik(Aus(Aufnahme(5, DruckProbe(5, 1000, 5, 3))), 0);
    ASSERT_EQ(z.size(), 2u);
    EXPECT_EQ(z[0].Titel, QStringLiteral("Entspannen [mbar]"));
    // The older variant is decoded by its own decoder.
    a = Aus(AlteAufnahme(1, AltesWort(6, 11, 100, 700)), -1);
    EXPECT_EQ(a.Werte.Betriebsart, 0);
    EXPECT_EQ(KopfStatistik(a, 0)[1].Mittel, QStringLiteral("100"));

    // In German the header writes its numbers with a comma.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    a = Aus(Aufnahme(4, DruckProbe(4, 1170, 7, 10) + DruckProbe(4, 2000, 7, 5)));
    EXPECT_EQ(KopfStatistik(a, 0)[0].Min, QStringLiteral("11,7"));
    EXPECT_EQ(KopfDruckzeilen(a, 0),
              (QStringList{QStringLiteral("Haltedauer: 0,5 s"), QStringLiteral("Basisdruck: 11,7 mbar")}));
    QLocale::setDefault(QLocale::c());
}

namespace {

// A list whose column 11 ("Anspannen Ø") holds `werte`, "-" where there is none.
StatListeDaten VerlaufListe(const std::vector<std::optional<double>>& werte) {
    StatListeDaten l;
    l.Nummer = Einkanalig;
    for (size_t i = 0; i < werte.size(); ++i) {
        StatZeile z;
        z.Datum = QDate(2026, 3, 1).addDays(static_cast<int>(i));
        for (int c = 0; c < 18; ++c) {
            z.Zellen << QStringLiteral("1");
        }
        if (werte[i]) {
            z.Footer.avg_Anspannen = static_cast<float>(*werte[i]);
            z.Footer.avg_Anspannen_Count = 1;
        } else {
            z.Zellen[11] = QStringLiteral("-");
        }
        l.Zeilen.push_back(z);
    }
    return l;
}

bool Blau(QRgb c) {
    return qBlue(c) > 180 && qRed(c) < 120 && qGreen(c) < 120;
}

} // namespace

TEST(Verlauf, EinStrichInDerListeIstEineLueckeUndKeinErfundenerWert) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const StatListeDaten l = VerlaufListe({40.0, 60.0, std::nullopt, 20.0, 50.0});
    for (const bool flaeche : {false, true}) {
        const Verlaufsdaten v = BerechneVerlauf(l, 11, 0, flaeche);
        EXPECT_EQ(v.Einheit, QStringLiteral("µV"));
        QImage img(900, 560, QImage::Format_RGB32);
        img.fill(Qt::black);
        QPainter p(&img);
        const Verlaufsbild b = DrawVerlauf(p, QRectF(0, 0, 900, 560), 1.0, v);
        p.end();
        ASSERT_EQ(b.Punkte.size(), 5u);
        EXPECT_FALSE(b.Punkte[2].has_value());
        for (size_t i : {0u, 1u, 3u, 4u}) {
            ASSERT_TRUE(b.Punkte[i].has_value()) << i;
        }
        // The axis starts at 0: 60 is the top, 20 a third of the way up.
        EXPECT_NEAR(b.Punkte[1]->y(), b.Plot.top(), 0.5);
        EXPECT_NEAR(b.Punkte[3]->y(), b.Plot.bottom() - b.Plot.height() / 3, 0.5);
        // Two runs, neither across the gap.
        const double x2 = (b.Punkte[1]->x() + b.Punkte[3]->x()) / 2;
        ASSERT_EQ(b.Linien.size(), 2u);
        for (const QPolygonF& lauf : b.Linien) {
            EXPECT_TRUE(lauf.back().x() < x2 || lauf.front().x() > x2);
        }
        // Nothing drawn in the gap's column: neither a line nor an area.
        int farbig = 0;
        for (int y = static_cast<int>(b.Plot.top()) + 2; y < static_cast<int>(b.Plot.bottom()) - 2; ++y) {
            const QRgb c = img.pixel(static_cast<int>(x2), y);
            farbig += Blau(c) || c == QColor(0x87, 0xCE, 0xEB).rgb();
        }
        EXPECT_EQ(farbig, 0) << "flaeche " << flaeche;
        // The labels in German, the axis' 0 among them, none in the plot where the line runs.
        QStringList texte;
        for (const auto& [r, t] : b.Beschriftungen) {
            texte << t;
            EXPECT_FALSE(r.intersects(b.Plot)) << t.toStdString();
            EXPECT_TRUE(QRectF(0, 0, 900, 560).contains(r)) << t.toStdString();
        }
        EXPECT_EQ(texte, (QStringList{QStringLiteral("60,0 µV"), QStringLiteral("30,0 µV"),
                                      QStringLiteral("0,0 µV")}));
    }

    // The printed page says what it shows, for whom and over which days.
    Patient pa;
    pa.Name = QStringLiteral("Muster");
    pa.Vorname = QStringLiteral("Erika");
    pa.Geburtstag = QDate(1960, 5, 7);
    const Verlaufsdaten v = BerechneVerlauf(l, 11, 0, false);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("verlauf.pdf"));
    QString fehler;
    ASSERT_TRUE(SchreibePdf(
        pdf,
        [&](Seitenziel& z) {
            DrawVerlaufSeite(*z.Painter, z.Seite, z.Dpi, pa, v);
            return true;
        },
        &fehler))
        << fehler.toStdString();
    QLocale::setDefault(QLocale::c());
    const QString t = PdfText(pdf);
    for (const char* s : {"Verlauf: Anspannen Ø [µV]", "Muster, Erika, geb. 07.05.1960",
                          "Zeitraum: 01.03.2026 – 05.03.2026", "60,0 µV", "0,0 µV"}) {
        EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s << '\n' << t.toStdString();
    }
    EXPECT_FALSE(t.contains(QStringLiteral("60.0"))) << t.toStdString();
    if (!qEnvironmentVariableIsEmpty("ZUD_SCREENSHOTS")) {
        QFile::copy(pdf, qEnvironmentVariable("ZUD_SCREENSHOTS") + QStringLiteral("/verlauf.pdf"));
    }
}

TEST(Druckvorschau, AufteilungMitUndOhneBemerkungen) {
    const QSize seite(7016, 4960);
    Vorschaulayout l = BerechneVorschau(seite, false, {}, 600);
    EXPECT_DOUBLE_EQ(l.Kopf.height(), 0.3 * 4960);
    EXPECT_DOUBLE_EQ(l.Chart1.top(), 0.3 * 4960);
    EXPECT_DOUBLE_EQ(l.Chart1.height(), 0.7 * 4960);
    EXPECT_TRUE(l.Bemerkungen.isEmpty());
    l = BerechneVorschau(seite, true, {}, 600);
    EXPECT_DOUBLE_EQ(l.Chart1.height(), 2480);
    EXPECT_DOUBLE_EQ(l.Chart2.top(), 2480);
    EXPECT_DOUBLE_EQ(l.Chart2.height(), 2480);
    // Two remark lines: R is their height, the rest of 95 % is divided as before.
    l = BerechneVorschau(seite, false, {QStringLiteral("eins"), QStringLiteral("zwei")}, 600);
    ASSERT_GT(l.R, 2 * 4960 / 96.0);
    const double nutz = 0.95 * 4960 - l.R;
    EXPECT_DOUBLE_EQ(l.Kopf.height(), 0.3 * nutz);
    EXPECT_DOUBLE_EQ(l.Chart1.bottom(), nutz);
    EXPECT_DOUBLE_EQ(l.Bemerkungen.top(), nutz);
    EXPECT_DOUBLE_EQ(l.Bemerkungen.height(), 0.05 * 4960 + l.R);
    l = BerechneVorschau(seite, true, {QStringLiteral("eins")}, 600);
    EXPECT_DOUBLE_EQ(l.Chart2.bottom(), 0.95 * 4960 - l.R);
}

TEST(Statistiktabelle, SeitenUmbruchNach13UndJe15Zeilen) {
    EXPECT_EQ(StatistikSeitenzahl(0), 1);
    EXPECT_EQ(StatistikSeitenzahl(13), 1);
    EXPECT_EQ(StatistikSeitenzahl(14), 2);
    EXPECT_EQ(StatistikSeitenzahl(28), 2);
    EXPECT_EQ(StatistikSeitenzahl(29), 3);
    EXPECT_EQ(StatistikSeitenzahl(44), 4);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTemporaryDir dir;
    for (int n : {13, 14, 29}) {
        const QString pdf = dir.filePath(QStringLiteral("t%1.pdf").arg(n));
        const StatListeDaten l = Liste(n);
        int seiten = 0;
        QString fehler;
        ASSERT_TRUE(SchreibePdf(
            pdf,
            [&](Seitenziel& z) {
                const auto neu = z.NeueSeite;
                z.NeueSeite = [&] {
                    ++seiten;
                    return neu();
                };
                return DrawStatistikTabelle(z, l, QStringLiteral("Erika Muster"), QDate(2026, 12, 9));
            },
            &fehler))
            << fehler.toStdString();
        const int soll = StatistikSeitenzahl(n);
        if (!qEnvironmentVariableIsEmpty("ZUD_SCREENSHOTS")) {
            QFile::copy(pdf,
                        qEnvironmentVariable("ZUD_SCREENSHOTS") + QStringLiteral("/statistik%1.pdf").arg(n));
        }
        EXPECT_EQ(seiten + 1, soll);
        EXPECT_EQ(PdfInfo(pdf, QStringLiteral("Pages")), QString::number(soll));
        EXPECT_TRUE(PdfInfo(pdf, QStringLiteral("Page size")).startsWith(QStringLiteral("842 x 595")))
            << PdfInfo(pdf, QStringLiteral("Page size")).toStdString();
        const QString erste = PdfText(pdf, 1);
        EXPECT_TRUE(erste.contains(QStringLiteral("Statistik Erika Muster"))) << erste.toStdString();
        EXPECT_TRUE(erste.contains(QStringLiteral("Seite 1/%1").arg(soll))) << erste.toStdString();
        EXPECT_TRUE(erste.contains(QStringLiteral("Druckdatum: 09.12.2026"))) << erste.toStdString();
        EXPECT_TRUE(erste.contains(QStringLiteral("Programmname")));
        // Rows 1..13 on the first page, then 15 a page.
        EXPECT_TRUE(erste.contains(QStringLiteral("D013")));
        EXPECT_FALSE(erste.contains(QStringLiteral("D014")));
        if (soll >= 2) {
            const QString zweite = PdfText(pdf, 2);
            EXPECT_TRUE(zweite.contains(QStringLiteral("Seite 2/%1").arg(soll)));
            EXPECT_TRUE(zweite.contains(QStringLiteral("D014")));
            EXPECT_TRUE(zweite.contains(QStringLiteral("Uhrzeit"))) << "each page repeats the column titles";
            EXPECT_EQ(zweite.contains(QStringLiteral("D029")), n == 29 && soll == 2);
        }
        const QByteArray roh = [&] {
            QFile f(pdf);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        EXPECT_FALSE(roh.contains("/DCTDecode")) << "text and lines, no pictures";
    }
    QLocale::setDefault(QLocale::c());
}

namespace {

class BerichtCtl : public DbTest {
protected:
    struct Ctl {
        int rc = -1;
        QString out, err;
    };
    Ctl Run(QStringList args, const QString& sprache = QStringLiteral("de_DE.UTF-8"), bool texte = false) {
        QStringList global = {QStringLiteral("--db-dir"), loc.dir};
        if (Server()) {
            global << QStringLiteral("--db-server") << loc.server << QStringLiteral("--db-port") << loc.port;
        }
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("ZUD_DATA_DIR"), dir.filePath(QStringLiteral("ctl")));
        env.insert(QStringLiteral("FIREBIRD_LOCK"), dir.filePath(QStringLiteral("lock")));
        env.insert(QStringLiteral("LC_ALL"), sprache);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (texte) {
            env.insert(QStringLiteral("ZUD_CHECK_TEXTS"), QStringLiteral("1"));
        }
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZUD_BIN_DIR "/zudctl"), global + args);
        p.waitForFinished(120000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    void Einstellung(const QString& zeile) {
        QDir().mkpath(dir.filePath(QStringLiteral("config/Brelk")));
        QFile f(dir.filePath(QStringLiteral("config/Brelk/ZUD.conf")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[General]\n" + zeile.toUtf8() + "\n");
    }
};

} // namespace

TEST_P(BerichtCtl, StatistikUndBerichteAlsPdf) {
    Patient pa = Person(QStringLiteral("Muster"), QStringLiteral("Erika"), QDate(1960, 5, 17));
    pa.Nummer = QStringLiteral("AB1D1234");
    pa.Strasse = QStringLiteral("Lindenweg 3");
    pa.Krankenkasse = QStringLiteral("AOK");
    const qint64 p = dm->AddPatient(pa);
    const qint64 c1 = dm->InsertRecording(
        p, QDate(2026, 1, 5), QTime(9, 0),
        Aufnahme(0, EMGProbe(1, 11, 100, 24) + EMGProbe(1, 11, 99) + EMGProbe(0, 12, 208, 1800), "Kraft", 5),
        QStringLiteral("ZUD12 Typ 2"));
    dm->InsertRecording(p, QDate(2026, 1, 6), QTime(9, 30),
                        Aufnahme(4, DruckProbe(4, 1000, 7, 15), "Halten; fest"),
                        QStringLiteral("ZUD12 Typ 2"));
    const qint64 leer =
        dm->AddPatient(Person(QStringLiteral("Leer"), QStringLiteral("Otto"), QDate(1970, 1, 1)));
    dm.reset(); // zudctl opens the embedded file itself
    Einstellung(QStringLiteral("Stat_Max_Exercises_per_day=0"));

    Ctl r = Run({QStringLiteral("statistics"), QString::number(p)});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    const QStringList zeilen = r.out.split(QLatin1Char('\n'));
    ASSERT_GE(zeilen.size(), 8) << r.out.toStdString();
    EXPECT_EQ(zeilen[0], QStringLiteral("[Einkanalig]"));
    EXPECT_EQ(zeilen[1],
              QStringLiteral("Nr;Datum;Uhrzeit;Programmname;Betriebsart;Übungslänge;Entspannen min;"
                             "Entspannen max;Entspannen Ø;Anspannen min;Anspannen max;Anspannen Ø;"
                             "Pause min;Pause max;Pause Ø;Strom min;Strom max;Strom Ø"));
    EXPECT_EQ(zeilen[2],
              QStringLiteral("1;05.01.2026;09:00:00;Kraft;EMG-Biofeedback;3 min 2 s;-;-;-;99.0 µV;100 µV;"
                             "100.0 µV;-;-;-;-;-;-"));
    EXPECT_EQ(zeilen[3], QStringLiteral("[Druck]"));
    EXPECT_EQ(zeilen[5],
              QStringLiteral("1;06.01.2026;09:30:00;\"Halten; fest\";Druck;1 s;10.0 mbar;10.0 mbar;"
                             "10.0 mbar;1.5 s;10.0 mbar;-;-;-;-;-;-"));
    EXPECT_TRUE(r.out.contains(QStringLiteral("\nanzahl=2\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("\ngeraet=ZUD12\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("\nseriennummer=AB1D1234\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("\nbehandlungsdauer=3.04 min\n"))) << r.out.toStdString();
    EXPECT_FALSE(r.out.contains(QStringLiteral("therapietreue"))) << "no line with a maximum of 0 a day";
    r = Run(
        {QStringLiteral("statistics"), QStringLiteral("--unit"), QStringLiteral("mmHg"), QString::number(p)});
    EXPECT_TRUE(r.out.contains(QStringLiteral(";7.5 mmHg;7.5 mmHg;7.5 mmHg;1.5 s;7.5 mmHg;")))
        << r.out.toStdString();

    const QString rec = dir.filePath(QStringLiteral("uebung.pdf"));
    r = Run({QStringLiteral("report"), QStringLiteral("recording"), QString::number(c1), rec});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    EXPECT_EQ(PdfInfo(rec, QStringLiteral("Pages")), QStringLiteral("1"));
    EXPECT_TRUE(PdfInfo(rec, QStringLiteral("Page size")).startsWith(QStringLiteral("842 x 595")));
    QString t = PdfText(rec);
    for (const char* s :
         {"Patientendaten", "Übung", "Statistik", "Muster", "Erika", "17.05.1960", "AB1D1234", "05.01.2026",
          "09:00:00", "EMG-Biofeedback", "3 min 2 s", "Anspannen [µV]", "Strom [mA]"}) {
        EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s << '\n' << t.toStdString();
    }

    const QString tab = dir.filePath(QStringLiteral("tabelle.pdf"));
    r = Run({QStringLiteral("report"), QStringLiteral("statistics"), QString::number(p),
             QStringLiteral("--tab"), QStringLiteral("Druck"), tab});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("seiten=1\n"));
    t = PdfText(tab);
    EXPECT_TRUE(t.contains(QStringLiteral("Statistik Erika Muster")));
    EXPECT_TRUE(t.contains(QStringLiteral("Haltedauer")));
    EXPECT_TRUE(t.contains(QStringLiteral("Seite 1/1")));
    EXPECT_TRUE(t.contains(QStringLiteral("Halten; fest")));
    r = Run({QStringLiteral("report"), QStringLiteral("statistics"), QString::number(p),
             QStringLiteral("--tab"), QStringLiteral("Training Druck"),
             dir.filePath(QStringLiteral("x.pdf"))});
    EXPECT_EQ(r.rc, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("x.pdf"))));

    const QString sum = dir.filePath(QStringLiteral("summe.pdf"));
    r = Run({QStringLiteral("report"), QStringLiteral("summary"), QString::number(p), sum});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    t = PdfText(sum);
    for (const char* s : {"Therapie-Zusammenfassung", "Patientendaten", "Therapiedaten", "Lindenweg 3", "AOK",
                          "ZUD12", "Anzahl Behandlungen", "3,04 min", "06.01.2026"}) {
        EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s << '\n' << t.toStdString();
    }
    EXPECT_FALSE(t.contains(QStringLiteral("Therapietreue")));
    Einstellung(QStringLiteral("Stat_Max_Exercises_per_day=1"));
    r = Run({QStringLiteral("report"), QStringLiteral("summary"), QString::number(p), sum});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    // 3.04 of 5 minutes, one counted exercise over two days, at most one a day: 30 %.
    EXPECT_TRUE(PdfText(sum).contains(QRegularExpression(QStringLiteral("Therapietreue:\\s+30 %"))))
        << PdfText(sum).toStdString();

    if (!qEnvironmentVariableIsEmpty("ZUD_SCREENSHOTS") && !Server()) {
        for (const QString& f : {rec, tab, sum}) {
            QFile::copy(f,
                        qEnvironmentVariable("ZUD_SCREENSHOTS") + QLatin1Char('/') + QFileInfo(f).fileName());
        }
    }
    // Wrong usage and missing rows: nothing is written.
    EXPECT_EQ(Run({QStringLiteral("report"), QStringLiteral("recording"), QString::number(c1),
                   dir.filePath(QStringLiteral("a.txt"))})
                  .rc,
              2);
    EXPECT_EQ(Run({QStringLiteral("report"), QStringLiteral("recording"), QStringLiteral("99999"),
                   dir.filePath(QStringLiteral("b.pdf"))})
                  .rc,
              1);
    EXPECT_EQ(Run({QStringLiteral("statistics"), QStringLiteral("99999")}).rc, 1);
    EXPECT_EQ(Run({QStringLiteral("report"), QStringLiteral("statistics"), QString::number(leer),
                   dir.filePath(QStringLiteral("c.pdf"))})
                  .rc,
              1);
    EXPECT_EQ(Run({QStringLiteral("report"), QStringLiteral("summary"), QString::number(p),
                   QStringLiteral("/nonexistent/dir/d.pdf")})
                  .rc,
              1);
    for (const char* f : {"b.pdf", "c.pdf"}) {
        EXPECT_FALSE(QFile::exists(dir.filePath(QString::fromLatin1(f))));
    }
}

TEST_P(BerichtCtl, ZahlenDatenUndDauerInDerSpracheDesLesers) {
    Patient pa = Person(QStringLiteral("Nowak"), QStringLiteral("Anna"), QDate(1973, 10, 9));
    const qint64 p = dm->AddPatient(pa);
    // 1 min 40 s of 45 µV; a pressure exercise at 11.7 mbar.
    const qint64 emg = dm->InsertRecording(p, QDate(2026, 1, 5), QTime(9, 0),
                                           Aufnahme(0, EMGProbe(1, 11, 45, 1000), "Kraft", 5),
                                           QStringLiteral("ZUD12 Typ 2"));
    const qint64 druck =
        dm->InsertRecording(p, QDate(2026, 1, 6), QTime(9, 30),
                            Aufnahme(4, DruckProbe(4, 1170, 7, 15), "Halten"), QStringLiteral("ZUD12 Typ 2"));
    dm.reset();
    Einstellung(QStringLiteral("Stat_Max_Exercises_per_day=2"));
    struct Fall {
        const char* lc;
        QChar komma;
    };
    for (const Fall& f : {Fall{"de_DE.UTF-8", QLatin1Char(',')}, Fall{"pl_PL.UTF-8", QLatin1Char(',')},
                          Fall{"en_GB.UTF-8", QLatin1Char('.')}}) {
        const QString lc = QString::fromLatin1(f.lc);
        const QChar falsch = f.komma == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
        auto zahl = [&](const char* s) { return QString::fromUtf8(s).replace(QLatin1Char('.'), f.komma); };
        auto falscheZahl = [&](const char* s) {
            return QString::fromUtf8(s).replace(QLatin1Char('.'), falsch);
        };

        const QString rec = dir.filePath(QStringLiteral("emg-%1.pdf").arg(lc));
        ASSERT_EQ(
            Run({QStringLiteral("report"), QStringLiteral("recording"), QString::number(emg), rec}, lc).rc,
            0);
        QString t = PdfText(rec);
        EXPECT_TRUE(t.contains(QStringLiteral("1 min 40 s"))) << f.lc << '\n' << t.toStdString();
        EXPECT_TRUE(t.contains(QStringLiteral("09.10.1973")) || t.contains(QStringLiteral("09/10/1973")))
            << f.lc << '\n'
            << t.toStdString();
        EXPECT_TRUE(t.contains(zahl("45.0"))) << f.lc << '\n' << t.toStdString();
        EXPECT_FALSE(t.contains(falscheZahl("45.0"))) << f.lc;

        const QString kopf = dir.filePath(QStringLiteral("druck-%1.pdf").arg(lc));
        ASSERT_EQ(
            Run({QStringLiteral("report"), QStringLiteral("recording"), QString::number(druck), kopf}, lc).rc,
            0);
        t = PdfText(kopf);
        EXPECT_TRUE(t.contains(zahl("11.7 mbar"))) << f.lc << '\n' << t.toStdString();
        EXPECT_FALSE(t.contains(falscheZahl("11.7 mbar"))) << f.lc << '\n' << t.toStdString();

        for (const char* tab : {"Einkanalig", "Druck"}) {
            const QString pdf =
                dir.filePath(QStringLiteral("tab-%1-%2.pdf").arg(lc, QString::fromLatin1(tab)));
            ASSERT_EQ(Run({QStringLiteral("report"), QStringLiteral("statistics"), QString::number(p),
                           QStringLiteral("--tab"), QString::fromLatin1(tab), pdf},
                          lc)
                          .rc,
                      0);
            t = PdfText(pdf);
            if (tab[0] == 'E') {
                EXPECT_TRUE(t.contains(QStringLiteral("1 min 40 s"))) << f.lc << '\n' << t.toStdString();
                EXPECT_TRUE(t.contains(zahl("45.0 µV"))) << f.lc << '\n' << t.toStdString();
            } else {
                EXPECT_TRUE(t.contains(zahl("11.7 mbar"))) << f.lc << '\n' << t.toStdString();
                EXPECT_FALSE(t.contains(falscheZahl("11.7 mbar"))) << f.lc << '\n' << t.toStdString();
            }
        }
        const QString sum = dir.filePath(QStringLiteral("summe-%1.pdf").arg(lc));
        ASSERT_EQ(Run({QStringLiteral("report"), QStringLiteral("summary"), QString::number(p), sum}, lc).rc,
                  0);
        t = PdfText(sum);
        // Nothing counts for the mean duration: the page says why instead of "-".
        EXPECT_TRUE(t.contains(QStringLiteral("keine Übung mit fester Übungsdauer über 2 min")))
            << t.toStdString();
        EXPECT_TRUE(t.contains(QStringLiteral("nicht hinterlegt"))) << t.toStdString();
    }
    // Machine output keeps the point whatever LC_ALL says.
    const Ctl r = Run({QStringLiteral("statistics"), QString::number(p)}, QStringLiteral("pl_PL.UTF-8"));
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral(";1 min 40 s;"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral(";45.0 µV;"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral(";11.7 mbar;"))) << r.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Firebird, BerichtCtl, ::testing::Values(Mode::Embedded, Mode::Server), ModeName);

// Every text of every page kind in German, English and Polish fits its box: the recording page of
// each list's kind of recording (its header and chart axes), every statistics list and the
// summary, for a patient with a long Polish name.
TEST_P(BerichtCtl, JederTextPasstInJederSprache) {
    if (Server()) {
        GTEST_SKIP() << "the pages do not depend on where the database lies";
    }
    Patient pa =
        Person(QStringLiteral("Zimmermann-Łukasiewicz"), QStringLiteral("Małgorzata"), QDate(1961, 9, 23));
    pa.Nummer = QStringLiteral("AB1D1234");
    pa.Krankenkasse = QStringLiteral("Techniker Krankenkasse");
    const qint64 p = dm->AddPatient(pa);
    const QByteArray geraet = QByteArrayLiteral("ZUD12 Typ 2");
    const QString typ = QString::fromLatin1(geraet);
    QList<qint64> uebungen;
    const auto neu = [&](int tag, const QByteArray& daten) {
        uebungen << dm->InsertRecording(p, QDate(2026, 1, tag), QTime(9, 0), daten, typ);
    };
    neu(5, Aufnahme(0, EMGProbe(1, 11, 100, 600) + EMGProbe(0, 12, 208, 600), "Beckenboden lang", 5));
    neu(6, Aufnahme(2, EMGProbe(1, 11, 80, 300) + EMGProbe(3, 11, 10, 300), "Stimulation", 5));
    neu(7, Aufnahme(3, EMGProbe(1, 11, 90, 300, true) + EMGProbe(0, 11, 20, 300, true), "EMG-getriggert", 5));
    neu(8, Aufnahme(9, ZweiKanalProbe(120, 40, 0x21, 1, 400) + ZweiKanalProbe(30, 200, 0x21, 0, 400),
                    "Zwei Kanäle", 5));
    neu(9, Aufnahme(4, DruckProbe(4, 11700, 7, 200) + DruckProbe(4, 2300, 1, 200), "Halten", 5));
    neu(10, Aufnahme(6, DruckProbe(6, 5400, 7, 200, 0x11, 90) + DruckProbe(6, 800, 1, 200, 0x11, 20),
                     "Druck und EMG", 5));
    neu(11, Aufnahme(7, DruckProbe(7, 5400, 7, 200, 0x21, 90, 60) + DruckProbe(7, 800, 1, 200, 0x21, 20, 10),
                     "Druck zwei EMG", 5));
    neu(12, Aufnahme(5, DruckProbe(5, 8000, 7, 200) + DruckProbe(5, 1500, 1, 200), "Training", 5));
    dm.reset();
    int seiten = 0;
    for (const char* sprache : {"de", "en", "pl"}) {
        Einstellung(QStringLiteral("Language=%1").arg(QString::fromLatin1(sprache)));
        const QString lc = sprache[0] == 'e' ? QStringLiteral("en_GB.UTF-8")
                                             : QStringLiteral("%1_%2.UTF-8")
                                                   .arg(QString::fromLatin1(sprache),
                                                        QString::fromLatin1(sprache).toUpper());
        QStringList befehle;
        for (qint64 u : uebungen) {
            befehle << QStringLiteral("recording %1").arg(u);
        }
        for (int liste = 1; liste <= kStatListen; ++liste) {
            befehle << QStringLiteral("statistics %1 --tab %2").arg(p).arg(liste);
        }
        befehle << QStringLiteral("summary %1").arg(p);
        for (const QString& b : befehle) {
            const QString pdf = dir.filePath(QStringLiteral("seite-%1.pdf").arg(seiten++));
            const Ctl r =
                Run(QStringList{QStringLiteral("report")} + b.split(QLatin1Char(' ')) + QStringList{pdf}, lc,
                    true);
            EXPECT_EQ(r.rc, 0) << sprache << ' ' << b.toStdString() << '\n' << r.err.toStdString();
            EXPECT_FALSE(r.err.contains(QStringLiteral("Text passt nicht")))
                << sprache << ' ' << b.toStdString() << '\n'
                << r.err.toStdString();
            if (b.startsWith(QLatin1String("summary")) && sprache[0] == 'p') {
                // The pages are in the program's language, not only its numbers.
                EXPECT_FALSE(PdfText(pdf).contains(QStringLiteral("Therapie-Zusammenfassung")));
            }
        }
    }
}

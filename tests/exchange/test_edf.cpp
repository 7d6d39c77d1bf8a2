// The EDF+ export read back by an independent reader, biosig's save2gdf: signal labels, units,
// the sample rate, every value against zudctl decode within the file's quantisation, and the
// phases as annotations; a recording from the database through zudctl edf.

#include "DbFixture.h"
#include "DemoRecordings.h"
#include "ZudctlRunner.h"

#include "EdfExport.h"
#include "Recording.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace zud;
using namespace zud::test;

namespace {

QString Run(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("save2gdf"), args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// save2gdf -JSON prints its command line before the JSON.
QJsonObject Header(const QString& edf) {
    const QString out = Run({QStringLiteral("-JSON"), edf});
    return QJsonDocument::fromJson(out.mid(out.indexOf(QLatin1Char('{'))).toUtf8()).object();
}

// The samples as save2gdf -CSV writes them: one row a sample, one column a signal.
std::vector<std::vector<double>> Samples(const QString& edf, const QString& csv) {
    Run({QStringLiteral("-CSV"), edf, csv});
    QFile f(csv);
    std::vector<std::vector<double>> rows;
    if (!f.open(QIODevice::ReadOnly)) {
        return rows;
    }
    f.readLine(); // the captions
    while (!f.atEnd()) {
        const QList<QByteArray> cells = f.readLine().trimmed().split(',');
        std::vector<double> r;
        for (const QByteArray& c : cells) {
            r.push_back(c.toDouble());
        }
        rows.push_back(r);
    }
    return rows;
}

struct Dekodiert {
    std::vector<int> phase;
    std::map<QString, std::vector<double>> spalten; // by zudctl's caption without unit
};

// zudctl decode's table of the same file.
Dekodiert Decode(const QString& file) {
    QString out, err;
    Dekodiert d;
    if (RunCtl({QStringLiteral("decode"), file}, out, err) != 0) {
        return d;
    }
    QStringList zeilen = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList titel;
    for (const QString& t : zeilen.takeFirst().split(QLatin1Char(';'))) {
        titel << t.section(QLatin1Char(' '), 0, 0);
    }
    for (const QString& z : zeilen) {
        const QStringList c = z.split(QLatin1Char(';'));
        d.phase.push_back(c[2].toInt());
        for (qsizetype i = 3; i < c.size(); ++i) {
            d.spalten[titel[i]].push_back(c[i].toDouble());
        }
    }
    return d;
}

struct Erwartet {
    int k; // demo recording M000k
    QStringList labels;
    QStringList units;
    QStringList decodeSpalten; // the column of zudctl decode for each signal
    QStringList phasen;        // names of phase 0, 1, … (relative to the mode's first phase)
    int phasenVersatz = 0;
};

// An hour of mode 2 as the benchmark exports it: cycles of 5 s tensing, 8 s relaxing and 5 s of
// current; many phases per data record.
QByteArray StundeModus2() {
    ProgrammParameter p{};
    p.Nummer = 1;
    p.Aktiviert = 1;
    p.Betriebsart = 2;
    p.Timeout = 61;
    std::memcpy(p.Name, "Ausdauer", 8);
    Aufzeichnung a(p);
    for (int i = 0; i < 3600 * 10; ++i) {
        Livewert w;
        w.Bereich1 = 11;
        w.Bereich2 = 10;
        const int t = i % 180;
        const double form = std::sin(3.14159 * (t % 50) / 50.0);
        w.Phase = t < 50 ? 1 : t < 130 ? 0 : 3;
        w.EMG1 = static_cast<uint8_t>(w.Phase == 1 ? 10 + 80 * form : 8 + (i % 5));
        w.Strom = w.Phase == 3 ? std::min(15.0, 0.5 * (t - 129)) : 0;
        a.Hinzufuegen(w);
    }
    const std::vector<uint8_t> b = a.Abschliessen();
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}

} // namespace

TEST(EdfExport, EveryModeReadsBackWithBiosig) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList emg4{QStringLiteral("Entspannen"), QStringLiteral("Anspannen"), QStringLiteral("Pause"),
                           QStringLiteral("Strom")};
    const std::vector<Erwartet> modi = {
        {1, {"EMG 1"}, {"uV"}, {"EMG1"}, emg4},
        {2, {"EMG 1", "Strom"}, {"uV", "mA"}, {"EMG1", "Strom"}, emg4},
        {3, {"EMG 1", "Strom"}, {"uV", "mA"}, {"EMG1", "Strom"}, emg4},
        {4, {"EMG 1", "Strom", "Schwelle"}, {"uV", "mA", "uV"}, {"EMG1", "Strom", "Schwelle"}, emg4},
        {5, {"Druck", "Schwelle"}, {"mbar", "mbar"}, {"Druck", "Schwelle"}, {}},
        {6, {"Druck", "Schwelle"}, {"mbar", "mbar"}, {"Druck", "Schwelle"}, {"Entspannen", "Anspannen"}, 5},
        {7, {"Druck", "EMG 1"}, {"mbar", "uV"}, {"Druck", "EMG1"}, {}},
        {8, {"Druck", "EMG 1", "EMG 2"}, {"mbar", "uV", "uV"}, {"Druck", "EMG1", "EMG2"}, {}},
        {9, {"EMG 1", "EMG 2"}, {"uV", "uV"}, {"EMG1", "EMG2"}, {"Entspannen", "Anspannen"}},
    };
    for (const Erwartet& e : modi) {
        SCOPED_TRACE(e.k);
        const QByteArray daten = DemoRecording(e.k);
        ASSERT_FALSE(daten.isEmpty());
        const QString hdf = dir.filePath(QStringLiteral("M%1.hdf").arg(e.k));
        {
            QFile f(hdf);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(daten);
        }
        const QString edf = dir.filePath(QStringLiteral("M%1.edf").arg(e.k));
        const Messung m =
            FillArray(reinterpret_cast<const uint8_t*>(daten.constData()), size_t(daten.size()));
        EdfKopf kopf;
        kopf.Name = QStringLiteral("Wójcik");
        kopf.Vorname = QStringLiteral("Jürgen Paul");
        kopf.Patientennummer = QStringLiteral("A 17");
        kopf.Geburtstag = QDate(1960, 2, 3);
        kopf.Geschlecht = 1;
        kopf.Beginn = QDateTime(QDate(2026, 11, 4), QTime(10, 15, 30));
        kopf.Geraet = QStringLiteral("ZUD12");
        QString fehler;
        ASSERT_TRUE(SchreibeEdf(edf, m, kopf, &fehler)) << fehler.toStdString();
        // The viewer check (edfbrowser.sh) opens these files.
        if (const QString keep = qEnvironmentVariable("ZUD_EDF_KEEP"); !keep.isEmpty()) {
            QFile::copy(edf, QDir(keep).filePath(QFileInfo(edf).fileName()));
        }

        const QJsonObject h = Header(edf);
        ASSERT_FALSE(h.isEmpty());
        EXPECT_EQ(h[QStringLiteral("Samplingrate")].toDouble(), 10.0);
        EXPECT_EQ(h[QStringLiteral("StartOfRecording")].toString().left(16),
                  QStringLiteral("2026-11-04 10:15"));
        EXPECT_EQ(h[QStringLiteral("Patient")].toObject()[QStringLiteral("Id")].toString(),
                  QStringLiteral("A_17"));
        EXPECT_EQ(h[QStringLiteral("Patient")].toObject()[QStringLiteral("Gender")].toString(),
                  QStringLiteral("Male"));
        const QJsonArray kanaele = h[QStringLiteral("CHANNEL")].toArray();
        ASSERT_EQ(kanaele.size(), e.labels.size() + 1); // and the annotations
        std::vector<double> stufe;
        for (qsizetype i = 0; i < e.labels.size(); ++i) {
            const QJsonObject c = kanaele[i].toObject();
            EXPECT_EQ(c[QStringLiteral("Label")].toString(), e.labels[i]);
            EXPECT_EQ(c[QStringLiteral("PhysicalUnit")].toString(), e.units[i]);
            EXPECT_EQ(c[QStringLiteral("Samplingrate")].toDouble(), 10.0);
            stufe.push_back((c[QStringLiteral("PhysicalMaximum")].toDouble() -
                             c[QStringLiteral("PhysicalMinimum")].toDouble()) /
                            65535.0);
        }

        // Every value as zudctl decode gives it, within the quantisation; the last data record is
        // filled up with the last sample.
        const Dekodiert d = Decode(hdf);
        ASSERT_EQ(d.phase.size(), m.Werte.size());
        const auto rows = Samples(edf, dir.filePath(QStringLiteral("M%1.csv").arg(e.k)));
        ASSERT_EQ(rows.size(), (d.phase.size() + 9) / 10 * 10);
        double schlimmster = 0;
        for (size_t r = 0; r < rows.size(); ++r) {
            ASSERT_EQ(rows[r].size(), size_t(e.labels.size()));
            const size_t i = std::min(r, d.phase.size() - 1);
            for (qsizetype s = 0; s < e.labels.size(); ++s) {
                const double soll = d.spalten.at(e.decodeSpalten[s])[i];
                const double abw = std::abs(rows[r][size_t(s)] - soll);
                schlimmster = std::max(schlimmster, abw / stufe[size_t(s)]);
                ASSERT_LE(abw, stufe[size_t(s)] + 1e-4)
                    << "sample " << r << " signal " << e.labels[s].toStdString();
            }
        }
        EXPECT_GT(schlimmster, 0.0) << "values are quantised, so some differ a little";

        // One annotation per run of a phase, at its onset and with its duration.
        std::vector<std::tuple<double, double, QString>> laeufe;
        if (!e.phasen.isEmpty()) {
            size_t b = 0;
            for (size_t i = 1; i <= d.phase.size(); ++i) {
                if (i == d.phase.size() || d.phase[i] != d.phase[b]) {
                    laeufe.emplace_back(b / 10.0, (i - b) / 10.0, e.phasen[d.phase[b] - e.phasenVersatz]);
                    b = i;
                }
            }
        }
        const QJsonArray events = h[QStringLiteral("EVENT")].toArray();
        ASSERT_EQ(size_t(events.size()), laeufe.size());
        for (qsizetype i = 0; i < events.size(); ++i) {
            const QJsonObject ev = events[i].toObject();
            EXPECT_NEAR(ev[QStringLiteral("POS")].toDouble(), std::get<0>(laeufe[size_t(i)]), 1e-6);
            EXPECT_NEAR(ev[QStringLiteral("DUR")].toDouble(), std::get<1>(laeufe[size_t(i)]), 1e-6);
            EXPECT_EQ(ev[QStringLiteral("Description")].toString(), std::get<2>(laeufe[size_t(i)]));
        }
    }
}

// The header's texts are ASCII as EDF wants them.
TEST(EdfExport, HeaderTextsAreAscii) {
    EXPECT_EQ(EdfText(QStringLiteral("Müller-Łódź Jürgen")), QStringLiteral("Mueller-Lodz_Juergen"));
    EXPECT_EQ(EdfText(QStringLiteral("Ébène ß")), QStringLiteral("Ebene_ss"));
}

// The files' bytes stay what they were when the viewer and biosig checks were made: every
// demonstration mode (and the pressure in mmHg) with a full header, against the SHA-256 of the
// file as this version of EDFlib writes it. A change of the export that changes a byte (a value's
// rounding, the header, an annotation's place) shows here, not only in a viewer.
TEST(EdfExport, BytesStayTheSame) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EdfKopf k;
    k.Patientennummer = QStringLiteral("4711");
    k.Name = QStringLiteral("Müller");
    k.Vorname = QStringLiteral("Jürgen");
    k.Geburtstag = QDate(1960, 1, 2);
    k.Geschlecht = 1;
    k.Beginn = QDateTime(QDate(2026, 12, 1), QTime(9, 0, 5));
    k.Geraet = QStringLiteral("ZUD12 Typ 5 SN 1234");
    k.Programm = QStringLiteral("Ausdauer");
    // (demonstration recording, or 0 for the hour of mode 2; pressure unit)
    const std::vector<std::pair<int, int>> faelle = {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {5, 1},
                                                     {6, 0}, {7, 0}, {8, 0}, {9, 0}, {0, 0}};
    const QStringList erwartet = {
        QStringLiteral("569cf935eaa6d1d7e0bd5e2b1d406c3b323919119f3be4d0ba61a513579daf47"),
        QStringLiteral("23757fb20651459fb0bfc0bb037822a2c7ba4a847838fb27f041819c0c00b8a4"),
        QStringLiteral("0bff323c8c2f93e203f4527882007b5be85a2beb155a2ab5eb1d7b325aa8ae7c"),
        QStringLiteral("d365e2626da20bffb04dc2665b392eb37a839ac58aa26dd3ed7aaa40dd9e53c3"),
        QStringLiteral("a37a40f1ffa5a7a6443817a77cf3eb825dfd9ea7c9cdb47d3b331efce1b0eeed"),
        QStringLiteral("ad4229066a02302a2a1ceae66e567bbbeddbfa3f15c9970a9f58ecf793b74e19"),
        QStringLiteral("2502a0926ba621d64fe9ccaeaae5b40f5a6bc70ddcb4e72b3534e0a1af192ef3"),
        QStringLiteral("f5be4f6b949d7cd0d76c17bb1385c237722e5d4534f8d30eb4a5e2e1ebc0f142"),
        QStringLiteral("8e238ea2133c50f941fff5c2b2ddaf739562c255febca945960a6d7c6d8f532f"),
        QStringLiteral("e872d86b51ce027ec464825698511565c4533bf07feab47132cd7fd1849a488b"),
        QStringLiteral("d30abe28504b27116135b0c4937c951255e707b20441ebc1176cfdcf0ac483f1"),
    };
    ASSERT_EQ(faelle.size(), size_t(erwartet.size()));
    for (size_t i = 0; i < faelle.size(); ++i) {
        const auto [demo, einheit] = faelle[i];
        SCOPED_TRACE(demo);
        const QByteArray daten = demo > 0 ? DemoRecording(demo) : StundeModus2();
        const Messung m =
            FillArray(reinterpret_cast<const uint8_t*>(daten.constData()), size_t(daten.size()));
        k.DruckEinheit = einheit;
        const QString pfad = dir.filePath(QStringLiteral("m%1_%2.edf").arg(demo).arg(einheit));
        QString fehler;
        ASSERT_TRUE(SchreibeEdf(pfad, m, k, &fehler)) << fehler.toStdString();
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        EXPECT_EQ(QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()),
                  erwartet[qsizetype(i)])
            << "size " << bytes.size();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), qsizetype(faelle.size()));
}

// A file that cannot be written leaves nothing behind, and a recording without samples is refused.
TEST(EdfExport, FailuresLeaveNothing) {
    QTemporaryDir dir;
    const QByteArray daten = DemoRecording(1);
    const Messung m = FillArray(reinterpret_cast<const uint8_t*>(daten.constData()), size_t(daten.size()));
    QString fehler;
    EXPECT_FALSE(SchreibeEdf(dir.filePath(QStringLiteral("fehlt/x.edf")), m, {}, &fehler));
    EXPECT_FALSE(fehler.isEmpty());
    WithFileSizeLimit(
        4096, [&] { EXPECT_FALSE(SchreibeEdf(dir.filePath(QStringLiteral("voll.edf")), m, {}, &fehler)); });
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_FALSE(SchreibeEdf(dir.filePath(QStringLiteral("leer.edf")), Messung{}, {}, &fehler));
    EXPECT_TRUE(fehler.contains(QStringLiteral("keine Messwerte")));
}

class EdfDbTest : public DbTest {};

// zudctl edf COUNTER: the patient and the device from the database.
TEST_P(EdfDbTest, ZudctlExportsAStoredRecording) {
    Patient p = Person(QStringLiteral("Zieliński"), QStringLiteral("Ola"), QDate(1975, 6, 7));
    p.Nummer = QStringLiteral("Z-1");
    p.Geschlecht = 0;
    const qint64 pid = dm->AddPatient(p);
    const qint64 counter = dm->InsertRecording(pid, QDate(2026, 3, 4), QTime(11, 12, 13), DemoRecording(7),
                                               QStringLiteral("ZUD12 Pro"));
    const QString edf = dir.filePath(QStringLiteral("aus.edf"));
    QString out, err;
    ASSERT_EQ(RunCtl({QStringLiteral("--db-server"), loc.server, QStringLiteral("--db-dir"), loc.dir,
                      QStringLiteral("--db-password"), QString::fromLatin1(kAdminPassword),
                      QStringLiteral("edf"), QString::number(counter), edf},
                     out, err),
              0)
        << err.toStdString();
    const QJsonObject h = Header(edf);
    EXPECT_EQ(h[QStringLiteral("StartOfRecording")].toString().left(16), QStringLiteral("2026-03-04 11:12"));
    EXPECT_EQ(h[QStringLiteral("Patient")].toObject()[QStringLiteral("Id")].toString(),
              QStringLiteral("Z-1"));
    EXPECT_EQ(h[QStringLiteral("Patient")].toObject()[QStringLiteral("Gender")].toString(),
              QStringLiteral("Female"));
    EXPECT_EQ(h[QStringLiteral("Manufacturer")].toObject()[QStringLiteral("Name")].toString(),
              QStringLiteral("ZUD12_Pro"));
    EXPECT_EQ(RunCtl({QStringLiteral("--db-server"), loc.server, QStringLiteral("--db-dir"), loc.dir,
                      QStringLiteral("--db-password"), QString::fromLatin1(kAdminPassword),
                      QStringLiteral("edf"), QStringLiteral("99999"), edf},
                     out, err),
              1);
}

INSTANTIATE_TEST_SUITE_P(Firebird, EdfDbTest, ::testing::Values(Mode::Embedded), ModeName);

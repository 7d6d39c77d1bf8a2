// Charts drawn into pictures and checked by their pixels: colours by phase, the threshold line,
// the area fill, current blocks, time labels. With ZUD_SCREENSHOTS=DIR the chart of every demo
// mode is also saved there as a PNG to be looked at.

#include "Chart.h"
#include "Demo.h"
#include "Emulator.h"
#include "Recording.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>

#include "TestEnd.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <tuple>

using namespace zud;

namespace {

constexpr int kW = 1000;
constexpr int kH = 500;
// The plot of a 1000 x 500 box without remarks: x 100..900, y 50..450.

TMessWert Wert(int phase, double emg1, double bereich1 = 100) {
    TMessWert w;
    w.Phase = phase;
    w.EMG1 = w.EMG1_RAW = emg1;
    w.Bereich1 = bereich1;
    return w;
}

Messung Aufnahme(int mode, std::vector<TMessWert> werte) {
    Messung m;
    m.Betriebsart = mode;
    m.Werte = std::move(werte);
    return m;
}

struct Bild {
    QImage img;
    std::vector<Zeitlabel> labels;
};

Bild Zeichne(const Messung& m, const ChartOptionen& o = {}, const Zoom& z = {}, int dpi = 96) {
    Bild b{QImage(kW, kH, QImage::Format_RGB32), {}};
    b.img.fill(Qt::black); // DrawChart must paint its whole box
    QPainter p(&b.img);
    b.labels = DrawChart(p, m, o, kW, 0, dpi, z, 0, 0, kH);
    return b;
}

QRgb Rgb(const QColor& c) {
    return c.rgb();
}

// The rows of column x that have colour c.
std::vector<int> Zeilen(const QImage& img, int x, const QColor& c) {
    std::vector<int> r;
    for (int y = 0; y < img.height(); ++y) {
        if (img.pixel(x, y) == Rgb(c)) {
            r.push_back(y);
        }
    }
    return r;
}

} // namespace

TEST(ChartPixel, BoxIsWhiteAndThePlotGrey) {
    const Bild b = Zeichne(Aufnahme(0, {Wert(0, 0), Wert(0, 0)}));
    EXPECT_EQ(b.img.pixel(5, 5), Rgb(Qt::white));
    EXPECT_EQ(b.img.pixel(995, 495), Rgb(Qt::white));
    EXPECT_EQ(b.img.pixel(510, 130), Rgb(farbe::Hintergrund));
    // A dotted grid line at x = 500 (division 10 of 20).
    EXPECT_FALSE(Zeilen(b.img, 500, farbe::Gitter).empty());
    EXPECT_TRUE(Zeilen(b.img, 510, farbe::Gitter).size() < 20u) << "no vertical grid line at x = 510";
}

TEST(ChartPixel, ContractSegmentIsBlueAtItsValue) {
    std::vector<TMessWert> w(100, Wert(1, 50)); // half of the 100 µV scale
    const Bild b = Zeichne(Aufnahme(0, w));
    const std::vector<int> blau = Zeilen(b.img, 510, Phasenfarbe(1));
    ASSERT_FALSE(blau.empty());
    EXPECT_GE(blau.front(), 249);
    EXPECT_LE(blau.back(), 251);
    EXPECT_LE(blau.size(), 2u) << "one-pixel line";
    EXPECT_TRUE(Zeilen(b.img, 510, Phasenfarbe(0)).empty());
}

TEST(ChartPixel, RelaxAfterContractChangesTheColour) {
    std::vector<TMessWert> w(100, Wert(1, 50));
    for (int i = 50; i < 100; ++i) {
        w[i] = Wert(0, 25);
    }
    const Bild b = Zeichne(Aufnahme(0, w));
    EXPECT_FALSE(Zeilen(b.img, 300, Phasenfarbe(1)).empty());
    const std::vector<int> gruen = Zeilen(b.img, 700, Phasenfarbe(0));
    ASSERT_FALSE(gruen.empty());
    EXPECT_NEAR(gruen.front(), 350, 1);
}

TEST(ChartPixel, TriggerThresholdIsAThreePixelDarkRedLine) {
    std::vector<TMessWert> w(100, Wert(1, 50));
    for (auto& v : w) {
        v.Schwelle = 25;
    }
    const Bild b = Zeichne(Aufnahme(3, w));
    const std::vector<int> rot = Zeilen(b.img, 510, farbe::Schwelle);
    ASSERT_EQ(rot.size(), 3u);
    EXPECT_NEAR(rot[1], 350, 1);
    // At 600 dpi the line is 3 * 6.25 pixels wide.
    const Bild g = Zeichne(Aufnahme(3, w), {}, {}, 600);
    EXPECT_GE(Zeilen(g.img, 510, farbe::Schwelle).size(), 18u);
}

TEST(ChartPixel, PressureReferenceLineOnlyWithoutTheLiveDisplay) {
    std::vector<TMessWert> w(100);
    for (auto& v : w) {
        v.Phase = 7;
        v.Druck = 20;
        v.Schwelle = 12.5; // on the 0..25 scale: half height
    }
    const Bild b = Zeichne(Aufnahme(4, w));
    const std::vector<int> rot = Zeilen(b.img, 510, farbe::Schwelle);
    ASSERT_EQ(rot.size(), 3u);
    EXPECT_NEAR(rot[1], 250, 1);
    const std::vector<int> kurve = Zeilen(b.img, 510, Phasenfarbe(7));
    ASSERT_FALSE(kurve.empty());
    EXPECT_NEAR(kurve.front(), 450 - 400 * 20 / 25, 1);
    ChartOptionen live;
    live.Echtzeit = true;
    EXPECT_TRUE(Zeilen(Zeichne(Aufnahme(4, w), live).img, 510, farbe::Schwelle).empty());
}

TEST(ChartPixel, AreaChartFillsDownToThePanelBottom) {
    std::vector<TMessWert> w(100, Wert(1, 50));
    ChartOptionen o;
    o.AreaChart = true;
    const Bild b = Zeichne(Aufnahme(0, w), o);
    EXPECT_EQ(b.img.pixel(510, 330), Rgb(Phasenfarbe(1)));
    EXPECT_EQ(b.img.pixel(510, 448), Rgb(Phasenfarbe(1)));
    EXPECT_EQ(b.img.pixel(510, 150), Rgb(farbe::Hintergrund));
    // Not while panning.
    o.Verschieben = true;
    EXPECT_EQ(Zeichne(Aufnahme(0, w), o).img.pixel(510, 330), Rgb(farbe::Hintergrund));
}

TEST(ChartPixel, CurrentIsAFullHeightRedBlockWithBothCurrentOptionsOff) {
    std::vector<TMessWert> w(100, Wert(0, 10));
    for (int i = 50; i < 100; ++i) {
        w[i] = Wert(3, 0, 2.5);
        w[i].Strom = i < 75 ? 2 : 6;
    }
    ChartOptionen o;
    o.ShowAvgRealCurrent = false;
    o.ShowRealCurrent = false;
    o.AreaChart = true;
    const Bild b = Zeichne(Aufnahme(0, w), o);
    EXPECT_EQ(b.img.pixel(710, 52), Rgb(Phasenfarbe(3)));
    EXPECT_EQ(b.img.pixel(710, 250), Rgb(Phasenfarbe(3)));
    EXPECT_EQ(b.img.pixel(710, 448), Rgb(Phasenfarbe(3)));
    // With the average: 4 mA of 6 mA maximum, two thirds of the height, in one level.
    o.ShowAvgRealCurrent = true;
    o.AreaChart = false;
    const Bild a = Zeichne(Aufnahme(0, w), o);
    for (int x : {620, 880}) {
        const std::vector<int> rot = Zeilen(a.img, x, Phasenfarbe(3));
        ASSERT_FALSE(rot.empty()) << x;
        EXPECT_NEAR(rot.front(), 450 - 400 * 4.0 / 6.0, 1) << x;
    }
    // With the smoothed current the two halves differ.
    o.ShowAvgRealCurrent = false;
    o.ShowRealCurrent = true;
    const Bild r = Zeichne(Aufnahme(0, w), o);
    EXPECT_NEAR(Zeilen(r.img, 620, Phasenfarbe(3)).front(), 450 - 400 * 2.0 / 6.0, 1);
    EXPECT_NEAR(Zeilen(r.img, 880, Phasenfarbe(3)).front(), 50, 1);
}

TEST(ChartPixel, RedCurrentLabelColumnOnlyWhenTheCurrentIsShownByValue) {
    std::vector<TMessWert> w(100, Wert(0, 10));
    for (int i = 50; i < 100; ++i) {
        w[i] = Wert(3, 0, 2.5);
        w[i].Strom = 6;
    }
    const auto rotRechts = [](const QImage& img) {
        int n = 0;
        for (int x = 905; x < 1000; ++x) {
            for (int y = 0; y < 500; ++y) {
                const QColor c = img.pixelColor(x, y);
                n += c.red() > 150 && c.green() < 100 && c.blue() < 100;
            }
        }
        return n;
    };
    EXPECT_GT(rotRechts(Zeichne(Aufnahme(0, w)).img), 50);
    ChartOptionen o;
    o.ShowAvgRealCurrent = false;
    EXPECT_EQ(rotRechts(Zeichne(Aufnahme(0, w), o).img), 0);
}

TEST(ChartPixel, NinetySamplesAreLabelledInSecondsUnderLinesTenAndTwenty) {
    const Bild b = Zeichne(Aufnahme(0, std::vector<TMessWert>(90, Wert(0, 5))));
    ASSERT_EQ(b.labels.size(), 2u);
    EXPECT_EQ(b.labels[0].text, QStringLiteral("4s"));
    EXPECT_EQ(b.labels[1].text, QStringLiteral("9s"));
    EXPECT_NEAR(b.labels[0].rect.center().x(), 500, 0.5);
    EXPECT_NEAR(b.labels[1].rect.center().x(), 900, 0.5);
    // Below the plot (bottom at 450), clear of the lower half of the bottom value label.
    EXPECT_GT(b.labels[0].rect.top(), 450 + b.labels[0].rect.height() / 2);
    EXPECT_LT(b.labels[0].rect.top(), 450 + b.labels[0].rect.height());
    // The text is there: dark pixels inside the label's rectangle.
    int dunkel = 0;
    const QRect r = b.labels[0].rect.toAlignedRect();
    for (int x = r.left(); x <= r.right(); ++x) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            dunkel += qGray(b.img.pixel(x, y)) < 128;
        }
    }
    EXPECT_GT(dunkel, 5);
}

TEST(ChartPixel, ThirtyMinutesWithTwentyDivisionsShowMinutesOnly) {
    const Bild b = Zeichne(Aufnahme(0, std::vector<TMessWert>(18000, Wert(0, 5))));
    ASSERT_EQ(b.labels.size(), 2u);
    EXPECT_EQ(b.labels[0].text, QStringLiteral("15min"));
    EXPECT_EQ(b.labels[1].text, QStringLiteral("30min"));
    // Four divisions: labels under lines 2 and 4.
    ChartOptionen o;
    o.GridLinesX = 4;
    const Bild v = Zeichne(Aufnahme(0, std::vector<TMessWert>(18000, Wert(0, 5))), o);
    ASSERT_EQ(v.labels.size(), 2u);
    EXPECT_EQ(v.labels[0].text, QStringLiteral("15min"));
    EXPECT_NEAR(v.labels[0].rect.center().x(), 500, 0.5);
}

TEST(ChartPixel, OverlappingTimeLabelsAreSkipped) {
    // The recording moved left by 30 % and ever larger fonts on a 1000-pixel box: the labels
    // under lines 10 and 20 grow until they would overlap or leave the box, and are then left
    // out, never drawn over each other.
    const Messung m = Aufnahme(0, std::vector<TMessWert>(18000, Wert(0, 5)));
    Zoom z;
    z.Offset_X[1] = 0.3;
    EXPECT_EQ(Zeichne(m, {}, z, 96).labels.size(), 2u);
    size_t wenigste = 2;
    for (const int dpi : {96, 300, 500, 700, 900, 1200}) {
        const Bild b = Zeichne(m, {}, z, dpi);
        wenigste = std::min(wenigste, b.labels.size());
        for (size_t i = 0; i < b.labels.size(); ++i) {
            EXPECT_TRUE(QRectF(0, 0, kW, kH).contains(b.labels[i].rect)) << dpi;
            if (i > 0) {
                EXPECT_FALSE(b.labels[i].rect.intersects(b.labels[i - 1].rect)) << dpi;
            }
        }
    }
    EXPECT_LT(wenigste, 2u);
}

TEST(ChartPixel, ZoomShowsTheChosenPart) {
    // First half contract, second half relax; zoomed into the second half only relax is seen.
    std::vector<TMessWert> w(100, Wert(1, 50));
    for (int i = 50; i < 100; ++i) {
        w[i] = Wert(0, 50);
    }
    Zoom z;
    ASSERT_TRUE(ZoomIn(z, QRectF(500, 50, 400, 400), QRectF(100, 50, 800, 400)));
    const Bild b = Zeichne(Aufnahme(0, w), {}, z);
    EXPECT_TRUE(Zeilen(b.img, 300, Phasenfarbe(1)).empty());
    EXPECT_FALSE(Zeilen(b.img, 300, Phasenfarbe(0)).empty());
    // Nothing is drawn outside the plot.
    EXPECT_TRUE(Zeilen(b.img, 50, Phasenfarbe(0)).empty());
}

TEST(ChartPixel, PanelsOfModeSevenAreClippedToTheirThirds) {
    std::vector<TMessWert> w(100);
    for (auto& v : w) {
        v.Phase = 7;
        v.Druck = 50; // scale 0..51
        v.EMG1 = 100; // full scale
        v.EMG2 = 0;
        v.Bereich1 = 100;
        v.Bereich2 = 100;
    }
    const Bild b = Zeichne(Aufnahme(7, w));
    const std::vector<int> oliv = Zeilen(b.img, 510, farbe::Druck);
    ASSERT_FALSE(oliv.empty());
    EXPECT_LT(oliv.back(), 50 + 400 / 3 + 1);
    const std::vector<int> gruen = Zeilen(b.img, 510, Phasenfarbe(7));
    ASSERT_FALSE(gruen.empty());
    for (int y : gruen) {
        EXPECT_GE(y, 183);
    }
}

TEST(ChartPixel, DevicePixelRatioTwoDrawsTheSameChartSharper) {
    std::vector<TMessWert> w(100, Wert(1, 50));
    QImage img(2 * kW, 2 * kH, QImage::Format_RGB32);
    img.setDevicePixelRatio(2);
    QPainter p(&img);
    DrawChart(p, Aufnahme(0, w), {}, kW, 0, 96, Zoom{}, 0, 0, kH);
    p.end();
    const std::vector<int> blau = Zeilen(img, 1020, Phasenfarbe(1));
    ASSERT_FALSE(blau.empty());
    EXPECT_NEAR(blau.front(), 500, 2);
    EXPECT_EQ(img.pixel(1020, 260), Rgb(farbe::Hintergrund));
}

// The live display's full redraw draws the pressure on the range the display has grown to,
// not on the range of the cycle's own samples, so that it meets the segments drawn after it.
TEST(ChartPixel, LiveRedrawKeepsTheGrownPressureRange) {
    for (int mode : {4, 5}) {
        std::vector<TMessWert> w(100);
        for (auto& v : w) {
            v.Phase = mode == 5 ? 5 : 7;
            v.Druck = 20;
            v.Bereich1 = 100;
        }
        ChartOptionen o;
        o.Echtzeit = true;
        const auto zeile = [&](const ChartOptionen& opt) {
            QImage img(kW, kH, QImage::Format_RGB32);
            QPainter p(&img);
            DrawChart(p, Aufnahme(mode, w), opt, kW, 100, 96, Zoom{}, 0, 0, kH);
            p.end();
            const std::vector<int> kurve = Zeilen(img, 500, Phasenfarbe(mode == 5 ? 5 : 7));
            return kurve.empty() ? -1 : kurve.front();
        };
        // The samples' own range: 0 .. 25 mbar, 20 at 80 % of the height.
        EXPECT_NEAR(zeile(o), 450 - 400 * 20 / 25, 1) << mode;
        // Grown to 0 .. 40 (mode 4) and 10 .. 30 (mode 5): 50 % of the height either way.
        o.FesterDruckbereich = true;
        o.DruckMin = mode == 5 ? 10 : 0;
        o.DruckMax = mode == 5 ? 30 : 40;
        EXPECT_NEAR(zeile(o), 250, 1) << mode;
    }
}

TEST(ChartPixel, RealTimeChartSpreadsBreiteSamplesAndDrawsTheTargetPattern) {
    std::vector<TMessWert> w(50, Wert(1, 50));
    ChartOptionen o;
    o.Echtzeit = true;
    o.Zielmuster = {{5, kPhaseEntspannen}, {5, kPhaseAnspannen}};
    QImage img(kW, kH, QImage::Format_RGB32);
    QPainter p(&img);
    DrawChart(p, Aufnahme(0, w), o, kW, 100, 96, Zoom{}, 0, 0, kH);
    p.end();
    // 50 of 100 samples: the curve ends in the middle.
    EXPECT_FALSE(Zeilen(img, 450, Phasenfarbe(1)).empty());
    EXPECT_TRUE(Zeilen(img, 700, Phasenfarbe(1)).empty());
    EXPECT_EQ(img.pixel(310, 440), Rgb(farbe::Entspannband));
    EXPECT_EQ(img.pixel(310, 100), Rgb(farbe::Hintergrund));
    EXPECT_EQ(img.pixel(710, 100), Rgb(farbe::Anspannband));
    EXPECT_EQ(img.pixel(710, 440), Rgb(farbe::Hintergrund));
}

TEST(ChartPixel, DemoRecordingsOfEveryModeDraw) {
    emu::Emulator emu;
    emu::LoadDemo(emu);
    const QString dir = qEnvironmentVariable("ZUD_SCREENSHOTS");
    for (int k = 1; k <= 9; ++k) {
        char name[64];
        std::snprintf(name, sizeof name, "0:\\Daten\\Th_0\\Pat_0\\M%04d.hdf", k);
        const auto bytes = emu.GetFile(name);
        ASSERT_TRUE(bytes.has_value()) << name;
        const Messung m = FillArray(bytes->data(), bytes->size());
        ASSERT_FALSE(m.Werte.empty()) << name;
        ChartOptionen o;
        o.Bemerkungen = {QStringLiteral("Demo-Aufnahme %1").arg(k)};
        const Bild b = Zeichne(m, o);
        // Some curve colour of a phase or the pressure curve is in the plot.
        int kurve = 0;
        for (int x = 100; x < 900; x += 3) {
            for (int y = 50; y < 450; ++y) {
                const QRgb c = b.img.pixel(x, y);
                kurve += c == Rgb(Phasenfarbe(0)) || c == Rgb(Phasenfarbe(1)) || c == Rgb(Phasenfarbe(3)) ||
                         c == Rgb(farbe::Druck);
            }
        }
        EXPECT_GT(kurve, 100) << "mode " << m.Betriebsart;
        EXPECT_FALSE(b.labels.empty()) << "mode " << m.Betriebsart;
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            b.img.save(QDir(dir).filePath(QStringLiteral("chart-mode%1.png").arg(m.Betriebsart)));
            QFile hdf(QDir(dir).filePath(QStringLiteral("mode%1.hdf").arg(m.Betriebsart)));
            if (hdf.open(QIODevice::WriteOnly)) {
                hdf.write(reinterpret_cast<const char*>(bytes->data()), static_cast<qint64>(bytes->size()));
            }
            ChartOptionen f = o;
            f.AreaChart = true;
            Zeichne(m, f).img.save(
                QDir(dir).filePath(QStringLiteral("chart-mode%1-area.png").arg(m.Betriebsart)));
        }
    }
}

TEST(ChartGeometrie, RemarksTakeTheirLinesFromThePlotHeight) {
    const Messung m = Aufnahme(7, {Wert(7, 0)});
    ChartOptionen o;
    const ChartLayout ohne = Layout(m, o, 1000, 96, 10, 20, 500);
    EXPECT_DOUBLE_EQ(ohne.plot.left(), 110);
    EXPECT_DOUBLE_EQ(ohne.plot.top(), 70);
    EXPECT_DOUBLE_EQ(ohne.plot.width(), 800);
    EXPECT_DOUBLE_EQ(ohne.plot.height(), 400);
    ASSERT_EQ(ohne.panels.size(), 3u);
    EXPECT_DOUBLE_EQ(ohne.panels[1].top(), 70 + 400.0 / 3);
    o.Bemerkungen = {QStringLiteral("eins"), QStringLiteral("zwei")};
    const ChartLayout mit = Layout(m, o, 1000, 96, 10, 20, 500);
    EXPECT_DOUBLE_EQ(mit.plot.height(), 400 - 2 * (mit.zeilenHoehe + 5));
    EXPECT_EQ(Layout(Aufnahme(6, {}), o, 1000, 96, 0, 0, 500).panels.size(), 2u);
    EXPECT_EQ(Layout(Aufnahme(9, {}), o, 1000, 96, 0, 0, 500).panels.size(), 2u);
    EXPECT_EQ(Layout(Aufnahme(3, {}), o, 1000, 96, 0, 0, 500).panels.size(), 1u);
}

// Every label of a chart drawn into a box of w × h at `dpi`.
std::vector<Zeitlabel> AlleLabels(const Messung& m, const ChartOptionen& o, int w, int h, int dpi,
                                  const Zoom& z = {}) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    std::vector<Zeitlabel> alle;
    DrawChart(p, m, o, w, 0, dpi, z, 0, 0, h, &alle);
    return alle;
}

// Inside the box, apart from each other, and outside the plot.
void LabelsPassen(const Messung& m, const ChartOptionen& o, int w, int h, int dpi, const Zoom& z = {}) {
    const auto alle = AlleLabels(m, o, w, h, dpi, z);
    const ChartLayout L = Layout(m, o, w, dpi, 0, 0, h);
    const QRectF box(0, 0, w, h);
    const std::string wo = "mode " + std::to_string(m.Betriebsart) + " at " + std::to_string(w) + "x" +
                           std::to_string(h) + ", " + std::to_string(dpi) + " dpi";
    int werte = 0;
    for (size_t a = 0; a < alle.size(); ++a) {
        const QRectF& r = alle[a].rect;
        werte += alle[a].art == Zeitlabel::Art::Wert;
        EXPECT_TRUE(box.contains(r)) << wo << ": \"" << alle[a].text.toStdString() << "\" leaves the box";
        // A channel's name stands in its panel's corner; every other label outside the plot.
        if (alle[a].art != Zeitlabel::Art::Kanal) {
            EXPECT_FALSE(r.intersects(L.plot))
                << wo << ": \"" << alle[a].text.toStdString() << "\" in the plot";
        }
        for (size_t b = a + 1; b < alle.size(); ++b) {
            EXPECT_FALSE(r.intersects(alle[b].rect))
                << wo << ": \"" << alle[a].text.toStdString() << "\" overlaps \""
                << alle[b].text.toStdString() << "\"";
        }
    }
    EXPECT_GE(werte, 2) << wo;
    // Every value label names its unit.
    const QString einheit =
        m.Betriebsart == 4 || m.Betriebsart == 5 ? PressureUnit(o.DruckEinheit) : QStringLiteral("µV");
    for (const Zeitlabel& l : alle) {
        if (l.art == Zeitlabel::Art::Wert && m.Betriebsart != 6 && m.Betriebsart != 7) {
            EXPECT_TRUE(l.text.endsWith(QLatin1Char(' ') + einheit)) << wo << ": " << l.text.toStdString();
        }
    }
}

TEST(ChartLabels, FitAndStayApartForEveryModeAtEverySize) {
    emu::Emulator emu;
    emu::LoadDemo(emu);
    for (int k = 1; k <= 9; ++k) {
        char name[64];
        std::snprintf(name, sizeof name, "0:\\Daten\\Th_0\\Pat_0\\M%04d.hdf", k);
        const auto bytes = emu.GetFile(name);
        ASSERT_TRUE(bytes.has_value()) << name;
        const Messung m = FillArray(bytes->data(), bytes->size());
        for (const int einheit : {0, 1}) {
            ChartOptionen o;
            o.DruckEinheit = einheit;
            o.ShowRealCurrent = true; // the red current column where the recording has current
            for (const int w : {400, 800, 1600}) {
                LabelsPassen(m, o, w, w * 5 / 8, 96);
            }
            // Four stacked frames on a 96-dpi screen: 68 dpi, a quarter of the height each.
            LabelsPassen(m, o, 1200, 160, 68);
            LabelsPassen(m, o, 700, 120, 68);
            // A printed page.
            LabelsPassen(m, o, 2400, 1500, 300);
            // Zoomed in and moved.
            Zoom z;
            z.Level = 2;
            z.Faktor_X[2] = 3.7;
            z.Faktor_Y[2] = 2.9;
            z.Offset_X[2] = 0.21;
            z.Offset_Y[2] = 0.13;
            LabelsPassen(m, o, 800, 500, 96, z);
        }
    }
}

TEST(ChartLabels, EachChannelOfATwoChannelRecordingNamesItsScale) {
    // Channel 1 on a 20 µV range, channel 2 on 100 µV: two scales that must not be confused.
    TMessWert w = Wert(0, 5, 20);
    w.Bereich2 = 100;
    w.EMG2 = w.EMG2_RAW = 50;
    const Messung m = Aufnahme(9, std::vector<TMessWert>(300, w));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const auto& [bw, bh, dpi] : {std::tuple{1000, 600, 96}, std::tuple{500, 300, 96},
                                      std::tuple{700, 120, 68}, std::tuple{2400, 1500, 300}}) {
        const ChartLayout L = Layout(m, {}, bw, dpi, 0, 0, bh);
        ASSERT_EQ(L.panels.size(), 2u);
        QStringList kanaele;
        for (const Zeitlabel& l : AlleLabels(m, {}, bw, bh, dpi)) {
            if (l.art != Zeitlabel::Art::Kanal) {
                continue;
            }
            kanaele << l.text;
            const size_t k = l.text == QLatin1String("EMG 1") ? 0 : 1;
            EXPECT_GT(l.rect.center().y(), L.panels[k].top()) << l.text.toStdString();
            EXPECT_LT(l.rect.center().y(), L.panels[k].bottom()) << l.text.toStdString();
        }
        EXPECT_EQ(kanaele, (QStringList{QStringLiteral("EMG 1"), QStringLiteral("EMG 2")}))
            << bw << "x" << bh;
        // No value label straddles the line between the panels: each scale's labels stay on
        // their own side, the top of channel 2 ("100,0 µV") below the line, channel 1's above.
        const double grenze = L.panels[1].top();
        bool obenZwei = false;
        for (const Zeitlabel& l : AlleLabels(m, {}, bw, bh, dpi)) {
            if (l.art != Zeitlabel::Art::Wert) {
                continue;
            }
            EXPECT_TRUE(l.rect.bottom() <= grenze || l.rect.top() >= grenze)
                << l.text.toStdString() << " at " << bw << "x" << bh;
            obenZwei |= l.text == QStringLiteral("100,0 µV") && l.rect.top() >= grenze;
        }
        EXPECT_TRUE(obenZwei) << "channel 2's top is labelled, " << bw << "x" << bh;
        // Names, value labels and time labels inside the box and apart from each other.
        LabelsPassen(m, {}, bw, bh, dpi);
    }
    QLocale::setDefault(QLocale::c());
    // One panel needs no name.
    for (const Zeitlabel& l : AlleLabels(Aufnahme(0, std::vector<TMessWert>(300, w)), {}, 1000, 600, 96)) {
        EXPECT_NE(l.art, Zeitlabel::Art::Kanal) << l.text.toStdString();
    }
}

TEST(ChartLabels, OneFormatTheUsersSeparatorAndRoundValuesWhenZoomed) {
    TMessWert w = Wert(0, 5, 200);
    w.Bereich2 = 200;
    const Messung m = Aufnahme(9, std::vector<TMessWert>(100, w));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto texte = [&](const Zoom& z) {
        QStringList t;
        for (const Zeitlabel& l : AlleLabels(m, {}, 1000, 600, 96, z)) {
            if (l.art == Zeitlabel::Art::Wert) {
                t << l.text;
            }
        }
        return t;
    };
    const QStringList ganz = texte({});
    QLocale::setDefault(QLocale::c());
    // Both panels of the two-channel mode read alike, with a blank before the unit.
    EXPECT_TRUE(ganz.contains(QStringLiteral("200,0 µV"))) << ganz.join('|').toStdString();
    EXPECT_TRUE(ganz.contains(QStringLiteral("100,0 µV"))) << ganz.join('|').toStdString();
    for (const QString& t : ganz) {
        EXPECT_TRUE(t.endsWith(QStringLiteral(" µV"))) << t.toStdString();
    }
    // Zoomed in by 3.3 from 13 % up: the labels stand at round values of the visible part.
    Zoom z;
    z.Level = 2;
    z.Faktor_Y[2] = 3.3;
    z.Offset_Y[2] = 0.13;
    const QStringList zoom = texte(z);
    ASSERT_GE(zoom.size(), 3);
    for (const QString& t : zoom) {
        const double v = QLocale::c().toDouble(t.section(QLatin1Char(' '), 0, 0));
        EXPECT_NEAR(std::fmod(v, 5.0), 0.0, 1e-9) << t.toStdString();
    }
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int rc = 0;
    {
        QGuiApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        rc = RUN_ALL_TESTS();
    }
    return zud::test::EndTests(rc);
}

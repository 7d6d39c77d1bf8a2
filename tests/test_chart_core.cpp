// The chart's computations that need no painter: axis maxima, time labels, zoom and pan.

#include "Chart.h"
#include "Zoom.h"

#include <gtest/gtest.h>

using namespace zud;

namespace {

TMessWert Wert(int phase, double emg1 = 0, double bereich1 = 0, double druck = 0) {
    TMessWert w;
    w.Phase = phase;
    w.EMG1 = w.EMG1_RAW = emg1;
    w.Bereich1 = bereich1;
    w.Druck = druck;
    return w;
}

Messung Aufnahme(int mode, std::vector<TMessWert> werte) {
    Messung m;
    m.Betriebsart = mode;
    m.Werte = std::move(werte);
    return m;
}

} // namespace

TEST(Achsen, EmgRangesAllZeroGiveTwoPointFiveMicrovolts) {
    const Achsen a = Achsenmaxima(Aufnahme(0, {Wert(0, 1, 0), Wert(1, 2, 0), Wert(2, 0, 0)}));
    EXPECT_DOUBLE_EQ(a.EMG1, 2.5);
    EXPECT_DOUBLE_EQ(a.EMG2, 2.5);
    EXPECT_DOUBLE_EQ(a.Strom, 0);
}

TEST(Achsen, EmgMaximumIsTheLargestRangeOfEmgAndPressureEmgPhases) {
    TMessWert strom = Wert(3);
    strom.Bereich1 = 300; // current phases do not count
    strom.Strom = 7.5;
    TMessWert sieben = Wert(7, 0, 50);
    sieben.Bereich2 = 75;
    const Achsen a = Achsenmaxima(Aufnahme(7, {Wert(0, 1, 20), strom, sieben, Wert(4, 0, 30)}));
    EXPECT_DOUBLE_EQ(a.EMG1, 50);
    EXPECT_DOUBLE_EQ(a.EMG2, 75);
    EXPECT_DOUBLE_EQ(a.Strom, 7.5);
    // Channel 2 counts only in modes 7 and 9; channel 1 not in mode 4.
    EXPECT_DOUBLE_EQ(Achsenmaxima(Aufnahme(6, {sieben})).EMG2, 2.5);
    EXPECT_DOUBLE_EQ(Achsenmaxima(Aufnahme(4, {sieben})).EMG1, 2.5);
}

TEST(Achsen, PressureScaleIsAtLeastTwentyFiveAndTheIntegerPartPlusOne) {
    EXPECT_DOUBLE_EQ(Achsenmaxima(Aufnahme(4, {Wert(7, 0, 0, 12.3)})).DruckMax, 25);
    EXPECT_DOUBLE_EQ(Achsenmaxima(Aufnahme(4, {Wert(7, 0, 0, 40.2)})).DruckMax, 41);
    EXPECT_DOUBLE_EQ(Achsenmaxima(Aufnahme(5, {Wert(5, 0, 0, 3), Wert(6, 0, 0, 40.0)})).DruckMax, 41);
    // Pressures outside the pressure phases do not count.
    EXPECT_DOUBLE_EQ(Achsenmaxima(Aufnahme(0, {Wert(1, 0, 0, 90)})).DruckMax, 25);
    EXPECT_DOUBLE_EQ(Achsenmaxima(Aufnahme(4, {Wert(7, 0, 0, 40.2)})).DruckMin, 0);
}

TEST(Zeitlabels, FollowTheTable) {
    EXPECT_EQ(Zeitbeschriftung(45, 4.5), QStringLiteral("4s"));
    EXPECT_EQ(Zeitbeschriftung(599, 10), QStringLiteral("59s"));
    EXPECT_EQ(Zeitbeschriftung(600, 10), QStringLiteral("1min"));
    EXPECT_EQ(Zeitbeschriftung(750, 10), QStringLiteral("1min 15s"));
    EXPECT_EQ(Zeitbeschriftung(9000, 900), QStringLiteral("15min"));
    EXPECT_EQ(Zeitbeschriftung(9050, 900), QStringLiteral("15min"));
    EXPECT_EQ(Zeitbeschriftung(9050, 600), QStringLiteral("15min 5s"));
    EXPECT_EQ(Zeitbeschriftung(36000, 1800), QStringLiteral("60min"));
    EXPECT_EQ(Zeitbeschriftung(36050, 600), QStringLiteral("1h 0min 5s"));
    EXPECT_EQ(Zeitbeschriftung(36050, 601), QStringLiteral("1h"));
    EXPECT_EQ(Zeitbeschriftung(36600, 600), QStringLiteral("1h 1min"));
    EXPECT_EQ(Zeitbeschriftung(72000, 3600), QStringLiteral("2h"));
}

TEST(Geometrie, FontAndPensScaleWithTheResolution) {
    EXPECT_EQ(Schriftpixel(96), 13);
    EXPECT_EQ(Schriftpixel(600), 80);
    EXPECT_DOUBLE_EQ(Stiftfaktor(96), 1);
    EXPECT_DOUBLE_EQ(Stiftfaktor(600), 6.25);
}

namespace {
const QRectF kPlot(100, 50, 800, 400);
} // namespace

TEST(ZoomTest, ZoomInComputesFactorsAndOffsetsFromThePreviousLevel) {
    Zoom z;
    // The middle half horizontally, the lower half vertically.
    ASSERT_TRUE(ZoomLoslassen(z, {300, 250}, {700, 450}, kPlot, 0, false));
    EXPECT_EQ(z.Level, 2);
    EXPECT_TRUE(z.Enabled);
    EXPECT_DOUBLE_EQ(z.FX(), 2);
    EXPECT_DOUBLE_EQ(z.FY(), 2);
    EXPECT_DOUBLE_EQ(z.OX(), 0.25);
    EXPECT_DOUBLE_EQ(z.OY(), 0);
    // Again the right half of what is visible now: 0.5 .. 0.75 of the recording.
    ASSERT_TRUE(ZoomLoslassen(z, {500, 50}, {900, 450}, kPlot, 0, false));
    EXPECT_EQ(z.Level, 3);
    EXPECT_DOUBLE_EQ(z.FX(), 4);
    EXPECT_DOUBLE_EQ(z.FY(), 2);
    EXPECT_DOUBLE_EQ(z.OX(), 0.5);
    // Out again: level 2 as it was.
    ASSERT_TRUE(ZoomLoslassen(z, {500, 300}, {100, 300}, kPlot, 0, false));
    EXPECT_EQ(z.Level, 2);
    EXPECT_DOUBLE_EQ(z.OX(), 0.25);
}

TEST(ZoomTest, SixthZoomIsIgnored) {
    Zoom z;
    for (int k = 0; k < 4; ++k) {
        ASSERT_TRUE(ZoomIn(z, QRectF(300, 100, 400, 200), kPlot));
    }
    ASSERT_EQ(z.Level, 5);
    const Zoom vorher = z;
    EXPECT_FALSE(ZoomLoslassen(z, {300, 100}, {700, 300}, kPlot, 0, false));
    EXPECT_EQ(z.Level, 5);
    EXPECT_EQ(z.Faktor_X, vorher.Faktor_X);
    EXPECT_EQ(z.Offset_X, vorher.Offset_X);
}

TEST(ZoomTest, RightToLeftDragAtLevelOneKeepsLevelOneAndOffsetsZero) {
    Zoom z;
    EXPECT_FALSE(ZoomLoslassen(z, {700, 300}, {200, 100}, kPlot, 0, false));
    EXPECT_EQ(z.Level, 1);
    EXPECT_FALSE(z.Enabled);
    EXPECT_DOUBLE_EQ(z.OX(), 0);
    EXPECT_DOUBLE_EQ(z.OY(), 0);
    EXPECT_DOUBLE_EQ(z.FX(), 1);
    // Back to level 1 from a zoom resets the offsets of level 1 even after a pan.
    ASSERT_TRUE(ZoomIn(z, QRectF(300, 100, 400, 200), kPlot));
    Pan(z, z.OX(), z.OY(), {500, 200}, {400, 200}, kPlot, 0);
    ZoomOut(z);
    EXPECT_EQ(z.Level, 1);
    EXPECT_DOUBLE_EQ(z.OX(), 0);
}

TEST(ZoomTest, UpAndLeftDragOrAClickDoNothing) {
    Zoom z;
    EXPECT_FALSE(ZoomLoslassen(z, {300, 300}, {300, 300}, kPlot, 0, false));
    EXPECT_FALSE(ZoomLoslassen(z, {300, 300}, {500, 100}, kPlot, 0, false)); // right but up
    EXPECT_EQ(z.Level, 1);
}

TEST(ZoomTest, RemarksShortenThePlotAndTheFullHeightBandFollows) {
    // Two remark lines take 60 pixels from the plot: a full-height zoom must keep the vertical
    // scale (factor 1, offset 0), not shrink the curve and lift its baseline.
    const QRectF kurz(100, 50, 800, 340);
    for (int mode : {6, 7, 9}) {
        Zoom z;
        ASSERT_TRUE(ZoomLoslassen(z, {300, 200}, {500, 260}, kurz, mode, false));
        EXPECT_DOUBLE_EQ(z.FY(), 1) << mode;
        EXPECT_DOUBLE_EQ(z.OY(), 0) << mode;
        ASSERT_TRUE(ZoomLoslassen(z, {300, 200}, {500, 260}, kurz, mode, false));
        EXPECT_DOUBLE_EQ(z.FY(), 1) << mode;
        EXPECT_DOUBLE_EQ(z.OY(), 0) << mode;
    }
}

TEST(ZoomTest, BandSpansThePlotHeightInPanelModesAndCropMode) {
    const QRectF frei = Gummiband({300, 200}, {500, 260}, kPlot, 0, false);
    EXPECT_EQ(frei, QRectF(300, 200, 200, 60));
    for (int mode : {6, 7, 9}) {
        const QRectF r = Gummiband({300, 200}, {500, 260}, kPlot, mode, false);
        EXPECT_DOUBLE_EQ(r.top(), 50);
        EXPECT_DOUBLE_EQ(r.bottom(), 450);
    }
    EXPECT_DOUBLE_EQ(Gummiband({300, 200}, {500, 260}, kPlot, 3, true).height(), 400);
    // In crop mode an up-and-right drag still selects the range: the height does not matter.
    Zoom z;
    ASSERT_TRUE(ZoomLoslassen(z, {300, 300}, {500, 100}, kPlot, 0, true));
    EXPECT_DOUBLE_EQ(z.FX(), 4);
    EXPECT_DOUBLE_EQ(z.FY(), 1);
    EXPECT_DOUBLE_EQ(z.OX(), 0.25);
}

TEST(ZoomTest, PanMovesTheOffsetsByTheDragDistance) {
    Zoom z;
    ASSERT_TRUE(ZoomIn(z, QRectF(300, 250, 400, 200), kPlot)); // factors 2, offset x 0.25
    Pan(z, 0.25, 0.0, {500, 300}, {300, 260}, kPlot, 0);
    EXPECT_DOUBLE_EQ(z.OX(), (800 * 0.25 + 200 / 2.0) / 800);
    EXPECT_DOUBLE_EQ(z.OY(), (-40 / 2.0) / 400);
    Zoom h;
    ASSERT_TRUE(ZoomIn(h, QRectF(300, 50, 400, 400), kPlot));
    Pan(h, h.OX(), 0.0, {500, 300}, {300, 100}, kPlot, 9);
    EXPECT_DOUBLE_EQ(h.OY(), 0) << "modes with panels pan horizontally only";
}

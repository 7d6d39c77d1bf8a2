// Drawing a one-hour recording (36,000 samples): into a 1920 x 1080 picture at zoom level 1
// and level 5 (a pan redraws this), and onto a 600-dpi landscape A4 page (print and PDF).

#include "Chart.h"
#include "Recording.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

namespace {

zud::Messung OneHour(int mode) {
    zud::ProgrammParameter kopf{};
    kopf.Betriebsart = static_cast<uint8_t>(mode);
    zud::Aufzeichnung a(kopf);
    uint32_t x = 7;
    for (int i = 0; i < 36000; ++i) {
        x = x * 1664525u + 1013904223u;
        zud::Livewert w;
        const int cycle = (i / 50) % 4;
        w.EMG1 = static_cast<uint8_t>(cycle == 1 ? 120 + (x >> 27) : 10 + (x >> 28));
        w.EMG2 = static_cast<uint8_t>(cycle == 1 ? 60 + (x >> 28) : 5 + (x >> 29)); // EMG-like: low noise
        w.Bereich1 = 11;
        w.Bereich2 = 10;
        w.Schwelle = 40;
        w.Phase = mode == 9 ? cycle % 2 : cycle;
        w.Strom = 10 + (x >> 29) * 0.5;
        w.Druck = (cycle == 1 ? 40 : 12) + (x >> 30);
        if (mode >= 4 && mode <= 7) {
            w.Phase = mode == 5 ? 5 + cycle % 2 : 7;
        }
        a.Hinzufuegen(w);
    }
    const auto bytes = a.Abschliessen();
    return zud::FillArray(bytes.data(), bytes.size());
}

zud::Zoom Level(int level) {
    zud::Zoom z;
    const QRectF plot(192, 108, 1536, 864);
    for (int k = 1; k < level; ++k) {
        // Each step the middle half of what is visible.
        zud::ZoomIn(z, QRectF(192 + 384, 108, 768, 864), plot);
    }
    return z;
}

void BM_Screen(benchmark::State& state) {
    const int mode = static_cast<int>(state.range(0));
    const int level = static_cast<int>(state.range(1));
    const zud::Messung m = OneHour(mode);
    zud::ChartOptionen o;
    o.AreaChart = state.range(2) != 0;
    const zud::Zoom z = Level(level);
    QImage img(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&img);
        zud::DrawChart(p, m, o, 1920, 0, 96, z, 0, 0, 1080);
    }
    state.SetLabel("mode " + std::to_string(mode) + " level " + std::to_string(level) +
                   (o.AreaChart ? " area" : " line"));
}
BENCHMARK(BM_Screen)
    ->Args({2, 1, 0})
    ->Args({2, 5, 0})
    ->Args({2, 1, 1})
    ->Args({7, 1, 0})
    ->Args({7, 5, 0})
    ->Unit(benchmark::kMillisecond);

// A4 landscape at 600 dpi as a picture (what a printer driver rasterises).
void BM_Page600Image(benchmark::State& state) {
    const zud::Messung m = OneHour(static_cast<int>(state.range(0)));
    zud::ChartOptionen o;
    const QSize size = QPageSize(QPageSize::A4).sizePixels(600).transposed();
    QImage img(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&img);
        zud::DrawChart(p, m, o, size.width(), 0, 600, zud::Zoom{}, 0, 0, size.height());
    }
}
BENCHMARK(BM_Page600Image)->Arg(2)->Arg(7)->Unit(benchmark::kMillisecond);

// The same page as vector PDF.
void BM_Page600Pdf(benchmark::State& state) {
    const zud::Messung m = OneHour(static_cast<int>(state.range(0)));
    zud::ChartOptionen o;
    for (auto _ : state) {
        QByteArray data;
        QBuffer buf(&data);
        buf.open(QIODevice::WriteOnly);
        QPdfWriter w(&buf);
        w.setResolution(600);
        w.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
        QPainter p(&w);
        const QRect r = p.viewport();
        zud::DrawChart(p, m, o, r.width(), 0, 600, zud::Zoom{}, 0, 0, r.height());
        p.end();
        benchmark::DoNotOptimize(data.size());
    }
}
BENCHMARK(BM_Page600Pdf)->Arg(2)->Arg(7)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// "Aktualisieren": the port discovery of this machine plus building the port list, as the main
// window and `zudctl ports` do it. Without Bluetooth (nothing bound), and with bound rfcomm
// devices while BlueZ is absent (no bus; a bus without BlueZ), and for comparison with a
// stand-in BlueZ that names two devices.

#include "BluezFixture.h"
#include "Ports.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace zud;

void Refresh(benchmark::State& state, const DiscoveryPlaces& places, qsizetype expectBluetooth) {
    size_t items = 0;
    for (auto _ : state) {
        auto discovery = SystemPortDiscovery(places);
        const QList<PortInfo> ports = discovery->Ports();
        const QList<BluetoothDevice> bt = discovery->Bluetooth(kBluetoothLimit);
        if (bt.size() != expectBluetooth) {
            state.SkipWithError("unexpected Bluetooth devices");
            return;
        }
        const PortList list =
            BuildPortList(ports, TestKabel(ports), bt, false, {QStringLiteral("/tmp/zud12")});
        items = static_cast<size_t>(list.items.size());
        benchmark::DoNotOptimize(items);
    }
    state.counters["ports_listed"] = static_cast<double>(items);
}

void Bind(test::SysRoot& sys) {
    sys.Bind(QStringLiteral("rfcomm0"), "00:11:22:33:44:55\n", "1\n");
    sys.Bind(QStringLiteral("rfcomm1"), "0a:0b:0c:0d:0e:0f\n", "3\n");
}

void BM_AktualisierenWithoutBluetooth(benchmark::State& state) {
    Refresh(state, {}, 0);
}

void BM_AktualisierenNoBus(benchmark::State& state) {
    test::SysRoot sys;
    Bind(sys);
    QTemporaryDir none;
    Refresh(state, {sys.Root(), QStringLiteral("unix:path=") + none.filePath(QStringLiteral("kein-bus"))}, 0);
}

void BM_AktualisierenBusWithoutBluez(benchmark::State& state) {
    test::SysRoot sys;
    Bind(sys);
    test::PrivateBus bus;
    if (bus.Address().isEmpty()) {
        state.SkipWithError("dbus-daemon did not start");
        return;
    }
    Refresh(state, {sys.Root(), bus.Address()}, 0);
}

void BM_AktualisierenWithBluez(benchmark::State& state) {
    test::SysRoot sys;
    Bind(sys);
    test::PrivateBus bus;
    test::FakeBluez bluez;
    if (bus.Address().isEmpty() ||
        !bluez
             .Start(bus.Address(),
                    {QStringLiteral("--device"), QStringLiteral("00:11:22:33:44:55,ZUD12-4711,"),
                     QStringLiteral("--device"), QStringLiteral("0A:0B:0C:0D:0E:0F,HC-05,")})
             .isEmpty()) {
        state.SkipWithError("no stand-in BlueZ");
        return;
    }
    Refresh(state, {sys.Root(), bus.Address()}, 2);
}

} // namespace

BENCHMARK(BM_AktualisierenWithoutBluetooth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AktualisierenNoBus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AktualisierenBusWithoutBluez)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AktualisierenWithBluez)->Unit(benchmark::kMillisecond);

// QtDBus needs the application object.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

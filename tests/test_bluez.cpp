// Bluetooth serial ports: the kernel's rfcomm bindings, their names from BlueZ over D-Bus
// (a stand-in BlueZ on a private bus), the captions and the filter of the port list, and no
// waiting when BlueZ or the bus is absent.

#include "QtPrinters.h"

#include "Bluez.h"
#include "BluezFixture.h"
#include "Ports.h"
#include "TestEnd.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace zud;
using namespace zud::test;
using namespace std::chrono_literals;

namespace {

QStringList Captions(const PortList& l) {
    QStringList out;
    for (const PortItem& i : l.items) {
        out << i.caption;
    }
    return out;
}

// The two bound devices of most tests: rfcomm0 and rfcomm1, and an unbound tty.
void BindTwo(SysRoot& sys) {
    sys.Bind(QStringLiteral("rfcomm0"), "00:11:22:33:44:55\n", "1\n");
    sys.Bind(QStringLiteral("rfcomm1"), "0a:0b:0c:0d:0e:0f\n", "3\n");
    sys.Plain(QStringLiteral("ttyS0"));
}

QStringList TwoDevices() {
    return {QStringLiteral("--device"), QStringLiteral("00:11:22:33:44:55,ZUD12-4711,"),
            // the alias the user gave wins over the device's own name
            QStringLiteral("--device"), QStringLiteral("0A:0B:0C:0D:0E:0F,HC-05,Praxis Raum 2"),
            // known but not bound
            QStringLiteral("--device"), QStringLiteral("66:77:88:99:AA:BB,Kopfhörer,")};
}

} // namespace

TEST(Rfcomm, ReadsTheKernelsBindings) {
    SysRoot sys;
    sys.Bind(QStringLiteral("rfcomm10"), "00:11:22:33:44:66\n", "5\n");
    sys.Bind(QStringLiteral("rfcomm2"), "00:11:22:33:44:55\n", "1\n");
    sys.Bind(QStringLiteral("rfcomm3"), "00:11:22:33:44\n", "1\n");       // address cut short
    sys.Bind(QStringLiteral("rfcomm4"), "zz:11:22:33:44:55\n", "1\n");    // not hexadecimal
    sys.Bind(QStringLiteral("rfcomm5"), "00:11:22:33:44:77\n", "kaputt"); // channel unreadable
    sys.Bind(QStringLiteral("rfcommX"), "00:11:22:33:44:88\n", "1\n");    // not an rfcomm device
    sys.Plain(QStringLiteral("rfcomm6"));                                 // no address at all
    sys.Plain(QStringLiteral("ttyS0"));
    const QList<RfcommBinding> b = RfcommBindings(sys.Root());
    ASSERT_EQ(b.size(), 3);
    // In the order of their numbers, addresses in upper case.
    EXPECT_EQ(b[0].path, QStringLiteral("/dev/rfcomm2"));
    EXPECT_EQ(b[0].address, QStringLiteral("00:11:22:33:44:55"));
    EXPECT_EQ(b[0].channel, 1);
    EXPECT_EQ(b[1].path, QStringLiteral("/dev/rfcomm5"));
    EXPECT_EQ(b[1].channel, -1);
    EXPECT_EQ(b[2].path, QStringLiteral("/dev/rfcomm10"));
    EXPECT_EQ(b[2].address, QStringLiteral("00:11:22:33:44:66"));
    EXPECT_EQ(b[2].channel, 5);
    EXPECT_TRUE(RfcommBindings(sys.Root() + QStringLiteral("/fehlt")).isEmpty());
    EXPECT_TRUE(IsBluetoothAddress(QStringLiteral("0a:0B:0c:0D:0e:0F")));
    EXPECT_FALSE(IsBluetoothAddress(QStringLiteral("0a:0B:0c:0D:0e:0F:")));
    EXPECT_FALSE(IsBluetoothAddress(QStringLiteral("0a0B0c0D0e0F")));
}

TEST(Bluez, NamesTheBoundPorts) {
    PrivateBus bus;
    ASSERT_FALSE(bus.Address().isEmpty()) << "dbus-daemon did not start";
    FakeBluez bluez;
    ASSERT_EQ(bluez.Start(bus.Address(), TwoDevices()), QString());

    const QList<BluezDevice> known = BluezDevices(bus.Address(), 5s);
    ASSERT_EQ(known.size(), 3); // the adapter and the other objects are no devices
    QStringList names;
    for (const BluezDevice& d : known) {
        names << d.name + QLatin1Char('=') + d.address;
    }
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("Kopfhörer=66:77:88:99:AA:BB"),
                                  QStringLiteral("Praxis Raum 2=0A:0B:0C:0D:0E:0F"),
                                  QStringLiteral("ZUD12-4711=00:11:22:33:44:55")}));

    SysRoot sys;
    BindTwo(sys);
    auto discovery = SystemPortDiscovery({sys.Root(), bus.Address()});
    const QList<BluetoothDevice> bt = discovery->Bluetooth(kBluetoothLimit);
    ASSERT_EQ(bt.size(), 2);
    EXPECT_EQ(bt[0].name, QStringLiteral("ZUD12-4711"));
    EXPECT_EQ(bt[0].address, QStringLiteral("00:11:22:33:44:55"));
    EXPECT_EQ(bt[0].port, QStringLiteral("/dev/rfcomm0"));
    EXPECT_EQ(bt[1].name, QStringLiteral("Praxis Raum 2"));
    EXPECT_EQ(bt[1].port, QStringLiteral("/dev/rfcomm1"));

    // The bound devices are ports even when libserialport does not list them.
    QList<PortInfo> ports;
    for (const PortInfo& p : discovery->Ports()) {
        if (p.path.startsWith(QLatin1String("/dev/rfcomm"))) {
            EXPECT_TRUE(p.bluetooth) << p.path.toStdString();
            ports.append(p);
        }
    }
    ASSERT_EQ(ports.size(), 2);
    ports.append({QStringLiteral("/dev/ttyS0"), QString(), false});

    // Only the labelled ports, the Bluetooth captions ending in a blank.
    PortList l = BuildPortList(ports, TestKabel(ports), bt, false);
    EXPECT_FALSE(l.secondPass);
    EXPECT_EQ(Captions(l), (QStringList{QStringLiteral("ZUD12-4711 (Bluetooth) - /dev/rfcomm0 "),
                                        QStringLiteral("Praxis Raum 2 (Bluetooth) - /dev/rfcomm1 ")}));
    l = BuildPortList(ports, TestKabel(ports), bt, true);
    // rfcomm0 and ttyS0 share the number 0 and go by name.
    EXPECT_EQ(Captions(l), (QStringList{QStringLiteral("ZUD12-4711 (Bluetooth) - /dev/rfcomm0 "),
                                        QStringLiteral("/dev/ttyS0"),
                                        QStringLiteral("Praxis Raum 2 (Bluetooth) - /dev/rfcomm1 ")}));
    // The cable's caption wins on a Bluetooth port.
    ports[1].description = QString::fromLatin1(kKabelBeschreibung);
    l = BuildPortList(ports, TestKabel(ports), bt, false);
    EXPECT_EQ(Captions(l), (QStringList{QStringLiteral("ZUD12-4711 (Bluetooth) - /dev/rfcomm0 "),
                                        QStringLiteral("QAL-USB Kabel - /dev/rfcomm1")}));
}

TEST(Bluez, DeviceWithoutNameOrAliasIsNamedByItsAddress) {
    PrivateBus bus;
    ASSERT_FALSE(bus.Address().isEmpty());
    FakeBluez bluez;
    ASSERT_EQ(
        bluez.Start(bus.Address(), {QStringLiteral("--device"), QStringLiteral("00:11:22:33:44:55,,"),
                                    QStringLiteral("--device"), QStringLiteral("kein-gerät,Name,Alias")}),
        QString());
    const QList<BluezDevice> known = BluezDevices(bus.Address(), 5s);
    ASSERT_EQ(known.size(), 1); // the one with a malformed address is left out
    EXPECT_EQ(known[0].name, QStringLiteral("00:11:22:33:44:55"));
}

TEST(Bluez, AbsentBluezGivesNothingAtOnce) {
    SysRoot sys;
    BindTwo(sys);
    QElapsedTimer t;
    {
        // A bus on which BlueZ does not run.
        PrivateBus bus;
        ASSERT_FALSE(bus.Address().isEmpty());
        t.start();
        EXPECT_TRUE(SystemPortDiscovery({sys.Root(), bus.Address()})->Bluetooth(kBluetoothLimit).isEmpty());
        EXPECT_LT(t.elapsed(), 5000); // far below the 20 s bound, with room for a loaded machine
    }
    // No bus at all.
    QTemporaryDir none;
    const QString address = QStringLiteral("unix:path=") + none.filePath(QStringLiteral("kein-bus"));
    t.start();
    EXPECT_TRUE(SystemPortDiscovery({sys.Root(), address})->Bluetooth(kBluetoothLimit).isEmpty());
    EXPECT_TRUE(BluezDevices(address, kBluetoothLimit).isEmpty());
    EXPECT_LT(t.elapsed(), 5000); // far below the 20 s bound, with room for a loaded machine
    // Rubbish for an address.
    EXPECT_TRUE(BluezDevices(QStringLiteral("kein:bus=hier"), kBluetoothLimit).isEmpty());
    EXPECT_LT(t.elapsed(), 5000); // far below the 20 s bound, with room for a loaded machine
}

TEST(Bluez, NothingBoundAsksNoOne) {
    PrivateBus bus;
    ASSERT_FALSE(bus.Address().isEmpty());
    FakeBluez bluez;
    ASSERT_EQ(bluez.Start(bus.Address(),
                          TwoDevices() + QStringList{QStringLiteral("--delay"), QStringLiteral("8000")}),
              QString());
    SysRoot sys;
    sys.Plain(QStringLiteral("ttyS0"));
    QElapsedTimer t;
    t.start();
    EXPECT_TRUE(SystemPortDiscovery({sys.Root(), bus.Address()})->Bluetooth(kBluetoothLimit).isEmpty());
    EXPECT_LT(t.elapsed(), 5000); // far below the 20 s bound, with room for a loaded machine
}

TEST(Bluez, SlowBluezIsWaitedForAtMostTheLimit) {
    PrivateBus bus;
    ASSERT_FALSE(bus.Address().isEmpty());
    FakeBluez bluez;
    ASSERT_EQ(bluez.Start(bus.Address(),
                          TwoDevices() + QStringList{QStringLiteral("--delay"), QStringLiteral("8000")}),
              QString());
    SysRoot sys;
    BindTwo(sys);
    auto discovery = SystemPortDiscovery({sys.Root(), bus.Address()});
    QElapsedTimer t;
    t.start();
    EXPECT_TRUE(discovery->Bluetooth(400ms).isEmpty());
    EXPECT_GE(t.elapsed(), 350);
    EXPECT_LT(t.elapsed(), 5000); // not the 8 s of the answer
    // A late answer within the limit is taken.
    t.start();
    EXPECT_EQ(discovery->Bluetooth(15s).size(), 2);
    EXPECT_GE(t.elapsed(), 3500);
}

TEST(Bluez, MalformedAnswerGivesNothing) {
    PrivateBus bus;
    ASSERT_FALSE(bus.Address().isEmpty());
    FakeBluez bluez;
    ASSERT_EQ(bluez.Start(bus.Address(), TwoDevices() + QStringList{QStringLiteral("--bad-reply")}),
              QString());
    SysRoot sys;
    BindTwo(sys);
    EXPECT_TRUE(BluezDevices(bus.Address(), 5s).isEmpty());
    EXPECT_TRUE(SystemPortDiscovery({sys.Root(), bus.Address()})->Bluetooth(5s).isEmpty());
}

// QtDBus needs the application object.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return zud::test::EndTests(RUN_ALL_TESTS());
}

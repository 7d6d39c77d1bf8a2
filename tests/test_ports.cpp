// The port list: labels for the cable and Bluetooth ports, the filter, the order.

#include "QtPrinters.h"

#include "EmuFixture.h"
#include "Ports.h"
#include "Zudctl.h"

#include <gtest/gtest.h>

using namespace zud;

namespace {

QStringList Captions(const PortList& l) {
    QStringList out;
    for (const PortItem& i : l.items) {
        out << i.caption;
    }
    return out;
}

PortInfo Port(const char* path, const char* description = "", bool bt = false) {
    return {QString::fromLatin1(path), QString::fromUtf8(description), bt};
}

} // namespace

TEST(PortList, LabelsFilterAndOrder) {
    const QList<PortInfo> plain = {Port("/dev/ttyS10"), Port("/dev/ttyS9"), Port("/dev/ttyS1")};
    // Neither cable nor Bluetooth: every port, in numeric order, for this run only.
    PortList l = BuildPortList(plain, TestKabel(plain), {}, false);
    EXPECT_EQ(Captions(l), (QStringList{"/dev/ttyS1", "/dev/ttyS9", "/dev/ttyS10"}));
    EXPECT_TRUE(l.secondPass);
    l = BuildPortList(plain, QString(), {}, true);
    EXPECT_FALSE(l.secondPass);
    EXPECT_EQ(l.items.size(), 3);

    // The cable on one of two ports: only its entry unless all ports are asked for.
    const QList<PortInfo> withCable = {Port("/dev/ttyS0"), Port("/dev/ttyUSB0", kKabelBeschreibung),
                                       Port("/dev/ttyUSB1", "FT232R USB UART")};
    EXPECT_EQ(TestKabel(withCable), QStringLiteral("/dev/ttyUSB0"));
    l = BuildPortList(withCable, TestKabel(withCable), {}, false);
    EXPECT_EQ(Captions(l), QStringList{"QAL-USB Kabel - /dev/ttyUSB0"});
    EXPECT_FALSE(l.secondPass);
    l = BuildPortList(withCable, TestKabel(withCable), {}, true);
    EXPECT_EQ(Captions(l), (QStringList{"/dev/ttyS0", "QAL-USB Kabel - /dev/ttyUSB0", "/dev/ttyUSB1"}));

    // Two cables: the first in port order.
    EXPECT_EQ(TestKabel({Port("/dev/ttyUSB3", kKabelBeschreibung), Port("/dev/ttyUSB1", kKabelBeschreibung)}),
              QStringLiteral("/dev/ttyUSB1"));
    EXPECT_TRUE(TestKabel(plain).isEmpty());

    // A Bluetooth port keeps the blank at the end; the cable's caption wins over it.
    const QList<PortInfo> bt = {Port("/dev/rfcomm0", "", true),
                                Port("/dev/rfcomm1", kKabelBeschreibung, true)};
    const QList<BluetoothDevice> devices = {
        {QStringLiteral("ZUD12-4711"), QStringLiteral("00:11:22:33:44:55"), QStringLiteral("/dev/rfcomm0")},
        {QStringLiteral("Anderes"), QStringLiteral("00:11:22:33:44:66"), QStringLiteral("/dev/rfcomm1")}};
    l = BuildPortList(bt, TestKabel(bt), devices, false);
    EXPECT_EQ(Captions(l),
              (QStringList{"ZUD12-4711 (Bluetooth) - /dev/rfcomm0 ", "QAL-USB Kabel - /dev/rfcomm1"}));

    // A port given on the command line (the emulator's link) is always listed.
    l = BuildPortList(withCable, TestKabel(withCable), {}, false, {QStringLiteral("/tmp/zud")});
    EXPECT_EQ(Captions(l), (QStringList{"QAL-USB Kabel - /dev/ttyUSB0", "/tmp/zud"}));

    // A port number stored by an older version becomes the listed port with that number.
    l = BuildPortList(plain, QString(), {}, true);
    EXPECT_EQ(ResolveStoredPort(QStringLiteral("9"), l.items), QStringLiteral("/dev/ttyS9"));
    EXPECT_EQ(ResolveStoredPort(QStringLiteral("/dev/ttyS10"), l.items), QStringLiteral("/dev/ttyS10"));
    EXPECT_EQ(ResolveStoredPort(QStringLiteral("7"), l.items), QStringLiteral("7"));
    EXPECT_EQ(PortNumber(QStringLiteral("COM12")), 12);
    EXPECT_EQ(PortNumber(QStringLiteral("/dev/pts/x")), -1);
}

TEST(PortList, ZudctlListsTheGivenPort) {
    QString out, err;
    QTextStream o(&out), e(&err);
    EXPECT_EQ(
        RunZudctl({QStringLiteral("--port"), QStringLiteral("/tmp/zud-test-link"), QStringLiteral("ports")},
                  o, e),
        0);
    o.flush();
    EXPECT_TRUE(out.endsWith(QStringLiteral("/tmp/zud-test-link;/tmp/zud-test-link\n"))) << out.toStdString();
    EXPECT_EQ(RunZudctl({QStringLiteral("ports"), QStringLiteral("--viele")}, o, e), 2);
}

// The low-latency request on open must leave ports without that mode (pseudo-terminals) working.

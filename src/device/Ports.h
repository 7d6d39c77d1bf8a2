#pragma once

// The serial ports through which the device can be reached, and the list the user chooses
// from: the maker's USB cable and Bluetooth serial ports are labelled, and by default only
// labelled ports are shown. Discovery sits behind one interface so that tests feed ports.

#include <QList>
#include <QString>

#include <chrono>
#include <memory>

namespace zud {

// The longest wait for the Bluetooth names of the ports.
constexpr std::chrono::milliseconds kBluetoothLimit{20000};

// The USB description of the maker's cable.
constexpr const char* kKabelBeschreibung = "QAL USB-Kabel";

struct PortInfo {
    QString path;        // /dev/ttyUSB0, /dev/rfcomm0, a pseudo-terminal
    QString description; // USB product/description string; empty when none
    bool bluetooth = false;
};

struct BluetoothDevice {
    QString name;
    QString address; // 12 hexadecimal digits with colons, as BlueZ writes it
    QString port;    // path of the serial port bound to it; empty when none
};

class PortDiscovery {
public:
    virtual ~PortDiscovery() = default;
    virtual QList<PortInfo> Ports() = 0;
    // Bluetooth devices with their bound serial ports (one entry per bound port); waits at most
    // `limit`. Empty at once when the machine has no Bluetooth or nothing is bound.
    virtual QList<BluetoothDevice> Bluetooth(std::chrono::milliseconds limit) = 0;
};

// Where the system discovery looks: the kernel's device tree and the bus on which BlueZ runs.
struct DiscoveryPlaces {
    QString sysRoot = QStringLiteral("/sys");
    QString busAddress; // empty: the system bus
};

// The machine's serial ports (libserialport, plus bound rfcomm devices it does not list) and
// the Bluetooth serial ports named through BlueZ.
std::unique_ptr<PortDiscovery> SystemPortDiscovery(const DiscoveryPlaces& places = {});

// The decimal digits of a port name read as one number (ttyS12 gives 12); -1 without digits.
int PortNumber(const QString& name);
// Ports in the order of the list: by port number, then by name.
void SortPorts(QList<PortInfo>& ports);
// The cable probe: the path of the first port (in list order) whose USB description is the
// cable's; empty when there is none.
QString TestKabel(QList<PortInfo> ports);

struct PortItem {
    QString caption;
    QString path;
};

struct PortList {
    QList<PortItem> items;
    // No port was labelled, so every port is listed for this run (nothing is stored).
    bool secondPass = false;
};

// Captions "QAL-USB Kabel - <port>" for the cable (wins over Bluetooth) and
// "<device> (Bluetooth) - <port> " for a bound Bluetooth port; other ports only with
// `allPorts`, or in a second pass when nothing was labelled. `extra` ports (given on the
// command line, the emulator's link) are always listed, after the others.
PortList BuildPortList(QList<PortInfo> ports, const QString& cablePath,
                       const QList<BluetoothDevice>& bluetooth, bool allPorts, const QStringList& extra = {});

// The stored port setting as a path: a path as it is; a number (stored by an older version)
// becomes the listed port with that number, or stays as it was when there is none.
QString ResolveStoredPort(const QString& stored, const QList<PortItem>& items);

} // namespace zud

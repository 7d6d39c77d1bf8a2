#pragma once

// Bluetooth serial ports on Linux: the rfcomm devices bound by the kernel (with the remote
// address and channel it keeps for each) and the names BlueZ knows for those addresses, read
// from its object manager over D-Bus.

#include <QList>
#include <QString>

#include <chrono>

namespace zud {

struct RfcommBinding {
    QString path;    // /dev/rfcomm0
    QString address; // remote address, upper case with colons: 00:11:22:33:44:55
    int channel = -1;
};

// The bound rfcomm devices below `sysRoot` (normally /sys: class/tty/rfcommN/address and
// channel), in the order of their numbers. Entries without a well-formed address are left out;
// a missing folder gives an empty list.
QList<RfcommBinding> RfcommBindings(const QString& sysRoot);

struct BluezDevice {
    QString name;    // the alias the user gave, else the name the device reports
    QString address; // upper case with colons
};

// The devices that BlueZ knows, from `org.bluez` on the bus at `busAddress` (empty: the system
// bus). Nothing when there is no bus, when BlueZ does not run there (it is not started for
// this) or when its answer is malformed; waits at most `limit` in all.
QList<BluezDevice> BluezDevices(const QString& busAddress, std::chrono::milliseconds limit);

// Whether `text` is a Bluetooth address: six pairs of hexadecimal digits joined by colons.
bool IsBluetoothAddress(const QString& text);

} // namespace zud

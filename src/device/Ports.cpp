#include "Ports.h"

#include "Bluez.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <libserialport.h>
#include <utility>

namespace zud {

int PortNumber(const QString& name) {
    QString digits;
    for (const QChar c : name) {
        if (c.isDigit()) {
            digits += c;
        }
    }
    bool ok = false;
    const int n = digits.left(9).toInt(&ok);
    return ok ? n : -1;
}

void SortPorts(QList<PortInfo>& ports) {
    std::stable_sort(ports.begin(), ports.end(), [](const PortInfo& a, const PortInfo& b) {
        const int na = PortNumber(a.path);
        const int nb = PortNumber(b.path);
        return na != nb ? na < nb : a.path < b.path;
    });
}

QString TestKabel(QList<PortInfo> ports) {
    SortPorts(ports);
    for (const PortInfo& p : ports) {
        if (p.description == QLatin1String(kKabelBeschreibung)) {
            return p.path;
        }
    }
    return {};
}

PortList BuildPortList(QList<PortInfo> ports, const QString& cablePath,
                       const QList<BluetoothDevice>& bluetooth, bool allPorts, const QStringList& extra) {
    SortPorts(ports);
    PortList list;
    for (int pass = 0; pass < 2 && list.items.isEmpty(); ++pass) {
        const bool all = allPorts || pass == 1;
        for (const PortInfo& p : ports) {
            QString caption = p.path;
            for (const BluetoothDevice& d : bluetooth) {
                if (!d.port.isEmpty() && d.port == p.path) {
                    caption = QStringLiteral("%1 (Bluetooth) - %2 ").arg(d.name, p.path);
                }
            }
            // The cable is one port, found by its path (port numbers repeat across kinds of port).
            if (!cablePath.isEmpty() && p.path == cablePath) {
                caption = QStringLiteral("%1 - %2").arg(QStringLiteral("QAL-USB Kabel"), p.path);
            }
            if (caption != p.path || all) {
                list.items.append({caption, p.path});
            }
        }
        list.secondPass = pass == 1 && !allPorts;
        if (ports.isEmpty()) {
            break;
        }
    }
    for (const QString& e : extra) {
        const bool listed =
            std::any_of(list.items.begin(), list.items.end(), [&](const PortItem& i) { return i.path == e; });
        if (!e.isEmpty() && !listed) {
            list.items.append({e, e});
        }
    }
    return list;
}

QString ResolveStoredPort(const QString& stored, const QList<PortItem>& items) {
    bool number = false;
    const int n = stored.trimmed().toInt(&number);
    if (!number) {
        return stored;
    }
    for (const PortItem& i : items) {
        if (PortNumber(i.path) == n) {
            return i.path;
        }
    }
    return stored;
}

namespace {

class SystemDiscovery : public PortDiscovery {
public:
    explicit SystemDiscovery(DiscoveryPlaces places) : FPlaces(std::move(places)) {}

    QList<PortInfo> Ports() override {
        QList<PortInfo> out;
        sp_port** list = nullptr;
        if (sp_list_ports(&list) == SP_OK && list != nullptr) {
            for (sp_port** p = list; *p != nullptr; ++p) {
                PortInfo info;
                info.path = QString::fromLocal8Bit(sp_get_port_name(*p));
                const sp_transport t = sp_get_port_transport(*p);
                info.bluetooth = t == SP_TRANSPORT_BLUETOOTH || info.path.contains(QLatin1String("rfcomm"));
                if (t == SP_TRANSPORT_USB) {
                    const char* product = sp_get_port_usb_product(*p);
                    info.description = QString::fromUtf8(product ? product : sp_get_port_description(*p));
                }
                out.append(info);
            }
            sp_free_port_list(list);
        }
        // A bound rfcomm device that is not connected has no parent device, and libserialport
        // passes over it; it is a port all the same.
        for (const RfcommBinding& b : RfcommBindings(FPlaces.sysRoot)) {
            const bool listed =
                std::any_of(out.begin(), out.end(), [&](const PortInfo& p) { return p.path == b.path; });
            if (!listed) {
                out.append({b.path, QString(), true});
            }
        }
        return out;
    }

    QList<BluetoothDevice> Bluetooth(std::chrono::milliseconds limit) override {
        // Without a bound rfcomm device there is nothing to name, and BlueZ is not asked.
        const QList<RfcommBinding> bindings = RfcommBindings(FPlaces.sysRoot);
        if (bindings.isEmpty()) {
            return {};
        }
        const QList<BluezDevice> devices = BluezDevices(FPlaces.busAddress, std::min(limit, kBluetoothLimit));
        QList<BluetoothDevice> out;
        for (const RfcommBinding& b : bindings) {
            for (const BluezDevice& d : devices) {
                if (d.address == b.address) {
                    out.append({d.name, d.address, b.path});
                    break;
                }
            }
        }
        return out;
    }

private:
    DiscoveryPlaces FPlaces;
};

} // namespace

std::unique_ptr<PortDiscovery> SystemPortDiscovery(const DiscoveryPlaces& places) {
    return std::make_unique<SystemDiscovery>(places);
}

} // namespace zud

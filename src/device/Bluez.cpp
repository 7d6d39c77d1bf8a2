#include "Bluez.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>

#include <algorithm>
#include <atomic>

namespace zud {

namespace {

constexpr const char* kService = "org.bluez";
constexpr const char* kDeviceInterface = "org.bluez.Device1";

QString ReadLine(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromLatin1(f.read(64)).trimmed();
}

// The whole time left, as the millisecond time-out of one call (at least 1 ms).
int Remaining(const QDeadlineTimer& deadline) {
    return static_cast<int>(std::clamp<qint64>(deadline.remainingTime(), 1, 3600 * 1000));
}

// Reads one a{sa{sv}} (the interfaces of one object); the Device1 properties land in `device`.
void ReadInterfaces(const QDBusArgument& arg, QVariantMap& device, bool& isDevice) {
    arg.beginMap();
    while (!arg.atEnd()) {
        QString interface;
        QVariantMap properties;
        arg.beginMapEntry();
        arg >> interface >> properties;
        arg.endMapEntry();
        if (interface == QLatin1String(kDeviceInterface)) {
            device = properties;
            isDevice = true;
        }
    }
    arg.endMap();
}

QString Text(const QVariantMap& properties, const char* key) {
    const QVariant v = properties.value(QString::fromLatin1(key));
    return v.typeId() == QMetaType::QString ? v.toString().trimmed() : QString();
}

} // namespace

bool IsBluetoothAddress(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^[0-9A-Fa-f]{2}(:[0-9A-Fa-f]{2}){5}$"));
    return re.match(text).hasMatch();
}

QList<RfcommBinding> RfcommBindings(const QString& sysRoot) {
    static const QRegularExpression name(QStringLiteral("^rfcomm(\\d{1,4})$"));
    const QDir dir(sysRoot + QStringLiteral("/class/tty"));
    QList<std::pair<int, RfcommBinding>> found;
    for (const QString& entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        const QRegularExpressionMatch m = name.match(entry);
        if (!m.hasMatch()) {
            continue;
        }
        RfcommBinding b;
        b.path = QStringLiteral("/dev/") + entry;
        b.address = ReadLine(dir.filePath(entry + QStringLiteral("/address"))).toUpper();
        if (!IsBluetoothAddress(b.address)) {
            continue;
        }
        bool ok = false;
        const int channel = ReadLine(dir.filePath(entry + QStringLiteral("/channel"))).toInt(&ok);
        b.channel = ok && channel >= 1 && channel <= 30 ? channel : -1;
        found.append({m.captured(1).toInt(), b});
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<RfcommBinding> out;
    for (const auto& f : found) {
        out.append(f.second);
    }
    return out;
}

QList<BluezDevice> BluezDevices(const QString& busAddress, std::chrono::milliseconds limit) {
    // QtDBus delivers replies through the application object's machinery.
    if (QCoreApplication::instance() == nullptr || limit.count() <= 0) {
        return {};
    }
    const QDeadlineTimer deadline(limit.count());
    static std::atomic<int> serial{0};
    const QString connection = QStringLiteral("zud-bluez-%1").arg(++serial);
    QDBusConnection bus = busAddress.isEmpty()
                              ? QDBusConnection::connectToBus(QDBusConnection::SystemBus, connection)
                              : QDBusConnection::connectToBus(busAddress, connection);
    const auto disconnect = qScopeGuard([&] { QDBusConnection::disconnectFromBus(connection); });
    if (!bus.isConnected()) {
        return {};
    }
    // Asked first so that a bus that could start BlueZ on demand does not do so (and make us wait).
    QDBusMessage owner = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    owner << QString::fromLatin1(kService);
    const QDBusMessage hasOwner = bus.call(owner, QDBus::Block, Remaining(deadline));
    if (hasOwner.type() != QDBusMessage::ReplyMessage || hasOwner.arguments().size() != 1 ||
        !hasOwner.arguments().at(0).toBool() || deadline.hasExpired()) {
        return {};
    }
    QDBusMessage managed = QDBusMessage::createMethodCall(
        QString::fromLatin1(kService), QStringLiteral("/"),
        QStringLiteral("org.freedesktop.DBus.ObjectManager"), QStringLiteral("GetManagedObjects"));
    managed.setAutoStartService(false);
    const QDBusMessage reply = bus.call(managed, QDBus::Block, Remaining(deadline));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1 ||
        reply.signature() != QLatin1String("a{oa{sa{sv}}}")) {
        return {};
    }
    const QDBusArgument arg = reply.arguments().at(0).value<QDBusArgument>();
    QList<BluezDevice> out;
    arg.beginMap();
    while (!arg.atEnd()) {
        QDBusObjectPath path;
        QVariantMap device;
        bool isDevice = false;
        arg.beginMapEntry();
        arg >> path;
        ReadInterfaces(arg, device, isDevice);
        arg.endMapEntry();
        if (!isDevice) {
            continue;
        }
        BluezDevice d;
        d.address = Text(device, "Address").toUpper();
        d.name = Text(device, "Alias");
        if (d.name.isEmpty()) {
            d.name = Text(device, "Name");
        }
        if (d.name.isEmpty()) {
            d.name = d.address;
        }
        if (IsBluetoothAddress(d.address)) {
            out.append(d);
        }
    }
    arg.endMap();
    return out;
}

} // namespace zud

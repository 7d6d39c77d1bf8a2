// A stand-in for BlueZ on a private bus: owns "org.bluez" and answers the object manager's
// GetManagedObjects with the devices given on the command line.
//   fake_bluez --bus ADDRESS [--device ADDRESS,NAME,ALIAS]... [--delay MS] [--bad-reply]
// NAME or ALIAS may be empty (the property is then left out). Prints "ready" once it serves.

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QMap>
#include <QTimer>

#include <cstdio>

using Interfaces = QMap<QString, QVariantMap>;
using Objects = QMap<QDBusObjectPath, Interfaces>;

namespace {

class Manager : public QDBusVirtualObject {
public:
    Objects objects;
    int delayMs = 0;
    bool badReply = false;

    QString introspect(const QString&) const override {
        return QStringLiteral("<interface name=\"org.freedesktop.DBus.ObjectManager\">"
                              "<method name=\"GetManagedObjects\"><arg type=\"a{oa{sa{sv}}}\" "
                              "direction=\"out\"/></method></interface>");
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.interface() != QLatin1String("org.freedesktop.DBus.ObjectManager") ||
            message.member() != QLatin1String("GetManagedObjects")) {
            return false;
        }
        QDBusMessage reply = message.createReply();
        if (badReply) {
            reply << QStringLiteral("keine Geräte");
        } else {
            reply << QVariant::fromValue(objects);
        }
        message.setDelayedReply(true);
        QTimer::singleShot(delayMs, [reply, connection] { QDBusConnection(connection).send(reply); });
        return true;
    }
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    qDBusRegisterMetaType<Interfaces>();
    qDBusRegisterMetaType<Objects>();
    Manager manager;
    QString address;
    QStringList args = app.arguments().mid(1);
    // An adapter and a non-device interface, which the reader must pass over.
    manager.objects.insert(QDBusObjectPath(QStringLiteral("/org/bluez")),
                           {{QStringLiteral("org.bluez.AgentManager1"), {}}});
    manager.objects.insert(QDBusObjectPath(QStringLiteral("/org/bluez/hci0")),
                           {{QStringLiteral("org.bluez.Adapter1"),
                             {{QStringLiteral("Address"), QStringLiteral("AA:BB:CC:DD:EE:FF")},
                              {QStringLiteral("Name"), QStringLiteral("Adapter")}}}});
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--bad-reply")) {
            manager.badReply = true;
            continue;
        }
        const QString value = args.isEmpty() ? QString() : args.takeFirst();
        if (a == QLatin1String("--bus")) {
            address = value;
        } else if (a == QLatin1String("--delay")) {
            manager.delayMs = value.toInt();
        } else if (a == QLatin1String("--device")) {
            const QStringList f = value.split(QLatin1Char(','));
            QVariantMap properties{{QStringLiteral("Address"), f.value(0)},
                                   {QStringLiteral("Paired"), true},
                                   {QStringLiteral("RSSI"), QVariant::fromValue<qint16>(-60)}};
            if (!f.value(1).isEmpty()) {
                properties.insert(QStringLiteral("Name"), f.value(1));
            }
            if (!f.value(2).isEmpty()) {
                properties.insert(QStringLiteral("Alias"), f.value(2));
            }
            // BlueZ names the node after the address; anything else becomes "_".
            QString node = f.value(0);
            for (QChar& c : node) {
                if (!(c.isLetterOrNumber() && c.unicode() < 128)) {
                    c = QLatin1Char('_');
                }
            }
            manager.objects.insert(QDBusObjectPath(QStringLiteral("/org/bluez/hci0/dev_") + node),
                                   {{QStringLiteral("org.freedesktop.DBus.Properties"), {}},
                                    {QStringLiteral("org.bluez.Device1"), properties}});
        } else {
            std::fprintf(stderr, "fake_bluez: unknown argument %s\n", qPrintable(a));
            return 2;
        }
    }
    QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("fake"));
    if (!bus.isConnected() || !bus.registerVirtualObject(QStringLiteral("/"), &manager) ||
        !bus.registerService(QStringLiteral("org.bluez"))) {
        std::fprintf(stderr, "fake_bluez: cannot serve on %s\n", qPrintable(address));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

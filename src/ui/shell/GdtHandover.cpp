#include "GdtHandover.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalSocket>
#include <QPointer>
#include <QSettings>
#include <QTimer>

#include <unistd.h>

namespace zud::ui {

namespace {

constexpr qint64 kMaxLine = 8192; // a path, percent-encoded, with the command word
constexpr int kClientTimeoutMs = 5000;

QByteArray Line(const QString& path) {
    return "GDT " + QFileInfo(path).absoluteFilePath().toUtf8().toPercentEncoding("/") + '\n';
}

} // namespace

QString GdtHandoverName() {
    const QSettings user(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brelk"),
                         QStringLiteral("ZUD"));
    const QByteArray hash =
        QCryptographicHash::hash(user.fileName().toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("zud-software-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

bool HandGdtRequestOver(const QString& path, int timeoutMs) {
    QLocalSocket s;
    s.connectToServer(GdtHandoverName());
    if (!s.waitForConnected(timeoutMs)) {
        return false;
    }
    s.write(Line(path));
    if (!s.waitForBytesWritten(timeoutMs)) {
        return false;
    }
    while (!s.canReadLine()) {
        if (!s.waitForReadyRead(timeoutMs)) {
            return false;
        }
    }
    return s.readLine(64).trimmed() == "OK";
}

GdtHandoverServer::GdtHandoverServer(QObject* parent) : QObject(parent) {
    FServer.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&FServer, &QLocalServer::newConnection, this, &GdtHandoverServer::Accept);
}

bool GdtHandoverServer::Listen() {
    const QString name = GdtHandoverName();
    if (FServer.listen(name)) {
        return true;
    }
    // A socket left by a program that ended without closing it answers nobody: it is removed.
    // One that answers belongs to a program that runs.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(500)) {
        probe.abort();
        return false;
    }
    QLocalServer::removeServer(name);
    return FServer.listen(name);
}

void GdtHandoverServer::Accept() {
    while (QLocalSocket* s = FServer.nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        // A client that says nothing is not kept.
        QTimer::singleShot(kClientTimeoutMs, s, [s] { s->abort(); });
        connect(s, &QLocalSocket::readyRead, s, [this, s] {
            if (!s->canReadLine()) {
                if (s->bytesAvailable() > kMaxLine) {
                    s->abort();
                }
                return;
            }
            const QByteArray line = s->readLine(kMaxLine).trimmed();
            const QString path = line.startsWith("GDT /")
                                     ? QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(4)))
                                     : QString();
            if (path.isEmpty() || path.contains(QChar(0))) {
                s->write("ERR\n");
                s->disconnectFromServer();
                return;
            }
            s->write("OK\n");
            s->disconnectFromServer();
            // Taken after this slot: the request may open windows and wait for the login.
            QTimer::singleShot(0, this, [this, path] { emit RequestHandedOver(path); });
        });
    }
}

} // namespace zud::ui

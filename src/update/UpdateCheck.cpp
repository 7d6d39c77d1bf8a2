#include "UpdateCheck.h"

#include "CheckedFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringList>
#include <QTimer>
#include <QUrl>

namespace zud {

quint64 VersionNumber(const QString& version) {
    static constexpr quint64 kWeight[3] = {quint64(1) << 24, quint64(1) << 16, 1};
    const QStringList parts = version.trimmed().split(QLatin1Char('.'));
    quint64 sum = 0;
    for (qsizetype i = 0; i < parts.size() && i < 3; ++i) {
        bool ok = false;
        const quint64 n = parts[i].trimmed().toULongLong(&ok, 10);
        if (ok && n <= 0xFFFFFFFFu) {
            sum += n * kWeight[i];
        } else {
            sum = 0;
        }
    }
    return sum;
}

QString IniValue(const QByteArray& ini, const QString& section, const QString& key) {
    bool inSection = false;
    for (const QByteArray& raw : ini.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inSection = line.mid(1, line.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (inSection && eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            return line.mid(eq + 1).trimmed();
        }
    }
    return {};
}

namespace {

QString Base(const QString& server) {
    QString base = server.trimmed();
    while (base.endsWith(QLatin1Char('/'))) {
        base.chop(1);
    }
    return base;
}

// The body of a successful answer with a numeric Content-Length header of the same size.
bool Download(const QUrl& url, int timeoutMs, QByteArray* body) {
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    const QString agent = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      agent.isEmpty() ? QStringLiteral("zud-software") : agent);
    request.setTransferTimeout(timeoutMs);

    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, reply, &QNetworkReply::abort);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (!reply->isFinished()) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    timer.stop();

    bool ok = reply->error() == QNetworkReply::NoError;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    ok = ok && status >= 200 && status < 300;
    bool numeric = false;
    const QByteArray lengthHeader = reply->rawHeader("Content-Length").trimmed();
    const qint64 length = lengthHeader.toLongLong(&numeric, 10);
    ok = ok && reply->hasRawHeader("Content-Length") && numeric && length >= 0;
    if (ok) {
        *body = reply->readAll();
        ok = body->size() == length;
    }
    delete reply;
    return ok;
}

} // namespace

UpdateResult CheckForUpdate(const QString& server, const QString& workFolder, const QString& localVersion,
                            int timeoutMs) {
    UpdateResult result;
    const QString base = Base(server);
    if (base.isEmpty()) {
        return result;
    }
    const QUrl url(base + QStringLiteral("/Download/zud.txt"));
    if (!url.isValid() || url.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) != 0) {
        return result;
    }
    QByteArray body;
    if (!Download(url, timeoutMs, &body)) {
        return result;
    }

    // The answer goes through the work folder as "zud.ini" and is removed after reading.
    QString folder = workFolder;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    const QString path = folder + QStringLiteral("zud.ini");
    if (!SaveFile(path, body)) {
        return result;
    }
    QByteArray ini;
    {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            ini = file.readAll();
        }
    }
    QFile::remove(path);

    result.remoteVersion = IniValue(ini, QStringLiteral("VersionCheck"), QStringLiteral("Version"));
    if (result.remoteVersion.isEmpty()) {
        return result;
    }
    result.available = true;
    const QString package = IniValue(ini, QStringLiteral("VersionCheck"), QStringLiteral("Package"));
    result.downloadUrl = base + QLatin1Char('/') + package;
    result.newer = VersionNumber(localVersion) < VersionNumber(result.remoteVersion);
    return result;
}

} // namespace zud

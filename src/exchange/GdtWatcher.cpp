#include "GdtWatcher.h"

#include "GdtExchange.h"

#include <QFileInfo>

namespace zud {

namespace {
constexpr int kPollMs = 1000;
constexpr int kSettleMs = 300;
// A file is taken when it has not changed for this long: a practice software that pauses while
// writing its file is not cut off.
constexpr qint64 kQuietMs = 1000;
} // namespace

GdtWatcher::GdtWatcher(QObject* parent) : QObject(parent) {
    FPoll.setInterval(kPollMs);
    FSettle.setSingleShot(true);
    FSettle.setInterval(kSettleMs);
    connect(&FPoll, &QTimer::timeout, this, &GdtWatcher::Scan);
    connect(&FSettle, &QTimer::timeout, this, &GdtWatcher::Scan);
    connect(&FWatcher, &QFileSystemWatcher::directoryChanged, this, [this] { FSettle.start(); });
}

void GdtWatcher::Start(const GdtSettings& s) {
    Stop();
    FSettings = s;
    if (!s.On || s.Folder.isEmpty() || !QFileInfo(s.Folder).isDir()) {
        return;
    }
    FWatcher.addPath(s.Folder);
    FPoll.start();
    Scan();
}

void GdtWatcher::Stop() {
    FPoll.stop();
    FSettle.stop();
    if (!FWatcher.directories().isEmpty()) {
        FWatcher.removePaths(FWatcher.directories());
    }
    FSeen.clear();
}

void GdtWatcher::Scan() {
    if (!Watching()) {
        return;
    }
    QHash<QString, Stand> now;
    bool unsettled = false;
    const QDateTime jetzt = QDateTime::currentDateTime();
    for (const QString& path : PendingGdtRequests(FSettings)) {
        const QFileInfo info(path);
        Stand s{info.size(), info.lastModified(), false};
        const auto before = FSeen.constFind(path);
        const bool gleich =
            before != FSeen.constEnd() && before->size == s.size && before->modified == s.modified;
        if (gleich && s.modified.msecsTo(jetzt) < kQuietMs) {
            s.reported = before->reported;
            unsettled = true;
        } else if (gleich) {
            s.reported = before->reported;
            if (!s.reported) {
                s.reported = true;
                now.insert(path, s);
                emit RequestReady(path);
                continue;
            }
        } else {
            unsettled = true;
        }
        now.insert(path, s);
    }
    FSeen = now;
    if (unsettled) {
        FSettle.start();
    }
}

} // namespace zud

#pragma once

// Watches the GDT exchange folder while the program runs and reports each request file of the
// practice software once it is complete: its size and time stayed the same between two looks
// and for a second, so a file the practice software is still writing is not taken half. The folder is also
// looked at every second, since a folder on a network share reports no changes.

#include "GdtSettings.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QTimer>

namespace zud {

class GdtWatcher : public QObject {
    Q_OBJECT
public:
    explicit GdtWatcher(QObject* parent = nullptr);

    // Watches the folder of `s` when GDT is on and the folder exists; stops otherwise.
    void Start(const GdtSettings& s);
    void Stop();
    bool Watching() const { return FPoll.isActive(); }
    // Looks at the folder now (the settle time still applies).
    void Scan();
    // A reported file that could not be taken yet (no login, a live measurement): it is
    // reported again once it is still there and quiet.
    void Retry(const QString& path) { FSeen.remove(path); }

signals:
    // A complete request file; the receiver takes it (it is deleted or moved away then).
    void RequestReady(const QString& path);

private:
    struct Stand {
        qint64 size = -1;
        QDateTime modified;
        bool reported = false;
    };
    GdtSettings FSettings;
    QFileSystemWatcher FWatcher;
    QTimer FPoll;
    QTimer FSettle;
    QHash<QString, Stand> FSeen;
};

} // namespace zud

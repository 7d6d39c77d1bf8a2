#pragma once

// A small file system for the full-disk tests: a tmpfs of a given size mounted for the test's
// life (root only), and a filler file that leaves a given number of bytes free on it.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <sys/mount.h>
#include <sys/statvfs.h>

namespace zud::test {

class RamDisk {
public:
    RamDisk(const QString& path, qint64 bytes) : FPath(path) {
        QDir().mkpath(path);
        const QByteArray options = QStringLiteral("size=%1,mode=0755").arg(bytes).toLatin1();
        FMounted =
            ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~RamDisk() {
        if (FMounted) {
            ::umount2(QFile::encodeName(FPath).constData(), MNT_DETACH);
        }
    }
    RamDisk(const RamDisk&) = delete;
    RamDisk& operator=(const RamDisk&) = delete;
    bool Mounted() const { return FMounted; }

private:
    QString FPath;
    bool FMounted = false;
};

// The free bytes of the file system that holds `folder`; -1 when it cannot be asked.
inline qint64 FreeBytes(const QString& folder) {
    struct statvfs st {};
    if (::statvfs(QFile::encodeName(folder).constData(), &st) != 0) {
        return -1;
    }
    return static_cast<qint64>(st.f_bavail) * static_cast<qint64>(st.f_frsize);
}

// Grows or shrinks `filler` (open for writing) until about `room` bytes are free beside it (at
// most `room`, unless the filler is gone).
inline bool LeaveFree(QFile& filler, qint64 room) {
    const QString folder = QFileInfo(filler.fileName()).absolutePath();
    if (const qint64 free = FreeBytes(folder); free >= 0 && free < room) {
        filler.flush();
        if (!filler.resize(std::max<qint64>(0, filler.size() - (room - free)))) {
            return false;
        }
        filler.seek(filler.size());
    }
    for (;;) {
        const qint64 free = FreeBytes(folder);
        if (free < 0) {
            return false;
        }
        if (free <= room) {
            return true;
        }
        const qint64 chunk = std::min<qint64>(free - room, 1024 * 1024);
        if (filler.write(QByteArray(static_cast<int>(chunk), 'x')) <= 0 || !filler.flush()) {
            return FreeBytes(folder) <= room;
        }
    }
}

} // namespace zud::test

#include "CheckedFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zud {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("CheckedFile", text);
}

QString Message(const QString& path, const QString& reason) {
    return Tr(QT_TRANSLATE_NOOP("CheckedFile", "Datei kann nicht geschrieben werden: %1 (%2)"))
        .arg(path, reason);
}

// Permissions of a new file as any other program would create it; an existing file keeps its own.
mode_t NewFileMode(const QByteArray& path) {
    struct stat st {};
    if (::stat(path.constData(), &st) == 0 && S_ISREG(st.st_mode)) {
        return st.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

QString FileErrorReason(int err) {
    switch (err) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Tr(QT_TRANSLATE_NOOP("CheckedFile", "kein Platz mehr auf dem Datenträger"));
    case EACCES:
    case EPERM:
        return Tr(QT_TRANSLATE_NOOP("CheckedFile", "keine Berechtigung für diesen Ordner"));
    case EISDIR:
        return Tr(QT_TRANSLATE_NOOP("CheckedFile", "ein Ordner dieses Namens ist im Weg"));
    case ENOENT:
        return Tr(QT_TRANSLATE_NOOP("CheckedFile", "der Ordner existiert nicht"));
    case ENOTDIR:
        return Tr(QT_TRANSLATE_NOOP("CheckedFile", "ein Teil des Pfades ist kein Ordner"));
    case EROFS:
        return Tr(QT_TRANSLATE_NOOP("CheckedFile", "der Datenträger ist schreibgeschützt"));
    case ENAMETOOLONG:
        return Tr(QT_TRANSLATE_NOOP("CheckedFile", "der Name ist zu lang"));
    case EIO:
        return Tr(QT_TRANSLATE_NOOP("CheckedFile", "Ein-/Ausgabefehler des Datenträgers"));
    default:
        return QString::fromLocal8Bit(std::strerror(err));
    }
}

CheckedFile::CheckedFile(const QString& path) : FPath(path) {}

CheckedFile::~CheckedFile() {
    Discard();
}

bool CheckedFile::Open() {
    Discard();
    FError.clear();
    const QFileInfo info(FPath);
    if (FPath.isEmpty()) {
        Fail(ENOENT);
        return false;
    }
    if (info.isDir()) {
        Fail(EISDIR);
        return false;
    }
    QByteArray tmpl = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                                        QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
    if (fd < 0) {
        Fail(errno);
        return false;
    }
    FFd = fd;
    FTemp = QFile::decodeName(tmpl);
    ::fchmod(FFd, NewFileMode(QFile::encodeName(FPath)));
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return true;
}

qint64 CheckedFile::readData(char*, qint64) {
    return -1;
}

qint64 CheckedFile::writeData(const char* data, qint64 len) {
    if (FFd < 0) {
        return -1;
    }
    qint64 done = 0;
    while (done < len) {
        const ssize_t n = ::write(FFd, data + done, static_cast<size_t>(len - done));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(errno);
            return -1;
        }
        done += n;
    }
    return done;
}

bool CheckedFile::WriteAll(const QByteArray& data) {
    return FFd >= 0 && write(data) == data.size();
}

bool CheckedFile::Commit() {
    if (FFd < 0) {
        if (FError.isEmpty()) {
            Fail(EBADF);
        }
        return false;
    }
    // Data only counts as written once the disk has it: a full disk may show only here.
    if (::fsync(FFd) != 0) {
        Fail(errno);
        return false;
    }
    const int fd = FFd;
    FFd = -1;
    if (::close(fd) != 0) {
        FFd = -2; // closed, but the temporary file still has to go
        Fail(errno);
        return false;
    }
    if (::rename(QFile::encodeName(FTemp).constData(), QFile::encodeName(FPath).constData()) != 0) {
        FFd = -2;
        Fail(errno);
        return false;
    }
    FTemp.clear();
    QIODevice::close();
    return true;
}

void CheckedFile::Cancel() {
    Discard();
}

void CheckedFile::Fail(int err) {
    FError = Message(FPath, FileErrorReason(err));
    setErrorString(FError);
    Discard();
}

void CheckedFile::Discard() {
    if (FFd >= 0) {
        ::close(FFd);
    }
    FFd = -1;
    if (!FTemp.isEmpty()) {
        ::unlink(QFile::encodeName(FTemp).constData());
        FTemp.clear();
    }
    if (isOpen()) {
        QIODevice::close();
    }
}

bool SaveFile(const QString& path, const QByteArray& data, QString* error) {
    CheckedFile f(path);
    const bool ok = f.Open() && f.WriteAll(data) && f.Commit();
    if (!ok && error) {
        *error = f.Error();
    }
    return ok;
}

bool CheckDestination(const QString& path, QString* error) {
    CheckedFile f(path);
    if (!f.Open()) {
        if (error) {
            *error = f.Error();
        }
        return false;
    }
    f.Cancel();
    return true;
}

} // namespace zud

// The checked writer: a file is there complete or not at all, and a failure says why in German.

#include "QtPrinters.h"

#include "CheckedFile.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zud;

namespace {

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Only the destination may be in the folder: no temporary file is left behind.
QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

TEST(CheckedFile, WritesCompleteFilesAndReplacesOldOnes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.bin"));
    QString error;
    ASSERT_TRUE(SaveFile(path, QByteArray("erste Fassung"), &error)) << error.toStdString();
    ASSERT_TRUE(SaveFile(path, QByteArray(100000, 'x'), &error)) << error.toStdString();
    EXPECT_EQ(Read(path), QByteArray(100000, 'x'));
    EXPECT_EQ(Entries(dir.path()), QStringList{QStringLiteral("a.bin")});
    // An empty file is a legitimate result when there is nothing to write.
    ASSERT_TRUE(SaveFile(dir.filePath(QStringLiteral("leer")), QByteArray(), &error));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("leer"))));
}

TEST(CheckedFile, FailuresNameTheReasonAndLeaveNothing) {
    QTemporaryDir dir;
    QString error;
    // A folder in the way.
    const QString folder = dir.filePath(QStringLiteral("ordner"));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_FALSE(SaveFile(folder, "x", &error));
    EXPECT_EQ(error,
              QStringLiteral("Datei kann nicht geschrieben werden: %1 (ein Ordner dieses Namens ist im Weg)")
                  .arg(folder));
    EXPECT_FALSE(CheckDestination(folder, &error));
    // A folder that does not exist.
    const QString missing = dir.filePath(QStringLiteral("fehlt/a.bin"));
    EXPECT_FALSE(SaveFile(missing, "x", &error));
    EXPECT_TRUE(error.endsWith(QStringLiteral("(der Ordner existiert nicht)"))) << error.toStdString();
    EXPECT_FALSE(CheckDestination(missing, &error));
    // A file where a folder should be.
    ASSERT_TRUE(SaveFile(dir.filePath(QStringLiteral("datei")), "x"));
    EXPECT_FALSE(SaveFile(dir.filePath(QStringLiteral("datei/a.bin")), "x", &error));
    EXPECT_TRUE(error.endsWith(QStringLiteral("(ein Teil des Pfades ist kein Ordner)")))
        << error.toStdString();
    EXPECT_TRUE(CheckDestination(dir.filePath(QStringLiteral("neu.bin")), &error));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("neu.bin"))));
    EXPECT_EQ(Entries(dir.path()), (QStringList{QStringLiteral("datei"), QStringLiteral("ordner")}));
}

TEST(CheckedFile, FullDiskKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.bin"));
    ASSERT_TRUE(SaveFile(path, QByteArray("alt")));
    // A file size limit fails writes as a full disk does.
    QString error;
    bool ok = true, opened = false, committed = true;
    qint64 written = 0;
    CheckedFile streamed(dir.filePath(QStringLiteral("b.bin")));
    test::WithFileSizeLimit(4096, [&] {
        ok = SaveFile(path, QByteArray(100000, 'y'), &error);
        opened = streamed.Open();
        written = streamed.write(QByteArray(100000, 'z'));
        committed = streamed.Commit();
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(error,
              QStringLiteral("Datei kann nicht geschrieben werden: %1 (kein Platz mehr auf dem Datenträger)")
                  .arg(path));
    EXPECT_EQ(Read(path), QByteArray("alt"));
    EXPECT_TRUE(opened);
    EXPECT_EQ(written, -1);
    EXPECT_FALSE(committed);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("b.bin"))));
    EXPECT_EQ(Entries(dir.path()), QStringList{QStringLiteral("a.bin")});
}

TEST(CheckedFile, NoPermission) {
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("gesperrt"));
    ASSERT_TRUE(QDir().mkdir(locked));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                  QFileDevice::ReadOther | QFileDevice::ExeOther));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner | QFileDevice::ExeOther));
    EXPECT_TRUE(test::AsOrdinaryUser([&] {
        QString error;
        const QString target = locked + QStringLiteral("/a.bin");
        return !SaveFile(target, "x", &error) && !CheckDestination(target) &&
               error.endsWith(QStringLiteral("(keine Berechtigung für diesen Ordner)"));
    }));
    EXPECT_TRUE(Entries(locked).isEmpty());
}

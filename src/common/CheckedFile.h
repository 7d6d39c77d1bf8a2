#pragma once

// Every local file the program or zudctl writes goes through here: the file is written to a
// temporary name in its folder, flushed to the disk and renamed over the destination only when
// every byte arrived. A full disk, a missing permission or a folder in the way is a failure with
// a German reason, and leaves neither an empty nor a partial file behind.

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace zud {

class CheckedFile : public QIODevice {
public:
    explicit CheckedFile(const QString& path);
    ~CheckedFile() override; // without Commit the destination stays as it was

    // Creates the temporary file beside the destination. False with Error() set.
    bool Open();
    // Writes everything; false with Error() set (the file is then discarded at once).
    bool WriteAll(const QByteArray& data);
    // Flushes to the disk and puts the file in place. False with Error() set; the destination
    // then keeps what it had before.
    bool Commit();
    // Throws the temporary file away.
    void Cancel();

    const QString& Path() const { return FPath; }
    // "Datei kann nicht geschrieben werden: <path> (<reason>)"; empty while nothing failed.
    const QString& Error() const { return FError; }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxlen) override;
    qint64 writeData(const char* data, qint64 len) override;

private:
    void Fail(int err);
    void Discard();

    QString FPath;
    QString FTemp;
    int FFd = -1;
    QString FError;
};

// Writes a whole file through CheckedFile; false with the German message in *error.
bool SaveFile(const QString& path, const QByteArray& data, QString* error = nullptr);

// Before a long transfer: can a file be put at `path`? Tries it with a temporary file in the
// folder (so missing folders, missing permission, read-only disks and a folder of the same name
// are found before any work is done). False with the German message in *error.
bool CheckDestination(const QString& path, QString* error = nullptr);

// The German words for an errno value of a failed file operation.
QString FileErrorReason(int err);

} // namespace zud

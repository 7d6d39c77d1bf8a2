// The main window's orderly end on SIGTERM, SIGINT and SIGHUP (logout, shutdown, Ctrl+C in the
// terminal), and the live recordings that such an end keeps for the next start.

#include "MainWindow.h"
#include "ProgressWindow.h"
#include "RecordingTabs.h"
#include "TZUD12.h"

#include "CheckedFile.h"
#include "Handshake.h"
#include "Paths.h"
#include "SignalWatcher.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace zud::ui {

QString MainWindow::KeptLiveRecordingPath(const QDateTime& start, int number) {
    return QDir(DataFolder())
        .filePath(QStringLiteral("Neu-%1-%2.hdf")
                      .arg(start.toString(QStringLiteral("yyyyMMdd-HHmmss")))
                      .arg(number));
}

QStringList MainWindow::KeptLiveRecordings() {
    QStringList out;
    const QDir dir(DataFolder());
    for (const QString& name : dir.entryList({QStringLiteral("Neu-*.hdf")}, QDir::Files, QDir::Name))
        out << dir.filePath(name);
    return out;
}

void MainWindow::KeepLiveRecordings() {
    for (int n = 1; n <= FTabs->LiveCount(); ++n) {
        RecordingTabs::LiveRecording& live = *FTabs->LiveByNumber(n);
        if (!FTabs->LiveOpen(n) || !live.file.isEmpty())
            continue;
        QString path;
        for (int k = 1; path.isEmpty() || QFileInfo::exists(path); ++k)
            path = KeptLiveRecordingPath(live.start, k);
        QString error;
        if (SaveFile(path, live.stream, &error))
            live.file = path;
        else if (FDevice)
            FDevice->AddLog(QStringLiteral("Live recording not kept: %1").arg(error));
    }
}

void MainWindow::DiscardLiveFile(int live) {
    RecordingTabs::LiveRecording* r = FTabs->LiveByNumber(live);
    if (r && !r->file.isEmpty()) {
        QFile::remove(r->file);
        r->file.clear();
    }
}

int MainWindow::RestoreKeptLiveRecordings() {
    int restored = 0;
    for (const QString& path : KeptLiveRecordings()) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray stream = f.readAll();
        // "Neu-yyyyMMdd-HHmmss-N.hdf": the start of the recording.
        const QString stamp = QFileInfo(path).completeBaseName().section(QLatin1Char('-'), 1, 2);
        const QDateTime start = QDateTime::fromString(stamp, QStringLiteral("yyyyMMdd-HHmmss"));
        if (stream.size() <= 89 || !start.isValid())
            continue;
        AddLiveRecording(stream, start);
        if (RecordingTabs::LiveRecording* r = FTabs->LiveByNumber(FTabs->LiveCount()))
            r->file = path;
        ++restored;
    }
    return restored;
}

void MainWindow::EndInOrder() {
    if (FEnding)
        return;
    FEnding = true;
    if (FDevice)
        FDevice->AddLog(QStringLiteral("Program ends on signal %1").arg(SignalWatcher::Last()));
    if (StopLiveFeed)
        StopLiveFeed();
    else if (FLive)
        StopLiveAndKeep(); // the running measurement becomes a "*Neu" tab, kept below with the others
    if (FProgress)
        FProgress->RequestCancel();
    FinishEnd();
}

void MainWindow::FinishEnd() {
    // Modal windows are closed as by Escape; their loops unwind before the next step.
    if (QWidget* w = QApplication::activeModalWidget()) {
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
        else
            w->close();
        QTimer::singleShot(20, this, &MainWindow::FinishEnd);
        return;
    }
    // A device command in progress finishes first (the device cannot abort one).
    if (FDevice && FDevice->Pumping()) {
        if (FProgress)
            FProgress->RequestCancel();
        QTimer::singleShot(20, this, &MainWindow::FinishEnd);
        return;
    }
    KeepLiveRecordings();
    if (FDevice && FDevice->ComOpen)
        EndConversation(*FDevice, true);
    if (FDM && FDM->LoggedIn()) {
        try {
            FDM->Db().CommitRetaining();
        } catch (const std::exception& e) {
            if (FDevice)
                FDevice->AddLog(QString::fromUtf8(e.what()));
        }
        FDM->Logout();
    }
    FEnded = true;
    close(); // settings, work folder
    QCoreApplication::exit(0);
}

} // namespace zud::ui

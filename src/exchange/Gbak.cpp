#include "Gbak.h"

#include "PatientDatabase.h"
#include "SignalWatcher.h"
#include "WorkArea.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cerrno>
#include <csignal>
#include <sys/prctl.h>

namespace zud::exchange {

namespace {

// The tool's own lines that say what went wrong (without the usage noise).
QString ToolText(const QByteArray& output) {
    QStringList lines;
    for (const QString& l : QString::fromLocal8Bit(output).split(QLatin1Char('\n'))) {
        const QString t = l.trimmed();
        if (!t.isEmpty()) {
            lines << t;
        }
    }
    // A long listing is cut to its end, where the reason is.
    if (lines.size() > 12) {
        lines = lines.mid(lines.size() - 12);
    }
    return lines.join(QLatin1Char('\n'));
}

// The folder of the file the tool could not write for lack of space, from its own words;
// empty when the failure was something else.
QString NoSpaceFolder(const QString& text, const QString& localFile) {
    // "Done with volume #1, …": the backup file's disk is full and the tool asks for another.
    if (text.contains(QLatin1String("Done with volume"))) {
        return QFileInfo(localFile).absolutePath();
    }
    if (!text.contains(QLatin1String("No space left on device")) &&
        !text.contains(QLatin1String("Disk quota exceeded"))) {
        return {};
    }
    static const QRegularExpression file(QStringLiteral("for file \"([^\"]+)\""));
    const QRegularExpressionMatch m = file.match(text);
    if (m.hasMatch()) {
        // A server names its own path: "server/port:path" is never what it writes.
        return QFileInfo(m.captured(1)).absolutePath();
    }
    return QFileInfo(localFile).absolutePath();
}

// Runs the tool and waits for it, asking the feedback every 100 ms; the password reaches the
// tool through a private file, never on its command line where other users could read it. The
// tool gets no input: where it would ask (a full disk makes it ask for another file name), it
// ends with an error instead of waiting for ever. It dies with this process, and a signal that
// asks the program to end stops it.
void Run(QStringList args, const QString& localFile, const QString& password, const QString& failure,
         const Feedback& fb) {
    const QString tool = GbakPath();
    if (!QFileInfo(tool).isExecutable()) {
        throw DataError(QCoreApplication::translate(
                            "Austausch", "Das Sicherungsprogramm der Datenbank wurde nicht gefunden: %1")
                            .arg(tool));
    }
    // The password file lies in a private folder of its own beside the tool's file (the run's
    // folder), so that it goes with the run and no other instance removes it meanwhile.
    const QString folder = QFileInfo(localFile).absolutePath();
    QTemporaryDir own(QDir(folder).filePath(QStringLiteral("gbak-XXXXXX")));
    QTemporaryFile pw(own.isValid() ? own.filePath(QStringLiteral("pw.XXXXXX"))
                                    : QStringLiteral("/nonexistent/x"));
    if (!own.isValid() || !pw.open() || pw.write(password.toUtf8()) != password.toUtf8().size() ||
        !pw.flush()) {
        const int e = errno;
        throw DataError(IsNoSpace(e)
                            ? NoSpaceText(folder)
                            : QCoreApplication::translate(
                                  "Austausch", "Im Arbeitsordner kann keine Datei angelegt werden: %1")
                                  .arg(folder));
    }
    args << QStringLiteral("-fetch_password") << pw.fileName();
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setStandardInputFile(QProcess::nullDevice());
    p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    if (QCoreApplication::instance()) {
        p.setWorkingDirectory(QCoreApplication::applicationDirPath());
    }
    p.start(tool, args);
    if (!p.waitForStarted(10000)) {
        throw DataError(QStringLiteral("%1\n(%2)").arg(failure, p.errorString()));
    }
    QByteArray output;
    while (!p.waitForFinished(100)) {
        output += p.readAll();
        if (SignalWatcher::Requested() || !fb.Progress(-1, -1)) {
            p.kill();
            p.waitForFinished(5000);
            throw DataError(QCoreApplication::translate("Austausch", "Der Vorgang wurde abgebrochen."));
        }
    }
    output += p.readAll();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        QString text = ToolText(output);
        const QString full = NoSpaceFolder(QString::fromLocal8Bit(output), localFile);
        if (!full.isEmpty()) {
            throw DataError(QStringLiteral("%1\n%2").arg(failure, NoSpaceText(full)));
        }
        if (text.isEmpty()) {
            text = p.exitStatus() == QProcess::NormalExit
                       ? QCoreApplication::translate("Austausch", "gbak endete mit dem Status %1")
                             .arg(p.exitCode())
                       : QCoreApplication::translate("Austausch", "gbak wurde abgebrochen");
        }
        throw DataError(QStringLiteral("%1\n(%2)").arg(failure, text));
    }
}

} // namespace

QString GbakPath() {
    return QStringLiteral("/usr/bin/gbak");
}

void GbakBackup(const QString& database, const QString& backup, const QString& user, const QString& password,
                const Feedback& fb) {
    QFile::remove(backup);
    const QString failure =
        QCoreApplication::translate("Austausch", "Die Datensicherung der Datenbank ist fehlgeschlagen.");
    try {
        Run({QStringLiteral("-b"), QStringLiteral("-t"), QStringLiteral("-user"), user, database, backup},
            backup, password, failure, fb);
    } catch (...) {
        QFile::remove(backup); // what the failed run wrote
        throw;
    }
    // A tool that says it worked but left nothing is no backup.
    if (QFileInfo(backup).size() <= 0) {
        QFile::remove(backup);
        throw DataError(QStringLiteral("%1\n(%2)")
                            .arg(failure, QCoreApplication::translate(
                                              "Austausch", "Die Sicherungsdatei fehlt oder ist leer.")));
    }
}

void GbakRestore(const QString& backup, const QString& database, const QString& user, const QString& password,
                 const Feedback& fb) {
    Run({QStringLiteral("-rep"), QStringLiteral("-user"), user, backup, database}, backup, password,
        QCoreApplication::translate("Austausch", "Die Wiederherstellung der Datenbank ist fehlgeschlagen."),
        fb);
}

} // namespace zud::exchange

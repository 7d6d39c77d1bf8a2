#include "Gbak.h"

#include "Paths.h"
#include "TDM1.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>

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

// Runs the tool and waits for it, asking the feedback every 100 ms; the password reaches the
// tool through a private file, never on its command line where other users could read it.
void Run(QStringList args, const QString& password, const QString& failure, const Feedback& fb) {
    const QString tool = GbakPath();
    if (!QFileInfo(tool).isExecutable()) {
        throw DataError(QCoreApplication::translate(
                            "Austausch", "Das Sicherungsprogramm der Datenbank wurde nicht gefunden: %1")
                            .arg(tool));
    }
    // The password file lies in a folder of its own: every instance of the program shares the
    // work folder and empties its files when it closes, which must not take the file from a
    // backup that another instance (or zudctl) is running.
    const QString folder = WorkFolder();
    QTemporaryDir own(folder.isEmpty() ? QStringLiteral("/nonexistent/x")
                                       : folder + QStringLiteral("gbak-XXXXXX"));
    QTemporaryFile pw(own.isValid() ? own.filePath(QStringLiteral("pw.XXXXXX"))
                                    : QStringLiteral("/nonexistent/x"));
    if (!own.isValid() || !pw.open() || pw.write(password.toUtf8()) != password.toUtf8().size() ||
        !pw.flush()) {
        throw DataError(
            QCoreApplication::translate("Austausch", "Im Arbeitsordner kann keine Datei angelegt werden: %1")
                .arg(folder));
    }
    args << QStringLiteral("-fetch_password") << pw.fileName();
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
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
        if (!fb.Progress(-1, -1)) {
            p.kill();
            p.waitForFinished(5000);
            throw DataError(QCoreApplication::translate("Austausch", "Der Vorgang wurde abgebrochen."));
        }
    }
    output += p.readAll();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        QString text = ToolText(output);
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
    Run({QStringLiteral("-b"), QStringLiteral("-t"), QStringLiteral("-user"), user, database, backup},
        password, failure, fb);
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
    Run({QStringLiteral("-rep"), QStringLiteral("-user"), user, backup, database}, password,
        QCoreApplication::translate("Austausch", "Die Wiederherstellung der Datenbank ist fehlgeschlagen."),
        fb);
}

} // namespace zud::exchange

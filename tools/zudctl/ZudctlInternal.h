#pragma once

#include "DeviceFiles.h"
#include "PatientDatabase.h"

#include <functional>
#include <memory>

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace zud::ctl {

// Wrong usage: exit status 2 with the message and the usage text.
struct UsageError {
    QString message;
};

int ParseInt(const QString& s, int lo, int hi, const QString& what);

// A field of ";"-separated output: quoted as in CSV when it holds ";", a quote or a line break.
QString Csv(const QString& field);

// The commands that work on files and need no device; -1 when `cmd` is none of them.
int RunOffline(const QString& cmd, const QStringList& rest, QTextStream& out, QTextStream& err);

// zudctl csv and render.
int Csv(const QStringList& rest, QTextStream& out, QTextStream& err);
int Render(const QStringList& rest, QTextStream& out, QTextStream& err);

struct DbOptions {
    QString server, port, dir, user, password;
};
// The database the options name, and its password (given, ZUD_DB_PASSWORD, the machine's).
DbLocation Location(const DbOptions& o);
QString Password(const DbOptions& o);
// Logged in; throws db::DbError.
std::unique_ptr<PatientDatabase> OpenDatabase(const DbOptions& o);
// Runs a command on the database: a database or data fault it throws is written to `err` and
// ends it with status 1.
int ReportingDatabaseFaults(QTextStream& err, const std::function<int()>& command);

// zudctl db ...; database failures are thrown as db::DbError or DataError.
int RunDb(const DbOptions& options, const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace zud::ctl
namespace zud {
class TZUD12;
}
namespace zud::ctl {
// zudctl live: handshake, the real-time feed into a recording file, normal screen.
int Live(TZUD12& dev, const QStringList& rest, QTextStream& out, QTextStream& err);
// zudctl statistics and report; -1 when `cmd` is neither.
int RunReports(const QString& cmd, const DbOptions& options, const QStringList& rest, QTextStream& out,
               QTextStream& err);
// zudctl gdt and edf; -1 when `cmd` is neither.
int RunGdt(const QString& cmd, const DbOptions& options, const QStringList& rest, QTextStream& out,
           QTextStream& err);
// zudctl server-setup --system: the practice's database server on Debian's firebird3.0-server.
int RunServerSetup(const QStringList& args, QTextStream& out, QTextStream& err);
// `text` of a Firebird configuration file with `key` set to `value`: the first active line of
// the key is replaced, further active ones are commented out, and without one the setting is
// appended. An empty `value` comments the key out (the server's default applies).
QString SetConfValue(const QString& text, const QString& key, const QString& value);

// Readable forms of the device records.
void PrintPrograms(QTextStream& out, const Programmdatei& d, int sprache);
void PrintSystem(QTextStream& out, const Systemparameter& s);
void PrintPerson(QTextStream& out, const QString& prefix, const Stammdaten& d, int sprache);
void PrintCodes(QTextStream& out, const Codes& c);

// zudctl program-pull, program-push and change-app; -1 when `cmd` is none of them.
struct DeviceOptions {
    QString port; // empty: none given and none stored
    uint32_t baud = 460800;
    QString log;
};
int RunProgramming(const QString& cmd, const QStringList& rest, const DeviceOptions& o, QTextStream& out,
                   QTextStream& err);

} // namespace zud::ctl

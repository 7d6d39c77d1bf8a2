#pragma once

// A small RAII layer over the Firebird client API: one attachment with one read-committed,
// record-version, no-wait transaction that is committed with commit-retaining; statements
// with parameters (never text pasted into SQL), binary blobs both ways, generators.
// Database errors become DbError carrying the server's message and codes.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace zud::db {

class DbError : public std::runtime_error {
public:
    DbError(const QString& message, int sqlcode, long gdscode, std::vector<long> codes = {}, long osError = 0)
        : std::runtime_error(message.toStdString()), FMessage(message), FSqlCode(sqlcode), FGdsCode(gdscode),
          FCodes(std::move(codes)), FOsError(osError) {}
    // The server's own text (English).
    const QString& Message() const { return FMessage; }
    int SqlCode() const { return FSqlCode; }
    long GdsCode() const { return FGdsCode; }
    // Every error code of the status, and the operating system's error number in it (0: none).
    bool Has(long gdscode) const;
    long OsError() const { return FOsError; }
    // The account may not use the role it connected with (or the role is missing).
    bool IsRoleError() const { return FSqlCode == -551 || FGdsCode == 335544352L; }
    // A concurrent change of the same row: with no-wait this fails at once.
    bool IsUpdateConflict() const {
        return FSqlCode == -913 || FGdsCode == 335544336L || FGdsCode == 335545096L || Has(335544451L);
    }
    // The server could not be reached (down, wrong name or port, no route), or the connection to
    // it broke off (the server stopped or was restarted).
    bool IsNetworkError() const;
    // The server of a connection that failed this way ("host" and port; empty for the embedded
    // engine), and whether an open connection broke off rather than a new one was refused.
    const QString& ServerHost() const { return FServerHost; }
    const QString& ServerPort() const { return FServerPort; }
    bool ConnectionLost() const { return FLost; }
    void SetServer(const QString& host, const QString& port, bool lost) {
        FServerHost = host;
        FServerPort = port;
        FLost = lost;
    }
    // A text holds a character that the database's character set cannot store.
    bool IsTransliterationError() const { return Has(335544565L) || Has(335544849L); }

private:
    QString FMessage;
    int FSqlCode;
    long FGdsCode;
    std::vector<long> FCodes;
    long FOsError;
    QString FServerHost;
    QString FServerPort;
    bool FLost = false;
};

// What happened and what to do, in German, with the server's text appended: the common cases
// (database missing, in use by another program, disk full, no permission, not a database or
// damaged, text too long, wrong name or password, server not reachable, a concurrent change).
QString DescribeError(const DbError& e);

// The error of a change that another connection made first: the row was changed after it was
// read (or is being changed right now). The same codes as the server's own update conflict.
DbError ChangedElsewhere(const QString& what);

// One result row: values in column order; NULL is an invalid QVariant. Integers come as
// qint64, texts as QString, timestamps as QDateTime, blobs and texts of character set OCTETS
// as QByteArray.
class Row {
public:
    Row() = default;
    Row(std::shared_ptr<const QStringList> names, QVariantList values)
        : FNames(std::move(names)), FValues(std::move(values)) {}
    // By column name (as the server reports it, upper case); invalid when absent.
    QVariant operator[](const QString& column) const;
    const QVariant& At(int i) const { return FValues[i]; }
    int Size() const { return static_cast<int>(FValues.size()); }
    qint64 Int(const QString& column, qint64 fallback = 0) const;
    QString Text(const QString& column) const { return (*this)[column].toString(); }
    // The column names, shared by every row of one result.
    const std::shared_ptr<const QStringList>& Names() const { return FNames; }

private:
    std::shared_ptr<const QStringList> FNames;
    QVariantList FValues;
};

struct ConnectParams {
    QString database; // "host/port:path" for a server, a plain path for the embedded engine
    QString user;
    QString password;
    QString role; // empty: none
    // The code page of 8-bit text in a database without a character set (NONE): a Firebird
    // character set name such as WIN1252 or WIN1250.
    QString codePage = QStringLiteral("WIN1252");
    // The default character set of a database that Create makes; empty: none (NONE).
    QString createCharset = QStringLiteral("UTF8");
    // Encryption of a server connection ("Required", "Enabled" or "Disabled"): patient data
    // cross the network only encrypted, so the program never settles for a plain connection.
    QString wireCrypt = QStringLiteral("Required");
    // A connection that only reads: its transaction can change nothing.
    bool readOnly = false;
};

// The program's text in a single-byte character set, both ways, exactly: every byte decodes to
// one character and back to the same byte (bytes the code page leaves undefined become the
// control characters of the same number, as Windows reads them).
class CodePage {
public:
    // A Firebird character set name (WIN1250 … WIN1258, ISO8859_1 … ISO8859_15, DOS437, DOS850,
    // DOS852, …); invalid when the name is no single-byte character set known here.
    explicit CodePage(const QString& firebirdName);
    bool IsValid() const { return FValid; }
    const QString& Name() const { return FName; }
    QString Decode(const QByteArray& bytes) const;
    // False, and `bad` set to the first character it cannot hold, when `text` does not fit.
    bool Encode(const QString& text, QByteArray* out, QChar* bad = nullptr) const;

private:
    QString FName;
    bool FValid = false;
    char16_t FToUnicode[256] = {};
    std::vector<std::pair<char16_t, unsigned char>> FFromUnicode; // sorted by character
};

// True when `bytes` is well-formed UTF-8.
bool IsUtf8(const QByteArray& bytes);

class Connection {
public:
    // Attaches to an existing database.
    static std::unique_ptr<Connection> Attach(const ConnectParams& p);
    // Creates a new database (SQL dialect 1, default character set `createCharset`) and attaches.
    static std::unique_ptr<Connection> Create(const ConnectParams& p);

    // The database's default character set as it names it ("UTF8", "WIN1252", "NONE"), and the
    // one this connection talks in: the database's own, or for NONE the code page of the
    // parameters. Texts go in and come out as QString either way.
    const QString& DatabaseCharset() const;
    const QString& ConnectionCharset() const;
    bool Utf8() const;
    // A text in the connection's character set; throws DbError (IsTransliterationError) when a
    // character does not fit.
    QByteArray EncodeText(const QString& text) const;
    QString DecodeText(const QByteArray& bytes) const;
    // 8-bit text in the connection's code page; on a UTF8 connection in the code page of the
    // parameters (bytes that an older program wrote, e.g. remarks taken over as they were).
    QString DecodeEightBit(const QByteArray& bytes) const;
    // Commits and detaches; while an exception unwinds it rolls back instead, so half-done work
    // never lands.
    ~Connection();

    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs a statement with positional parameters ("?"). Returns rows for a select.
    std::vector<Row> Query(const QString& sql, const QVariantList& params = {});
    // Runs a statement that returns no rows; the number of rows it changed. A QByteArray for a
    // text column goes in as it is (character set OCTETS).
    qint64 Exec(const QString& sql, const QVariantList& params = {});
    // The next value of a generator (step 1).
    qint64 NextId(const QString& generator);
    void CommitRetaining();
    void Commit();   // and starts a new transaction
    void Rollback(); // and starts a new transaction
    // Detaches at once (the transaction is committed first). Every later call fails with a
    // DbError.
    void Close();
    bool IsOpen() const;
    // The connection broke off (a network error on it, or a failed Ping): it can do nothing any
    // more; a new one must be attached.
    bool Lost() const;
    // Asks the server whether the connection still stands; false (and Lost()) when it broke off.
    bool Ping();
    // A change since the last commit or rollback: when the connection breaks off now, that work
    // is gone, and a caller must hear so rather than go on with a new connection.
    bool Dirty() const;
    // The error of a connection that broke off, naming its server.
    [[noreturn]] void FailLost() const;

    struct Impl;

private:
    explicit Connection(std::unique_ptr<Impl> impl);
    Impl& Live();
    // Runs a call on the attachment; a network error marks the connection lost and names its
    // server.
    template <typename F> auto Guarded(F&& f) -> decltype(f());
    std::unique_ptr<Impl> FImpl;
    int FUncaught;
};

// The engine's own check of a database's pages, records, blobs and indices, through the
// service manager as the administrator: the full check when no other connection is open (it
// needs the database to itself and changes nothing), else the check that runs beside other
// connections (every table and index, not the engine's own bookkeeping pages).
struct Validation {
    bool online = false;  // run beside other connections
    QStringList findings; // the engine's own lines about errors (English)
    // Its lines about warnings: what an end without shutdown leaves (pages allocated for a
    // change that was never committed), room lost but no data.
    QStringList notes;
    // Tables the check beside other connections could not look at: a connection has changed
    // them in a transaction that is still open.
    QStringList unchecked;
    bool Sound() const { return findings.isEmpty() && unchecked.isEmpty(); }
};
// `service` is "service_mgr" for the embedded engine, "host/port:service_mgr" for a server;
// `database` the file's path as the engine sees it. `pump` is asked between the engine's
// answers; false cancels (a DbError). Throws DbError when the check cannot run.
Validation Validate(const QString& service, const QString& database, const QString& user,
                    const QString& password, const std::function<bool()>& pump = {});

// The embedded engine keeps its lock files in this folder; set before the first database call.
void SetLockFolder(const QString& folder);

// The scope of a call into the database client (every step from the first to the last): errno
// starts at zero, and SIGINT, SIGTERM and SIGHUP wait in the calling thread until the outermost
// such scope of the thread has ended; a signal that came meanwhile arrives then.
// The embedded engine runs in the caller's thread. When it creates one of its shared files in
// the lock folder it repeats the file's status check for as long as errno says "interrupted",
// and a check that succeeds leaves errno alone: a value left by an earlier interrupted wait
// (Ctrl+C during a transfer, then the detach) made it loop for ever. Held back here, no signal
// interrupts a wait of the engine either, and the threads the engine starts inherit the mask.
class ClientCall {
public:
    ClientCall();
    ~ClientCall();
    ClientCall(const ClientCall&) = delete;
    ClientCall& operator=(const ClientCall&) = delete;

    // The caller's own work between two calls of a scope (a callback that runs the event loop):
    // the signals arrive as usual meanwhile, and errno is zero again afterwards.
    class Pause {
    public:
        Pause();
        ~Pause();
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        int FDepth = 0; // the calls under way when it began
    };
};

// How a program that used the database ends: the client's background threads (its timer and
// its signal watcher) are stopped and waited for while the process is still quiet, before the
// library's own exit handlers run.
void EndClient();

} // namespace zud::db

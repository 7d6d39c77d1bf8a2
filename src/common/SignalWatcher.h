#pragma once

// SIGTERM, SIGINT and SIGHUP as ordinary events. The handler only notes the signal and writes
// one byte into a pipe; the program reads it in its event loop (Signalled) or asks between two
// steps of a long command (Requested). Install() must run after the database client is loaded:
// that library sets handlers of its own for SIGINT and SIGTERM which swallow both signals.

#include <QObject>

class QSocketNotifier;

namespace zud {

class SignalWatcher : public QObject {
    Q_OBJECT
public:
    static SignalWatcher& Instance();

    // Takes SIGTERM, SIGINT and SIGHUP (again: whoever set other handlers meanwhile loses them).
    // False when the pipe or a handler could not be set up.
    bool Install();
    // Install() ran in this process.
    bool Installed() const { return FNotifier != nullptr; }
    // A signal arrived since the start or the last Reset(); safe to ask at any time.
    static bool Requested();
    // The last signal that arrived (0: none).
    static int Last();
    static void Reset();

    // Holds the three signals back in this thread while the database client attaches (it sets
    // its own handlers then); at the end of the scope the handlers are ours again and a signal
    // that came meanwhile arrives. Does nothing while Install() has not run.
    class Hold {
    public:
        Hold();
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        bool FActive = false;
    };

signals:
    // Delivered by the event loop, never inside the handler.
    void Signalled(int signal);

private:
    SignalWatcher() = default;
    void Read();
    QSocketNotifier* FNotifier = nullptr;
};

} // namespace zud

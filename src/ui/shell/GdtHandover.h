#pragma once

// One program per user for the practice software: "zud-software --gdt FILE" started while the
// program runs already hands the file's path to the running one over a local socket that only
// this user can reach, and ends. The running program takes the file as it takes the files of
// its exchange folder.

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace zud::ui {

// The socket's name: per user and per settings file, so that two users (or two test runs with
// their own settings) never meet.
QString GdtHandoverName();

// Hands `path` to the running program. True when that program has taken the request on; false
// when none runs or it did not answer in time (the caller then starts normally).
bool HandGdtRequestOver(const QString& path, int timeoutMs = 5000);

// The running program's side: one line "GDT <path, percent-encoded>" per connection, answered
// with "OK"; anything else is refused and the connection closed.
class GdtHandoverServer : public QObject {
    Q_OBJECT
public:
    explicit GdtHandoverServer(QObject* parent = nullptr);
    // Listens on the user's socket; false when another program listens there already.
    bool Listen();
    bool Listening() const { return FServer.isListening(); }

signals:
    // A path handed over by a second start; reported after the answer went out.
    void RequestHandedOver(const QString& path);

private:
    void Accept();
    QLocalServer FServer;
};

} // namespace zud::ui

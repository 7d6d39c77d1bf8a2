#pragma once

// The check for a newer program version: the update server offers the ini text
// "/Download/zud.txt" with the section [VersionCheck], keys Version (a.b.c) and Package (a file
// name below the server's address).

#include <QString>
#include <QtGlobal>

namespace zud {

struct UpdateResult {
    bool available = false; // the server answered with a version
    QString remoteVersion;
    QString downloadUrl;
    bool newer = false; // remote version above the local one
};

// a.b.c -> a * 2^24 + b * 2^16 + c. A part that is not a number sets the sum so far to 0; the
// later parts are still added. Missing parts count 0, parts after the third are ignored.
quint64 VersionNumber(const QString& version);

// Downloads server + "/Download/zud.txt" (plain HTTP, always from the server, never from a cache)
// into workFolder + "zud.ini", reads [VersionCheck] Version and Package and deletes the file.
// downloadUrl = server address with its trailing "/" + Package. A failed request, an HTTP error
// status, a missing or non-numeric Content-Length header, a body of another length, a timeout
// or an empty Version give available = false. Needs a QCoreApplication; runs a local event loop.
UpdateResult CheckForUpdate(const QString& server, const QString& workFolder, const QString& localVersion,
                            int timeoutMs = 10000);

// The value of `key` in `section` of an ini text (names in any case, blanks around the value
// removed); empty when missing.
QString IniValue(const QByteArray& ini, const QString& section, const QString& key);

} // namespace zud

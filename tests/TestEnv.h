#pragma once

#include "Settings.h"

#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zud::test {

// Settings of both scopes and the data folder below a test's own folder.
inline void IsolateProgramFolders(const QTemporaryDir& dir) {
    Settings::RedirectForTests(dir.filePath(QStringLiteral("user")), dir.filePath(QStringLiteral("system")));
    qputenv("ZUD_DATA_DIR", dir.filePath(QStringLiteral("data")).toLocal8Bit());
}

// Runs `work` while files may grow to `bytes` at most: writes beyond fail as on a full disk.
inline void WithFileSizeLimit(rlim_t bytes, const std::function<void()>& work) {
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &small);
    work();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
}

// Runs `check` in a child process as the ordinary user "nobody" (root may open anything) and
// returns its verdict; false when the child could not drop root's rights or crashed.
inline bool AsOrdinaryUser(const std::function<bool()>& check) {
    const pid_t pid = ::fork();
    if (pid < 0) {
        return false;
    }
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(3);
        }
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace zud::test

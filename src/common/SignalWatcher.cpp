#include "SignalWatcher.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

namespace zud {

namespace {

volatile sig_atomic_t gLast = 0;
int gPipe[2] = {-1, -1};

extern "C" void OnSignal(int signal) {
    const int saved = errno;
    gLast = signal;
    const char byte = static_cast<char>(signal);
    // A full pipe already holds a wake-up; nothing else may happen here.
    [[maybe_unused]] const ssize_t n = ::write(gPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

SignalWatcher& SignalWatcher::Instance() {
    static SignalWatcher* watcher = new SignalWatcher; // lives to the end of the process
    return *watcher;
}

bool SignalWatcher::Install() {
    if (gPipe[0] < 0) {
        if (::pipe2(gPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
            gPipe[0] = gPipe[1] = -1;
            return false;
        }
    }
    if (!FNotifier) {
        FNotifier = new QSocketNotifier(gPipe[0], QSocketNotifier::Read, this);
        connect(FNotifier, &QSocketNotifier::activated, this, &SignalWatcher::Read);
    }
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    bool ok = true;
    for (int s : {SIGTERM, SIGINT, SIGHUP}) {
        ok = ::sigaction(s, &sa, nullptr) == 0 && ok;
    }
    return ok;
}

bool SignalWatcher::Requested() {
    return gLast != 0;
}

int SignalWatcher::Last() {
    return gLast;
}

void SignalWatcher::Reset() {
    gLast = 0;
}

namespace {

sigset_t Owned() {
    sigset_t set;
    sigemptyset(&set);
    for (int s : {SIGTERM, SIGINT, SIGHUP}) {
        sigaddset(&set, s);
    }
    return set;
}

} // namespace

SignalWatcher::Hold::Hold() : FActive(Instance().Installed()) {
    if (FActive) {
        const sigset_t set = Owned();
        ::pthread_sigmask(SIG_BLOCK, &set, nullptr);
    }
}

SignalWatcher::Hold::~Hold() {
    if (FActive) {
        Instance().Install();
        const sigset_t set = Owned();
        ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    }
}

void SignalWatcher::Read() {
    char buffer[64];
    int last = 0;
    ssize_t n;
    while ((n = ::read(gPipe[0], buffer, sizeof buffer)) > 0) {
        last = static_cast<unsigned char>(buffer[n - 1]);
    }
    if (last != 0) {
        emit Signalled(last);
    }
}

} // namespace zud

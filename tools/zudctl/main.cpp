#include "Allocator.h"
#include "Database.h"
#include "SignalWatcher.h"
#include "Zudctl.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The command word: the first argument that is neither an option nor an option's value.
bool IstRender(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strncmp(a, "--", 2) == 0) {
            if (std::strcmp(a, "--help") != 0 && std::strcmp(a, "-h") != 0) {
                ++i; // every global option takes a value
            }
            continue;
        }
        return std::strcmp(a, "render") == 0 || std::strcmp(a, "report") == 0;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    zud::KeepFreedBuffersOut();
    // render and report draw with QtGui's fonts; without a display it draws off screen.
    std::unique_ptr<QCoreApplication> app;
    if (IstRender(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setOrganizationName(QStringLiteral("Brelk"));
    QCoreApplication::setApplicationName(QStringLiteral("ZUD"));
    // Ctrl+C, SIGTERM and SIGHUP cancel a long command between two of its steps, as the close
    // box of the progress window does, and the device gets its normal screen back.
    zud::SignalWatcher::Instance().Install();
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const int rc = zud::RunZudctl(args, out, err);
    out.flush();
    err.flush();
    zud::db::EndClient();
    return rc;
}

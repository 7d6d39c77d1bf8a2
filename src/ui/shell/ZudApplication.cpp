#include "ZudApplication.h"

#include "FileDialogs.h"

#include "MessageBox.h"
#include "ScreenTips.h"

#include <exception>

namespace zud::ui {

ZudApplication::ZudApplication(int& argc, char** argv) : QApplication(argc, argv) {
    ScreenTips::Install();
    FileDialogFitter::Install();
}

void ZudApplication::ReportException(const QString& message) {
    if (FLog)
        FLog(message);
    if (FReporting)
        return; // a failure while the box of another is shown is only logged
    FReporting = true;
    Msg::Error(activeWindow(), message);
    FReporting = false;
}

bool ZudApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        // A database error in German with what to do, as everywhere else.
        ReportException(Msg::Describe(e));
    } catch (...) {
        ReportException(QStringLiteral("Unknown exception"));
    }
    return false;
}

} // namespace zud::ui

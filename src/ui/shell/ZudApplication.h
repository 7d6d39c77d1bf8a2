#pragma once

// The application object: an exception that reaches the event loop is appended to the
// protocol log and shown in the error box instead of ending the program.

#include <QApplication>

#include <functional>

namespace zud::ui {

class ZudApplication : public QApplication {
    Q_OBJECT
public:
    ZudApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    // Where the message goes to the protocol log (set once the device object exists).
    void SetLogger(std::function<void(const QString&)> log) { FLog = std::move(log); }
    // Logs and shows one failure; true when it was shown.
    void ReportException(const QString& message);

private:
    std::function<void(const QString&)> FLog;
    bool FReporting = false;
};

} // namespace zud::ui

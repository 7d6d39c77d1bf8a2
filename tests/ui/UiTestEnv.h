#pragma once

// Program folders and settings of the window tests: every test gets fresh per-user and
// machine-wide settings, a data folder and an embedded database folder in its own temporary
// folder.

#include "Settings.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <memory>

namespace zud::test {

inline void WriteMachine(const QString& key, const QString& value) {
    QSettings s(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Brelk"),
                QStringLiteral("ZUD"));
    s.setValue(key, value);
    s.sync();
}

inline void WriteUser(const QString& key, const QString& value) {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brelk"),
                QStringLiteral("ZUD"));
    s.setValue(key, value);
    s.sync();
}

// A new temporary folder with the settings, the data folder and the database folder in it.
inline std::unique_ptr<QTemporaryDir> FreshProgramFolders() {
    auto dir = std::make_unique<QTemporaryDir>();
    if (!dir->isValid())
        return nullptr;
    Settings::RedirectForTests(dir->filePath(QStringLiteral("user")),
                               dir->filePath(QStringLiteral("system")));
    qputenv("ZUD_DATA_DIR", dir->filePath(QStringLiteral("data")).toLocal8Bit());
    WriteMachine(QStringLiteral("SQLDir3"), dir->filePath(QStringLiteral("db")));
    QDir().mkpath(dir->filePath(QStringLiteral("db")));
    return dir;
}

// Looks at the modal window every few milliseconds and hands it to Answer(): the tests' way of
// answering the program's message boxes and dialogs while a command runs.
class ModalWatcher : public QObject {
public:
    explicit ModalWatcher(int intervalMs, QObject* parent = nullptr) : QObject(parent) {
        FTimer.setInterval(intervalMs);
        connect(&FTimer, &QTimer::timeout, this, [this] {
            if (QWidget* w = QApplication::activeModalWidget())
                Answer(w);
        });
        FTimer.start();
    }

protected:
    virtual void Answer(QWidget* w) = 0;

private:
    QTimer FTimer;
};

// The user's click on the button that shows `action` in `window` (its ribbon): a real mouse
// click on the visible, enabled button, as a therapist makes it. False when no such button is
// there (hidden, disabled or missing), so that a test cannot pass by a command nobody can reach.
inline bool ClickButtonOf(QWidget* window, QAction* action) {
    for (QToolButton* b : window->findChildren<QToolButton*>()) {
        if (b->defaultAction() == action && b->isVisibleTo(window) && b->isEnabled()) {
            QTest::mouseClick(b, Qt::LeftButton);
            return true;
        }
    }
    return false;
}

} // namespace zud::test

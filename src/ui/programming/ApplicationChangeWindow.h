#pragma once

// The window "Anwendung wechseln": the device's data, its twelve applications as buttons (the
// active one marked, those the device does not report as unlocked said so), and the switch to
// the chosen one (which deletes every exercise on the device and resets it). The question before
// the switch offers to read the exercises out first: the window then closes and tells the main
// window so (ReadOutRequested), which runs the read-out and opens this window again.

#include "AppChange.h"

#include <QDialog>
#include <QHash>

#include <array>

class QAction;
class QActionGroup;
class QLineEdit;
class QProgressBar;
class QTextEdit;

namespace zud {
class TZUD12;
}

namespace zud::ui {

class Ribbon;

class ApplicationChangeWindow : public QDialog {
    Q_OBJECT
public:
    explicit ApplicationChangeWindow(QWidget* parent = nullptr);

    // The device after the start checks (link open, transfer screen shown).
    void Prepare(TZUD12* dev);
    int Chosen() const { return FChosen; }
    void Choose(int n);
    // "Wechseln": asks, then switches; false when the user said no or asked for the read-out.
    bool Wechseln();
    bool Switched() const { return FSwitched; }
    // The user chose to read the device's exercises out before the switch.
    bool ReadOutRequested() const { return FReadOut; }
    const wf::Anwendungswechsel& Result() const { return FResult; }

    QAction* Action(const QString& name) const { return FActions.value(name); }
    QAction* AppAction(int n) const { return FApps.at(size_t(n - 1)); }
    QLineEdit* NameField() const { return FName; }
    QTextEdit* InfoPane() const { return FInfo; }
    QProgressBar* Bar() const { return FBar; }
    QString LastMessage;
    void RetranslateUi();

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void done(int r) override;

private:
    void AppendLine(const QString& text, bool bold, const QColor& colour, bool italic);
    // The buttons' captions: name, the active one and the not unlocked ones marked.
    void UpdateButtons();

    TZUD12* FDev = nullptr;
    int FChosen = 1;
    bool FSwitched = false;
    bool FReadOut = false;
    wf::Anwendungswechsel FResult;
    Ribbon* FRibbon = nullptr;
    QHash<QString, QAction*> FActions;
    std::array<QAction*, wf::kAnwendungen> FApps{};
    QActionGroup* FGroup = nullptr;
    QLineEdit* FName = nullptr;
    QTextEdit* FInfo = nullptr;
    QProgressBar* FBar = nullptr;
};

} // namespace zud::ui

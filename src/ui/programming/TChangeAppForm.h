#pragma once

// The window "Anwendung wechseln": the device's data, its twelve applications as buttons, and
// the switch to the chosen one (which deletes every exercise and resets the device).

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

class TChangeAppForm : public QDialog {
    Q_OBJECT
public:
    explicit TChangeAppForm(QWidget* parent = nullptr);

    // The device after the start checks (link open, transfer screen shown).
    void Prepare(TZUD12* dev);
    int Chosen() const { return FChosen; }
    void Choose(int n);
    // "Wechseln": asks, then switches; false when the user said no.
    bool Wechseln();
    bool Switched() const { return FSwitched; }
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

    TZUD12* FDev = nullptr;
    int FChosen = 1;
    bool FSwitched = false;
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

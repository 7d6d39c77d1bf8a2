#pragma once

// A modal window with the program's ribbon on top: one tab "Allgemein" with one group, whose
// buttons are the window's commands. The dialogs of patients and recordings are built on it.

#include "Ribbon.h"

#include <QDialog>
#include <QHash>
#include <QVBoxLayout>

namespace zud::ui {

class RibbonDialog : public QDialog {
    Q_OBJECT
public:
    explicit RibbonDialog(const QString& objectName, QWidget* parent = nullptr);

    QAction* Action(const QString& name) const { return FActions.value(name); }
    Ribbon* RibbonBar() const { return FRibbon; }
    // The last message box text (tests read it).
    QString LastMessage;

protected:
    // A command with its button in the group; `large` for the main commands.
    QAction* AddCommand(const QString& name, const QString& icon, bool large = true);
    QVBoxLayout* Body() const { return FBody; }
    RibbonGroup* Group() const { return FGroup; }
    // Tab and group captions, disabled header and tips; call from RetranslateUi.
    void RetranslateRibbon(const QString& groupCaption);
    virtual void RetranslateUi() = 0;
    void changeEvent(QEvent* e) override;
    void Error(const QString& text);
    bool Question(const QString& text);
    bool ConfirmDelete(const QString& text); // "Nein" is the default

private:
    Ribbon* FRibbon = nullptr;
    RibbonGroup* FGroup = nullptr;
    QVBoxLayout* FBody = nullptr;
    QHash<QString, QAction*> FActions;
};

} // namespace zud::ui

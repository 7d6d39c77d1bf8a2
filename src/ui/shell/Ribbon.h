#pragma once

// The ribbon of every window: tabs of captioned groups whose buttons are bound to QActions.
// Enabled state lives on the actions; groups and tabs can be enabled, disabled and hidden as
// a whole. The screen tip of a disabled action starts with the disabled header.

#include <QAction>
#include <QFrame>
#include <QHash>
#include <QIcon>
#include <QString>
#include <QTabWidget>
#include <QToolButton>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class QBoxLayout;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QVBoxLayout;

namespace zud::ui {

// The header of the tip of a disabled command; set once at start and at a language change.
void SetDisabledHeader(const QString& header);
QString DisabledHeader();
// "Dieser Befehl ist deaktiviert." in the current language.
QString DefaultDisabledHeader();
// Why a command is disabled, shown under its caption in the tip while it is; empty: no reason.
void SetDisabledReason(QAction* action, const QString& reason);
// The screen tip of an action as the ribbon shows it.
QString ScreenTip(const QAction* action);
// A command's caption, and its tip: the caption without the mnemonic's '&'.
void SetCommandText(QAction* action, const QString& text);
// The captions and tips of commands of `actions`, by name.
void SetCommandTexts(const QHash<QString, QAction*>& actions,
                     std::initializer_list<std::pair<const char*, QString>> texts);
// After the captions changed: the tip of each command is its caption without the mnemonic's '&'.
void TipsFromCaptions(const QHash<QString, QAction*>& actions);
// A theme icon, or a drawn fallback with the first letter of `fallbackText`.
QIcon ThemeIcon(const QString& name, const QString& fallbackText);

class RibbonButton : public QToolButton {
    Q_OBJECT
public:
    RibbonButton(QAction* action, bool large, QWidget* parent);
    void UpdateTip();
    // Never narrower than its caption: a large button's text stands whole under its icon.
    QSize sizeHint() const override;
    // A large button's caption: long captions of several words on two lines.
    static QString Wrapped(const QString& caption, const QFontMetrics& fm);
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool event(QEvent* e) override;

private:
    void ApplyCaption();
    bool FLarge;
};

class RibbonGroup : public QFrame {
    Q_OBJECT
public:
    RibbonGroup(const QString& caption, QWidget* parent);
    RibbonButton* AddLarge(QAction* action);
    RibbonButton* AddSmall(QAction* action);
    // A large button with a drop-down menu; the action runs on a click of the button.
    RibbonButton* AddDropDown(QAction* action, QMenu* menu);
    QComboBox* AddCombo(const QString& objectName);
    QLineEdit* AddEdit(const QString& objectName);
    // A control of its own (a label, a slider) in the column of small buttons; the group takes it.
    void AddSmallWidget(QWidget* w);
    void AddSeparator();
    // The next small button starts a new column.
    void NewColumn() { FlushSmall(); }
    // Removes everything from position `index` on (buttons, separators, boxes).
    void RemoveFrom(int index);
    int Count() const { return int(FItems.size()); }
    QWidget* Item(int index) const { return FItems.at(size_t(index)); }
    void SetCaption(const QString& caption);
    QString Caption() const;
    // Buttons of this group (for tests and the tips).
    QList<RibbonButton*> Buttons() const;
    // Enables or disables every action of the group.
    void SetActionsEnabled(bool enabled);

private:
    void AddItem(QWidget* w);
    void FlushSmall();
    // The column the next small button goes into (a new one when the last is full).
    QWidget* SmallColumn();
    QHBoxLayout* FRow = nullptr;
    QLabel* FCaption = nullptr;
    QWidget* FSmallColumn = nullptr;
    int FSmallCount = 0;
    std::vector<QWidget*> FItems;
};

class Ribbon : public QTabWidget {
    Q_OBJECT
public:
    explicit Ribbon(QWidget* parent = nullptr);
    QWidget* AddTab(const QString& objectName, const QString& caption);
    RibbonGroup* AddGroup(QWidget* tab, const QString& objectName, const QString& caption);
    RibbonGroup* Group(const QString& objectName) const;
    QWidget* Tab(const QString& objectName) const;
    void SetTabCaption(const QString& objectName, const QString& caption);
    void SetTabVisible(const QString& objectName, bool visible);
    void SetTabEnabled(const QString& objectName, bool enabled);
    // The screen tips follow the header and the current texts of the actions.
    void UpdateTips();
    // Help button at the right end of the tab bar.
    void SetHelpAction(QAction* action);
};

// The top of a window with a ribbon: the window's layout without margins, the ribbon first in it.
Ribbon* PutRibbonOnTop(QWidget* window, QVBoxLayout** layout);

// A command of a window's ribbon: an action named `name` with its theme icon, kept in `actions`,
// added to `window` (so that its shortcut works there) and shown in `group` when one is given.
QAction* AddRibbonCommand(QWidget* window, QHash<QString, QAction*>& actions, const QString& name,
                          const QString& icon, RibbonGroup* group = nullptr, bool large = true);

} // namespace zud::ui

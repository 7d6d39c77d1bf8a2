#pragma once

// The program's file dialogs (save and open, parameter files, backups, exports): Qt's own
// dialog on this desktop, whose detail columns start narrower than their captions and dates.
// Each one is widened to its columns when it is shown.

#include <QObject>
#include <QString>

class QDateTime;
class QFileDialog;
class QWidget;

namespace zud::ui {

// A file's modification time as the dialogs show it: the program's short date with two-digit
// days and months, and the time, in the program's language rather than the machine's.
QString FileDialogDate(const QDateTime& t);
// Makes the dialog's detail list write its dates that way (Qt's own dialog only).
void UseProgramLanguageForDates(QFileDialog* dialog);

// Widens the dialog's detail list so that every column shows its caption and its longest entry
// of the folder as shown, and gives the dialog room for them.
void FitFileDialog(QFileDialog* dialog);

// The save dialog of archives and backups: a name typed without the extension gets `suffix`
// before the dialog checks for an existing file, so that "Praxis" where "Praxis.bak3" exists asks
// before replacing it. Empty when the user cancels.
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                        const QString& suffix);

// Installed on the application: fits every file dialog when it is shown, also those of the
// static QFileDialog functions.
class FileDialogFitter : public QObject {
    Q_OBJECT
public:
    explicit FileDialogFitter(QObject* parent = nullptr) : QObject(parent) {}
    static void Install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace zud::ui

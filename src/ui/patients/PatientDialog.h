#pragma once

// The patient dialog: a new patient (empty, or with values proposed by the read-out) or the
// changes of an existing one. The saved patient becomes the current patient of the caller.

#include "PatientDatabase.h"
#include "RibbonDialog.h"

#include <QDate>
#include <QLineEdit>

class QComboBox;
class QFormLayout;
class QLabel;

namespace zud::ui {

// The birth-date edit: digits, backspace and the date separator only; normalised on leaving,
// light red and cleared when the text is no date.
class DateEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent = nullptr);
    // Parses, writes back the normalised text; false (red, cleared, focus kept) when invalid.
    bool Normalise();
    bool Invalid() const { return FInvalid; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    bool FInvalid = false;
};

class PatientDialog : public RibbonDialog {
    Q_OBJECT
public:
    enum Mode { Edit = 0, New = 1, NewProposed = 2 };
    explicit PatientDialog(QWidget* parent = nullptr);

    // Fills the dialog for a mode; false in mode 0 when the patient is not found.
    bool Prepare(PatientDatabase& dm, Mode mode, qint64 id = -1, const QString& vorname = QString(),
                 const QString& name = QString(), const QDate& geburtstag = QDate());
    // Prepare, then show modally; Accepted after a successful save.
    int Ask(PatientDatabase& dm, Mode mode, qint64 id = -1, const QString& vorname = QString(),
            const QString& name = QString(), const QDate& geburtstag = QDate());
    // The save action; false when nothing was saved (the box was shown, the dialog stays).
    bool Save();
    qint64 SavedId() const { return FSaved; }
    Mode CurrentMode() const { return FMode; }

    QLineEdit* VornameEdit = nullptr;
    QLineEdit* NameEdit = nullptr;
    DateEdit* GeburtsdatumEdit = nullptr;
    QLineEdit* PlzEdit = nullptr;
    QLineEdit* StrasseEdit = nullptr;
    QLineEdit* WohnortEdit = nullptr;
    QLineEdit* TelefonEdit = nullptr;
    QLineEdit* FaxEdit = nullptr;
    QLineEdit* EmailEdit = nullptr;
    QLineEdit* KrankenkasseEdit = nullptr;
    QLineEdit* VNummerEdit = nullptr;
    QLineEdit* NummerEdit = nullptr;
    QLineEdit* GewichtEdit = nullptr;
    QLineEdit* GroesseEdit = nullptr;
    QComboBox* GeschlechtBox = nullptr;

protected:
    void RetranslateUi() override;
    void showEvent(QShowEvent* e) override;

private:
    PatientDatabase* FDM = nullptr;
    Mode FMode = New;
    Patient FLoaded;
    qint64 FSaved = -1;
    QList<QLabel*> FLabels;
};

} // namespace zud::ui

#include "PatientDialog.h"

#include "Database.h"
#include "PatientModels.h"
#include "SplashScreen.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QTimer>

namespace zud::ui {

namespace {
QString DateSeparators() {
    QString seps;
    for (QChar c : ShortDateFormat())
        if (!c.isLetter() && !seps.contains(c))
            seps += c;
    return seps;
}
} // namespace

DateEdit::DateEdit(QWidget* parent) : QLineEdit(parent) {}

void DateEdit::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    const int k = e->key();
    const bool editing = k == Qt::Key_Backspace || k == Qt::Key_Delete || k == Qt::Key_Left ||
                         k == Qt::Key_Right || k == Qt::Key_Home || k == Qt::Key_End || k == Qt::Key_Tab ||
                         k == Qt::Key_Backtab || k == Qt::Key_Return || k == Qt::Key_Enter ||
                         k == Qt::Key_Escape || (e->modifiers() & Qt::ControlModifier);
    if (!editing && !t.isEmpty()) {
        const QChar c = t.at(0);
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && !DateSeparators().contains(c))
            return; // every other key is dropped
    }
    QLineEdit::keyPressEvent(e);
}

bool DateEdit::Normalise() {
    const QDate d = ParseDate(text());
    QPalette pal = palette();
    if (d.isValid()) {
        setText(FormatDate(d));
        pal.setColor(QPalette::Base, Qt::white);
        setPalette(pal);
        FInvalid = false;
        return true;
    }
    pal.setColor(QPalette::Base, QColor(255, 185, 185));
    setPalette(pal);
    clear();
    FInvalid = true;
    return false;
}

void DateEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason)
        return; // another window came up; the user has not left the field
    if (!Normalise())
        QTimer::singleShot(0, this, [this] { setFocus(); });
}

PatientDialog::PatientDialog(QWidget* parent) : RibbonDialog(QStringLiteral("PatientDialog"), parent) {
    connect(AddCommand(QStringLiteral("Zurueck"), QStringLiteral("go-previous")), &QAction::triggered, this,
            &QDialog::reject);
    connect(AddCommand(QStringLiteral("Speichern"), QStringLiteral("document-save")), &QAction::triggered,
            this, [this] {
                if (Save())
                    accept();
            });
    auto* form = new QFormLayout;
    // Room between a caption and its field also where a caption has no colon ("PLZ") and in
    // the longer captions of other languages.
    form->setHorizontalSpacing(14);
    auto add = [&](QWidget* w) {
        auto* l = new QLabel(this);
        l->setBuddy(w);
        FLabels << l;
        form->addRow(l, w);
    };
    auto edit = [&](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        add(e);
        return e;
    };
    VornameEdit = edit("Vorname");
    NameEdit = edit("Name");
    GeburtsdatumEdit = new DateEdit(this);
    GeburtsdatumEdit->setObjectName(QStringLiteral("Geburtsdatum"));
    add(GeburtsdatumEdit);
    PlzEdit = edit("PLZ");
    StrasseEdit = edit("Strasse");
    WohnortEdit = edit("Wohnort");
    TelefonEdit = edit("Telefon");
    FaxEdit = edit("Fax");
    EmailEdit = edit("EMail");
    KrankenkasseEdit = edit("Krankenkasse");
    VNummerEdit = edit("VNummer");
    NummerEdit = edit("Nummer");
    GewichtEdit = edit("Gewicht");
    GroesseEdit = edit("Groesse");
    GeschlechtBox = new QComboBox(this);
    GeschlechtBox->setObjectName(QStringLiteral("Geschlecht"));
    GeschlechtBox->addItems({QString(), QString()});
    add(GeschlechtBox);
    QFont bold = font();
    bold.setBold(true);
    for (int i = 0; i < 3; ++i)
        FLabels[i]->setFont(bold); // the mandatory fields
    Body()->addLayout(form);
    setMinimumWidth(440);
    RetranslateUi();
}

void PatientDialog::RetranslateUi() {
    setWindowTitle(FMode == Edit ? tr("Patient ändern") : tr("Patient hinzufügen"));
    Action(QStringLiteral("Zurueck"))->setText(tr("Zurück"));
    Action(QStringLiteral("Speichern"))->setText(FMode == Edit ? tr("Ändern") : tr("Hinzufügen"));
    const QStringList labels{
        tr("Vorname:"),      tr("Name:"),         tr("Geburtsdatum:"),     tr("PLZ"),
        tr("Straße:"),       tr("Wohnort:"),      tr("Telefon:"),          tr("Fax:"),
        tr("E-Mail:"),       tr("Krankenkasse:"), tr("Versicherten-Nr.:"), tr("Patienten-ID:"),
        tr("Gewicht [kg]:"), tr("Größe [cm]"),    tr("Geschlecht:")};
    for (int i = 0; i < FLabels.size(); ++i)
        FLabels[i]->setText(labels.value(i));
    GeschlechtBox->setItemText(0, tr("weiblich"));
    GeschlechtBox->setItemText(1, tr("männlich"));
    GeburtsdatumEdit->setPlaceholderText(ShortDateFormat().toUpper());
    RetranslateRibbon(tr("Patient"));
}

bool PatientDialog::Prepare(PatientDatabase& dm, Mode mode, qint64 id, const QString& vorname,
                            const QString& name, const QDate& geburtstag) {
    FDM = &dm;
    FMode = mode;
    FSaved = -1;
    FLoaded = Patient{};
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->clear();
    GeschlechtBox->setCurrentIndex(-1);
    if (mode == Edit) {
        const auto p = dm.GetPatient(id);
        if (!p)
            return false;
        FLoaded = *p;
        VornameEdit->setText(p->Vorname);
        NameEdit->setText(p->Name);
        GeburtsdatumEdit->setText(FormatDate(p->Geburtstag));
        PlzEdit->setText(p->Plz);
        StrasseEdit->setText(p->Strasse);
        WohnortEdit->setText(p->Wohnort);
        TelefonEdit->setText(p->Telefon);
        FaxEdit->setText(p->Fax);
        EmailEdit->setText(p->Email);
        KrankenkasseEdit->setText(p->Krankenkasse);
        VNummerEdit->setText(p->VNummer);
        NummerEdit->setText(p->Nummer);
        GewichtEdit->setText(p->Gewicht);
        GroesseEdit->setText(p->Groesse);
        GeschlechtBox->setCurrentIndex(p->Geschlecht < 0 ? -1 : qMin(p->Geschlecht, 1));
    } else {
        if (mode == NewProposed) {
            VornameEdit->setText(vorname);
            NameEdit->setText(name);
        }
        const QDate today = QDate::currentDate();
        GeburtsdatumEdit->setText(FormatDate(
            mode == NewProposed && geburtstag.isValid() && geburtstag != today ? geburtstag : today));
    }
    QPalette pal = GeburtsdatumEdit->palette();
    pal.setColor(QPalette::Base, Qt::white);
    GeburtsdatumEdit->setPalette(pal);
    RetranslateUi();
    return true;
}

int PatientDialog::Ask(PatientDatabase& dm, Mode mode, qint64 id, const QString& vorname, const QString& name,
                       const QDate& geburtstag) {
    if (!Prepare(dm, mode, id, vorname, name, geburtstag))
        return Rejected;
    return exec();
}

void PatientDialog::showEvent(QShowEvent* e) {
    RibbonDialog::showEvent(e);
    VornameEdit->setFocus();
    QTimer::singleShot(0, this, [this] { DumpScreenshot(this, QStringLiteral("patient-dialog")); });
}

bool PatientDialog::Save() {
    if (!FDM)
        return false;
    const QDate geburtstag = ParseDate(GeburtsdatumEdit->text());
    const QString name = NameEdit->text().trimmed();
    const QString vorname = VornameEdit->text().trimmed();
    try {
        if (FMode != Edit && geburtstag.isValid() && FDM->FindPatient(name, vorname, geburtstag)) {
            Error(tr("Fehler: Patient bereits vorhanden!"));
            return false;
        }
        const QString datum = GeburtsdatumEdit->text().trimmed();
        if (name.isEmpty() || vorname.isEmpty() || datum.isEmpty()) {
            Error(tr("Fehler: Die fettgedruckten Felder sind Pflichtfelder!"));
            return false;
        }
        // The birth date says what is wrong with it, and the field is ready for the correction.
        auto wrongDate = [this](const QString& text) {
            Error(text);
            GeburtsdatumEdit->setFocus();
            GeburtsdatumEdit->selectAll();
            return false;
        };
        if (!geburtstag.isValid()) {
            return wrongDate(
                tr("Fehler: „%1“ ist kein gültiges Geburtsdatum. Bitte das Datum so eingeben: %2.")
                    .arg(datum, FormatDate(QDate(1970, 1, 31))));
        }
        // A birth date of today counts as not given: the dialog proposes it for new patients.
        if (geburtstag == QDate::currentDate()) {
            return wrongDate(tr("Fehler: Das Geburtsdatum fehlt: Das heutige Datum gilt als nicht angegeben. "
                                "Bitte das Geburtsdatum des Patienten eingeben."));
        }
        if (geburtstag > QDate::currentDate() || geburtstag < QDate(1900, 1, 1)) {
            return wrongDate(tr("Fehler: Das Geburtsdatum %1 ist nicht möglich: Es muss zwischen dem %2 und "
                                "heute liegen.")
                                 .arg(FormatDate(geburtstag), FormatDate(QDate(1900, 1, 1))));
        }
        Patient p = FMode == Edit ? FLoaded : Patient{};
        p.Vorname = vorname;
        p.Name = name;
        p.Geburtstag = geburtstag;
        p.Plz = PlzEdit->text();
        p.Strasse = StrasseEdit->text();
        p.Wohnort = WohnortEdit->text();
        p.Telefon = TelefonEdit->text();
        p.Fax = FaxEdit->text();
        p.Email = EmailEdit->text();
        p.Krankenkasse = KrankenkasseEdit->text();
        p.VNummer = VNummerEdit->text();
        p.Nummer = NummerEdit->text();
        p.Gewicht = GewichtEdit->text();
        p.Groesse = GroesseEdit->text();
        p.Geschlecht = GeschlechtBox->currentIndex();
        if (FMode == Edit) {
            FDM->UpdatePatient(p);
            FSaved = p.Identifikation;
        } else {
            FSaved = FDM->AddPatient(p);
        }
        return true;
    } catch (const DataError& e) {
        Error(e.Message());
    } catch (const db::DbError& e) {
        Error(db::DescribeError(e));
    }
    return false;
}

} // namespace zud::ui

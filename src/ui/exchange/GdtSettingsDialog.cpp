#include "GdtSettingsDialog.h"

#include "MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zud::ui {

GdtSettingsDialog::GdtSettingsDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("GDT-Einstellungen"));
    auto* form = new QFormLayout;
    FOn = new QCheckBox(tr("Verbindung zur Praxissoftware (GDT) aktiv"), this);
    FOn->setObjectName(QStringLiteral("GdtOn"));
    form->addRow(FOn);

    FFolder = new QLineEdit(this);
    FFolder->setObjectName(QStringLiteral("GdtFolder"));
    auto* browse = new QPushButton(tr("Durchsuchen…"), this);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString d = QFileDialog::getExistingDirectory(this, tr("GDT-Austauschordner"), FFolder->text());
        if (!d.isEmpty())
            FFolder->setText(d);
    });
    auto* row = new QHBoxLayout;
    row->addWidget(FFolder, 1);
    row->addWidget(browse);
    form->addRow(tr("Austauschordner:"), row);

    FOwnId = new QLineEdit(this);
    FOwnId->setObjectName(QStringLiteral("GdtOwnId"));
    FOwnId->setMaxLength(8);
    form->addRow(tr("Eigene GDT-ID:"), FOwnId);
    FPvsId = new QLineEdit(this);
    FPvsId->setObjectName(QStringLiteral("GdtPvsId"));
    FPvsId->setMaxLength(8);
    form->addRow(tr("GDT-ID der Praxissoftware:"), FPvsId);

    FVersion = new QComboBox(this);
    FVersion->setObjectName(QStringLiteral("GdtVersion"));
    FVersion->addItem(QStringLiteral("GDT 2.1"), QStringLiteral("02.10"));
    FVersion->addItem(QStringLiteral("GDT 3.0"), QStringLiteral("03.00"));
    form->addRow(tr("Version:"), FVersion);

    FCharset = new QComboBox(this);
    FCharset->setObjectName(QStringLiteral("GdtCharset"));
    FCharset->addItem(tr("7 Bit (DIN 66003)"), 1);
    FCharset->addItem(tr("IBM CP 437"), 2);
    FCharset->addItem(tr("ISO 8859-15"), 3);
    form->addRow(tr("Zeichensatz:"), FCharset);

    FTestCode = new QLineEdit(this);
    FTestCode->setObjectName(QStringLiteral("GdtTestCode"));
    form->addRow(tr("Untersuchungscode (8402):"), FTestCode);

    FAuto = new QCheckBox(tr("Ergebnisse nach dem Auslesen und nach dem Speichern einer Echtzeitmessung "
                             "automatisch senden"),
                          this);
    FAuto->setObjectName(QStringLiteral("GdtAuto"));
    form->addRow(FAuto);
    FPdf = new QCheckBox(tr("Berichtsseite als PDF mitsenden"), this);
    FPdf->setObjectName(QStringLiteral("GdtPdf"));
    form->addRow(FPdf);
    FNumbered = new QCheckBox(tr("Ergebnisdateien nummerieren (.001, .002, …)"), this);
    FNumbered->setObjectName(QStringLiteral("GdtNumbered"));
    form->addRow(FNumbered);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addWidget(buttons);
}

void GdtSettingsDialog::Load(const GdtSettings& s) {
    FOn->setChecked(s.On);
    FFolder->setText(s.Folder);
    FOwnId->setText(s.OwnId);
    FPvsId->setText(s.PvsId);
    FVersion->setCurrentIndex(s.Version == QLatin1String("03.00") ? 1 : 0);
    FCharset->setCurrentIndex(static_cast<int>(s.Charset) - 1);
    FTestCode->setText(s.TestCode);
    FAuto->setChecked(s.Auto);
    FPdf->setChecked(s.Pdf);
    FNumbered->setChecked(s.Numbered);
}

GdtSettings GdtSettingsDialog::Values() const {
    GdtSettings s;
    s.On = FOn->isChecked();
    s.Folder = FFolder->text().trimmed();
    s.OwnId = FOwnId->text().trimmed();
    s.PvsId = FPvsId->text().trimmed();
    s.Version = FVersion->currentData().toString();
    s.Charset = static_cast<gdt::Zeichensatz>(FCharset->currentData().toInt());
    s.TestCode = FTestCode->text().trimmed();
    s.Auto = FAuto->isChecked();
    s.Pdf = FPdf->isChecked();
    s.Numbered = FNumbered->isChecked();
    return s;
}

void GdtSettingsDialog::accept() {
    // Switched off, the values are kept as they are; switched on, they must work.
    if (FOn->isChecked()) {
        const QString bad = Values().Check();
        if (!bad.isEmpty()) {
            LastMessage = bad;
            Msg::Error(this, bad);
            return;
        }
    }
    QDialog::accept();
}

} // namespace zud::ui

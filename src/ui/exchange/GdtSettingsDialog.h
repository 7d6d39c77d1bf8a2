#pragma once

// "GDT-Einstellungen": the connection to the practice software (on/off, exchange folder, the
// two GDT IDs, version, character set, automatic sending, report PDF, examination code).

#include "GdtSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace zud::ui {

class GdtSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit GdtSettingsDialog(QWidget* parent = nullptr);

    void Load(const GdtSettings& s);
    GdtSettings Values() const;
    // The message of the last refused "OK" (tests read it).
    QString LastMessage;

    void accept() override;

private:
    QCheckBox* FOn;
    QLineEdit* FFolder;
    QLineEdit* FOwnId;
    QLineEdit* FPvsId;
    QComboBox* FVersion;
    QComboBox* FCharset;
    QCheckBox* FAuto;
    QCheckBox* FPdf;
    QCheckBox* FNumbered;
    QLineEdit* FTestCode;
};

} // namespace zud::ui

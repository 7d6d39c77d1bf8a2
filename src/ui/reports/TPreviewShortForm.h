#pragma once

// "Therapie-Zusammenfassung": the one-page therapy summary of a patient, previewed, printed
// or saved as PDF.

#include "Ausgabe.h"
#include "Ribbon.h"

#include <QDialog>
#include <QHash>

namespace zud::ui {

class TPreviewShortForm : public QDialog {
    Q_OBJECT
public:
    explicit TPreviewShortForm(QWidget* parent = nullptr);
    void Prepare(const Patient& patient, const Zusammenfassung& z, int maxProTag);
    QAction* Action(const QString& name) const { return FActions.value(name); }
    Seitenansicht* Page() const { return FPage; }
    bool Print();
    bool Pdf();
    bool Zeichnen(Seitenziel& z);
    QString LastMessage;

protected:
    void changeEvent(QEvent* e) override;

private:
    void RetranslateUi();
    Ribbon* FRibbon = nullptr;
    Seitenansicht* FPage = nullptr;
    QHash<QString, QAction*> FActions;
    Patient FPatient;
    Zusammenfassung FSumme;
    int FMax = 2;
};

} // namespace zud::ui

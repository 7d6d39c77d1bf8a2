#pragma once

// "Therapie-Zusammenfassung": the one-page therapy summary of a patient, previewed, printed
// or saved as PDF.

#include "OutputWindow.h"

namespace zud::ui {

class SummaryWindow : public OutputWindow {
    Q_OBJECT
public:
    explicit SummaryWindow(QWidget* parent = nullptr);
    void Prepare(const Patient& patient, const Zusammenfassung& z, int maxProTag);
    PageView* Page() const { return FPage; }
    bool Zeichnen(Seitenziel& z);

protected:
    bool Seite(Seitenziel& z) override { return Zeichnen(z); }
    QString Titel() const override { return tr("Therapie-Zusammenfassung"); }
    QString PdfTitel() const override { return tr("Therapie-Zusammenfassung als PDF speichern"); }
    void RetranslateUi() override;

private:
    PageView* FPage = nullptr;
    Patient FPatient;
    Zusammenfassung FSumme;
    int FMax = 2;
};

} // namespace zud::ui

#pragma once

// The frame of a window that shows one page for printing: a ribbon tab with "Drucken" and
// "PDF" in the group "Ausgabe" and "Zurück" in "Fenster", and the page below it, drawn by the
// window itself on screen, on paper and in the PDF.

#include "ReportOutput.h"
#include "Ribbon.h"

#include <QDialog>
#include <QHash>

class QVBoxLayout;

namespace zud::ui {

class OutputWindow : public QDialog {
    Q_OBJECT
public:
    QAction* Action(const QString& name) const { return FActions.value(name); }
    bool Print();
    bool Pdf();
    // What the last print or PDF said (empty after success or cancel).
    QString LastMessage;

protected:
    // The ribbon's tab is named `tab`; the window puts its page into Body().
    OutputWindow(const QString& objectName, const QString& tab, QWidget* parent);
    QVBoxLayout* Body() const { return FBody; }
    // Draws the page for the printer or the PDF.
    virtual bool Seite(Seitenziel& z) = 0;
    // The window title, and the caption of the ribbon's tab.
    virtual QString Titel() const = 0;
    virtual QString TabTitel() const { return Titel(); }
    // The title of the PDF save dialog: what is saved.
    virtual QString PdfTitel() const = 0;
    // The texts of the frame; a window with more of its own extends it.
    virtual void RetranslateUi();
    void changeEvent(QEvent* e) override;

private:
    Ribbon* FRibbon = nullptr;
    QVBoxLayout* FBody = nullptr;
    QHash<QString, QAction*> FActions;
    QString FTab;
};

} // namespace zud::ui

#pragma once

// Output of the report windows: PDF through the save dialog and then the system's viewer,
// printing through the print dialog (always landscape), and a page preview widget. The dialogs
// and the viewer are replaceable, so that the windows can be driven without them.

#include "Reports.h"

#include <QWidget>

#include <functional>

class QPrinter;

namespace zud::ui {

struct Berichtsausgabe {
    // The PDF file to write ("PDF-Dateien (*.pdf)"); `titel` says what is saved. Empty when
    // cancelled.
    static std::function<QString(QWidget* parent, const QString& titel)> PdfPfad;
    // Opens a written PDF with the system's viewer.
    static std::function<void(const QString& pfad)> Oeffnen;
    // The print dialog on a landscape printer; false when cancelled.
    static std::function<bool(QPrinter& printer, QWidget* parent)> Druckdialog;
};

// Asks for the file in a dialog titled `titel` (what is saved), writes the pages and opens the
// file. False when cancelled or failed; a failure is shown in German and its text put into
// *meldung.
bool PdfAusgeben(QWidget* parent, const QString& titel, const std::function<bool(Seitenziel&)>& zeichne,
                 QString* meldung = nullptr);
// Asks for the printer and prints the pages. False when cancelled or failed.
bool Drucken(QWidget* parent, const std::function<bool(Seitenziel&)>& zeichne, QString* meldung = nullptr);
// Prints the pages on a printer that is set up already (landscape, whole page).
bool AufDrucker(QPrinter& printer, const std::function<bool(Seitenziel&)>& zeichne);

// Shows one page of A4 landscape, scaled into the widget with a grey margin.
class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);
    // Draws the page of `seite` pixels at `dpi`.
    std::function<void(QPainter&, const QSize& seite, int dpi)> Zeichnen;
    QSize sizeHint() const override { return {900, 640}; }

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace zud::ui

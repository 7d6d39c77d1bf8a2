#include "ReportOutput.h"

#include "MessageBox.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace zud::ui {

std::function<QString(QWidget*, const QString&)> Berichtsausgabe::PdfPfad = [](QWidget* parent,
                                                                               const QString& titel) {
    QFileDialog d(parent, titel);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setNameFilter(QCoreApplication::translate("Berichtsausgabe", "PDF-Dateien (*.pdf)"));
    d.setDefaultSuffix(QStringLiteral("pdf"));
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().front()
                                                                         : QString();
};

std::function<void(const QString&)> Berichtsausgabe::Oeffnen = [](const QString& pfad) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(pfad).absoluteFilePath()));
};

std::function<bool(QPrinter&, QWidget*)> Berichtsausgabe::Druckdialog = [](QPrinter& printer,
                                                                           QWidget* parent) {
    QPrintDialog d(&printer, parent);
    const bool ok = d.exec() == QDialog::Accepted;
    printer.setPageOrientation(QPageLayout::Landscape);
    return ok;
};

bool PdfAusgeben(QWidget* parent, const QString& titel, const std::function<bool(Seitenziel&)>& zeichne,
                 QString* meldung) {
    const QString pfad = Berichtsausgabe::PdfPfad(parent, titel);
    if (pfad.isEmpty()) {
        return false; // cancelled: no output
    }
    QString fehler;
    if (!SchreibePdf(pfad, zeichne, &fehler)) {
        if (meldung) {
            *meldung = fehler;
        }
        Msg::Error(parent, fehler);
        return false;
    }
    Berichtsausgabe::Oeffnen(pfad);
    return true;
}

bool AufDrucker(QPrinter& printer, const std::function<bool(Seitenziel&)>& zeichne) {
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(true);
    QPainter p;
    if (!p.begin(&printer)) {
        return false;
    }
    Seitenziel z;
    z.Painter = &p;
    z.Seite = p.viewport().size();
    z.Dpi = printer.resolution();
    z.NeueSeite = [&printer]() { return printer.newPage(); };
    const bool ok = zeichne(z);
    return p.end() && ok;
}

bool Drucken(QWidget* parent, const std::function<bool(Seitenziel&)>& zeichne, QString* meldung) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!Berichtsausgabe::Druckdialog(printer, parent)) {
        return false;
    }
    if (!AufDrucker(printer, zeichne)) {
        const QString fehler = QCoreApplication::translate(
            "Berichtsausgabe",
            "Der Druck ist fehlgeschlagen. Bitte prüfen Sie den Drucker und versuchen Sie es "
            "noch einmal.");
        if (meldung) {
            *meldung = fehler;
        }
        Msg::Error(parent, fehler);
        return false;
    }
    return true;
}

PageView::PageView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(300, 212);
}

void PageView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x80, 0x80, 0x80));
    // A4 landscape at the screen's resolution, scaled to fit.
    const int dpi = 96;
    const QSize seite(1123, 794);
    const double rand = 12;
    const double s = std::min((width() - 2 * rand) / seite.width(), (height() - 2 * rand) / seite.height());
    if (s <= 0 || !Zeichnen) {
        return;
    }
    const double x = (width() - seite.width() * s) / 2;
    const double y = (height() - seite.height() * s) / 2;
    p.translate(x, y);
    p.scale(s, s);
    p.fillRect(QRect(QPoint(0, 0), seite), Qt::white);
    p.setClipRect(QRect(QPoint(0, 0), seite));
    Zeichnen(p, seite, dpi);
}

} // namespace zud::ui

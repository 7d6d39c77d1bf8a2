// mkdocs INPUT.html OUTPUT.pdf [TITLE]: turns a manual kept as HTML into a PDF of A4 pages with
// page numbers. The file is written through CheckedFile: complete or not at all.

#include "CheckedFile.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

namespace {

// Prints the document page by page with a page number at the foot.
void Render(QTextDocument& doc, QPdfWriter& writer) {
    // Lay out in the writer's resolution, so that point sizes are true on paper.
    doc.documentLayout()->setPaintDevice(&writer);
    QPainter p(&writer);
    const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());
    const qreal footer = writer.resolution() * 0.4;
    doc.setPageSize(QSizeF(page.width(), page.height() - footer));
    const int pages = doc.pageCount();
    QFont footFont = doc.defaultFont();
    footFont.setPointSizeF(9);
    for (int i = 0; i < pages; ++i) {
        if (i > 0) {
            writer.newPage();
        }
        const qreal h = page.height() - footer;
        p.save();
        p.translate(0, -i * h);
        doc.drawContents(&p, QRectF(0, i * h, page.width(), h));
        p.restore();
        p.setFont(footFont);
        p.drawText(QRectF(0, h, page.width(), footer), Qt::AlignCenter,
                   QStringLiteral("%1 / %2").arg(i + 1).arg(pages));
    }
    p.end();
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: mkdocs INPUT.html OUTPUT.pdf [TITLE]\n");
        return 2;
    }
    QFile in(args[1]);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "mkdocs: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QTextDocument doc;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10.5);
    doc.setDefaultFont(font);
    doc.setHtml(QString::fromUtf8(in.readAll()));

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 18, 20, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("ZUD-Software"));
        writer.setTitle(args.size() > 3 ? args[3] : QFileInfo(args[2]).completeBaseName());
        Render(doc, writer);
    }
    QString error;
    if (!zud::SaveFile(args[2], buffer.data(), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

// The data files the build puts into share/zud-software/: electrode pictures and manuals.
#include "Share.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

constexpr qint64 kBitmap = 152154;
constexpr int kCount = 33;

quint32 Le32(const QByteArray& b, int pos) {
    quint32 v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | quint8(b[pos + i]);
    }
    return v;
}

quint16 Le16(const QByteArray& b, int pos) {
    return quint16(quint8(b[pos]) | (quint8(b[pos + 1]) << 8));
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(ElectrodePictures, ThirtyThreeBitmapsPerLanguage) {
    QByteArray german;
    for (const char* name : {"German", "English", "French", "Italian", "Polish"}) {
        const QString path = zud::ShareDir() + "epos." + name;
        const QByteArray file = ReadAll(path);
        ASSERT_EQ(file.size(), kCount * kBitmap) << path.toStdString();
        for (int n = 1; n <= kCount; ++n) {
            const QByteArray bmp = file.mid((n - 1) * kBitmap, kBitmap);
            SCOPED_TRACE(std::string(name) + " picture " + std::to_string(n));
            ASSERT_EQ(bmp.left(2), "BM");
            EXPECT_EQ(Le32(bmp, 2), quint32(kBitmap));
            EXPECT_EQ(Le32(bmp, 6), 0u);
            EXPECT_EQ(Le32(bmp, 10), 54u);
            EXPECT_EQ(Le32(bmp, 14), 40u);
            EXPECT_EQ(Le32(bmp, 18), 260u);
            EXPECT_EQ(Le32(bmp, 22), 195u);
            EXPECT_EQ(Le16(bmp, 26), 1u);
            EXPECT_EQ(Le16(bmp, 28), 24u);
            EXPECT_EQ(Le32(bmp, 30), 0u);
            EXPECT_EQ(Le32(bmp, 34), 152100u);
            const QImage image = QImage::fromData(bmp, "BMP");
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), QSize(260, 195));
            // Bottom-up rows: the label sits at the top, the bottom row is background white.
            EXPECT_EQ(image.pixel(5, 194), qRgb(255, 255, 255));
            if (n > 1) {
                EXPECT_NE(bmp, file.mid((n - 2) * kBitmap, kBitmap)) << "same as its predecessor";
            }
        }
        if (QString(name) == "German") {
            german = file;
        }
        if (QString(name) == "Italian" || QString(name) == "Polish") {
            EXPECT_NE(file, german) << "label not in " << name;
        }
    }
}

TEST(Manual, GermanPdfIsGeneratedWithItsText) {
    const QString pdf = zud::ShareDir() + "pdf/Gebrauchsanweisung ZUD-Software.pdf";
    const QByteArray bytes = ReadAll(pdf);
    ASSERT_TRUE(bytes.startsWith("%PDF-")) << pdf.toStdString();
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    ASSERT_FALSE(tool.isEmpty()) << "pdftotext missing (poppler-utils, scripts/setup)";
    QProcess p;
    p.start(tool, {"-layout", pdf, "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitCode(), 0);
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    for (const char* word : {"Gebrauchsanweisung", "Erster Start", "Anmeldung", "dialout", "zudctl",
                             "Übungen auslesen", "Datensicherung", "Sprache"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word;
    }
    EXPECT_TRUE(text.contains(QRegularExpression("\\b1\\s*/\\s*[2-9]\\b"))) << "no page numbers";
}

TEST(Manual, EnglishPdfIsGenerated) {
    const QByteArray bytes = ReadAll(zud::ShareDir() + "pdf/User manual ZUD-Software.pdf");
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
}

// mkepos OUTDIR: writes the electrode picture files OUTDIR/epos.<English language name>, one per
// program language. Each holds 33 device-independent bitmaps back to back (24 bit, 260 x 195
// pixels, 54-byte header: 152,154 bytes each); picture n starts at (n - 1) * 152,154. The
// drawings are simple body outlines with the electrode position marked and labelled.

#include "CheckedFile.h"
#include "EposImage.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: mkepos OUTDIR\n");
        return 2;
    }
    for (const zud::EposLanguage& lang : zud::EposLanguages()) {
        QString error;
        const QString path = args[1] + QStringLiteral("/epos.") + lang.englishName;
        if (!zud::SaveFile(path, zud::EposFile(lang.positionWord), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    return 0;
}

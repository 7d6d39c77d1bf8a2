#pragma once

// The electrode pictures: drawing and the bitmap layout of the picture files.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace zud {

inline constexpr int kEposWidth = 260;
inline constexpr int kEposHeight = 195;
inline constexpr int kEposHeaderSize = 54;                               // file header 14 + info header 40
inline constexpr int kEposRowSize = kEposWidth * 3;                      // 780: already a multiple of 4
inline constexpr int kEposImageSize = kEposRowSize * kEposHeight;        // 152,100
inline constexpr int kEposBitmapSize = kEposHeaderSize + kEposImageSize; // 152,154
inline constexpr int kEposCount = 33;
static_assert(kEposRowSize % 4 == 0);
static_assert(kEposBitmapSize == 152154);

struct EposLanguage {
    QString englishName;  // names the file: "epos.German"
    QString positionWord; // "Position", "Posizione", "Pozycja"
};
QList<EposLanguage> EposLanguages();

// Picture n (1..33) with the label "<word> n".
QImage DrawEpos(int n, const QString& positionWord);
// A 24-bit bottom-up device-independent bitmap with its 54-byte header.
QByteArray ToBmp(const QImage& image);
// All 33 bitmaps back to back.
QByteArray EposFile(const QString& positionWord);

} // namespace zud

#include "EposImage.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace zud {

namespace {

void Put16(QByteArray& b, int pos, quint16 v) {
    b[pos] = char(v & 0xFF);
    b[pos + 1] = char(v >> 8);
}

void Put32(QByteArray& b, int pos, quint32 v) {
    for (int i = 0; i < 4; ++i) {
        b[pos + i] = char((v >> (8 * i)) & 0xFF);
    }
}

// 33 electrode places on the outline, in the drawing's coordinates: back and lower back, pelvic
// floor, abdomen, thighs, calves, shoulders and arms.
QPointF Place(int n) {
    static const QPointF kPlaces[kEposCount] = {
        {130, 112}, {130, 122}, {130, 132}, {122, 117}, {138, 117}, {122, 127}, {138, 127},
        {130, 142}, {124, 142}, {136, 142}, {130, 100}, {118, 100}, {142, 100}, {130, 88},
        {118, 88},  {142, 88},  {118, 150}, {142, 150}, {118, 162}, {142, 162}, {117, 175},
        {143, 175}, {104, 76},  {156, 76},  {97, 92},   {163, 92},  {92, 108},  {168, 108},
        {130, 70},  {124, 106}, {136, 106}, {126, 156}, {134, 156},
    };
    return kPlaces[(n - 1) % kEposCount];
}

void DrawBody(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(238, 226, 214));
    p.drawEllipse(QPointF(130, 45), 13, 15); // head
    p.drawRect(QRectF(126, 58, 8, 8));       // neck
    QPainterPath torso;
    torso.moveTo(104, 68);
    torso.lineTo(156, 68);
    torso.lineTo(150, 145);
    torso.lineTo(110, 145);
    torso.closeSubpath();
    p.drawPath(torso);
    p.drawPolygon(QPolygonF({{104, 70}, {96, 72}, {86, 125}, {94, 126}, {104, 80}})); // arms
    p.drawPolygon(QPolygonF({{156, 70}, {164, 72}, {174, 125}, {166, 126}, {156, 80}}));
    p.drawPolygon(QPolygonF({{110, 145}, {129, 145}, {125, 190}, {113, 190}})); // legs
    p.drawPolygon(QPolygonF({{131, 145}, {150, 145}, {147, 190}, {135, 190}}));
}

} // namespace

QList<EposLanguage> EposLanguages() {
    return {
        {QStringLiteral("German"), QStringLiteral("Position")},
        {QStringLiteral("English"), QStringLiteral("Position")},
        {QStringLiteral("French"), QStringLiteral("Position")},
        {QStringLiteral("Italian"), QStringLiteral("Posizione")},
        {QStringLiteral("Polish"), QStringLiteral("Pozycja")},
    };
}

QImage DrawEpos(int n, const QString& positionWord) {
    QImage image(kEposWidth, kEposHeight, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawBody(p);

    // The electrode pair at its place, and a leader line to the label.
    const QPointF at = Place(n);
    p.setPen(QPen(QColor(0, 90, 170), 1.5));
    p.drawLine(at, QPointF(at.x() < 130 ? 100 : 160, 20));
    p.setBrush(QColor(0, 120, 215));
    p.setPen(QPen(Qt::black, 1));
    p.drawEllipse(at + QPointF(-4, 0), 3.5, 3.5);
    p.drawEllipse(at + QPointF(4, 0), 3.5, 3.5);

    QFont font = p.font();
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 2, kEposWidth, 20), Qt::AlignHCenter | Qt::AlignTop,
               positionWord + QLatin1Char(' ') + QString::number(n));
    p.end();
    return image;
}

QByteArray ToBmp(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const int rowSize = ((image.width() * 3) + 3) / 4 * 4;
    const int dataSize = rowSize * image.height();
    QByteArray b(kEposHeaderSize + dataSize, '\0');
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, quint32(b.size())); // file size
    Put32(b, 10, kEposHeaderSize);  // offset of the pixels
    Put32(b, 14, 40);               // info header size
    Put32(b, 18, quint32(image.width()));
    Put32(b, 22, quint32(image.height())); // positive: bottom-up rows
    Put16(b, 26, 1);                       // planes
    Put16(b, 28, 24);                      // bits per pixel
    Put32(b, 30, 0);                       // no compression
    Put32(b, 34, quint32(dataSize));
    Put32(b, 38, 2835); // 72 dpi
    Put32(b, 42, 2835);
    for (int y = 0; y < image.height(); ++y) {
        const uchar* src = image.constScanLine(image.height() - 1 - y);
        char* dst = b.data() + kEposHeaderSize + y * rowSize;
        for (int x = 0; x < image.width(); ++x) {
            dst[3 * x] = char(src[3 * x + 2]); // blue, green, red
            dst[3 * x + 1] = char(src[3 * x + 1]);
            dst[3 * x + 2] = char(src[3 * x]);
        }
    }
    return b;
}

QByteArray EposFile(const QString& positionWord) {
    QByteArray all;
    all.reserve(kEposCount * kEposBitmapSize);
    for (int n = 1; n <= kEposCount; ++n) {
        all += ToBmp(DrawEpos(n, positionWord));
    }
    return all;
}

} // namespace zud

#include "ui/windows/svg_pixels_qt.h"

#include <QPainter>
#include <QtEndian>
#include <QSvgRenderer>

namespace tikanda {

QImage svgPixels(QSvgRenderer& svg, QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

QString drawnAheadResource(const QString& svgResource, QSize pixels, int ownSizeScale) {
    QString base = svgResource;
    if (base.endsWith(QLatin1String(".svg"))) base.chop(4);
    if (ownSizeScale > 0) return base + QStringLiteral("@%1x.rgba").arg(ownSizeScale);
    return base + QStringLiteral("-%1x%2.rgba").arg(pixels.width()).arg(pixels.height());
}

namespace {
constexpr qint64 kHeader = 8;
} // namespace

QByteArray drawnAheadBytes(const QImage& image) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    QByteArray bytes(kHeader, Qt::Uninitialized);
    qToLittleEndian<quint32>(quint32(rgba.width()), bytes.data());
    qToLittleEndian<quint32>(quint32(rgba.height()), bytes.data() + 4);
    for (int y = 0; y < rgba.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(rgba.constScanLine(y)), rgba.width() * 4);
    return bytes;
}

QImage drawnAheadImage(const uchar* bytes, qint64 size) {
    if (!bytes || size < kHeader) return {};
    const qint64 width = qFromLittleEndian<quint32>(bytes);
    const qint64 height = qFromLittleEndian<quint32>(bytes + 4);
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096 ||
        size != kHeader + width * height * 4)
        return {};
    const QImage image(bytes + kHeader, int(width), int(height), int(width * 4),
                       QImage::Format_RGBA8888_Premultiplied);
    // Pixels are read as 32-bit words: bytes off that alignment are copied first.
    return reinterpret_cast<quintptr>(bytes + kHeader) % 4 ? image.copy() : image;
}

} // namespace tikanda

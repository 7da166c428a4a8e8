#pragma once

// Drawing an SVG image into pixels: shared by the program and the build step that draws
// the images ahead (tools/draw_images.cpp), so that both give the same pixels.

#include <QImage>
#include <QString>

class QSvgRenderer;

namespace tikanda {

// The SVG drawn antialiased over the whole of a transparent image of `pixels`.
QImage svgPixels(QSvgRenderer& svg, QSize pixels);

// Where the build keeps an image drawn ahead: beside the SVG resource, "NAME@2x.rgba" for
// its own size at twice the pixels ("@1x" once), "NAME-WxH.rgba" for an image of W×H
// pixels drawn to a given size.
QString drawnAheadResource(const QString& svgResource, QSize pixels, int ownSizeScale);

// The stored form of an image drawn ahead: its width and height (32 bits each, little
// endian), then its pixels, premultiplied RGBA bytes row by row. Kept uncompressed in the
// resources, it is shown without decoding (PNG decoding cost more than drawing the SVG).
QByteArray drawnAheadBytes(const QImage& image);
// The image over stored bytes, without a copy; null when the bytes are no such image.
QImage drawnAheadImage(const uchar* bytes, qint64 size);

} // namespace tikanda

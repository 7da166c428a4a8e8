// Draws the program's SVG images ahead, at build time, into raw pixel files at the sizes
// the program shows them, so that start-up reads ready pixels instead of parsing and
// drawing SVG:
//   draw_images OUTDIR IMAGE.svg[=W:H,...] ...
// An image without sizes is drawn at its own size once and twice over (NAME@1x.rgba,
// NAME@2x.rgba), one with sizes at each W×H pixels given (NAME-WxH.rgba). The program
// draws any other size from the SVG.

#include "ui/windows/svg_pixels_qt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: draw_images OUTDIR IMAGE.svg[=W:H,...] ...\n");
        return 2;
    }
    // No application object: the images are shapes only (text would need fonts, and
    // fonts a QGuiApplication).
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const QStringList parts = QString::fromLocal8Bit(argv[i]).split(QLatin1Char('='));
        const QString path = parts.first();
        QSvgRenderer svg(path);
        if (!svg.isValid()) {
            std::fprintf(stderr, "draw_images: %s is no SVG image\n", qPrintable(path));
            return 1;
        }
        QList<QPair<QSize, int>> wanted;
        if (parts.size() == 1) {
            wanted = {{svg.defaultSize(), 1}, {svg.defaultSize() * 2, 2}};
        } else {
            for (const QString& size : parts[1].split(QLatin1Char(','))) {
                const QStringList wh = size.split(QLatin1Char(':'));
                const QSize pixels(wh.value(0).toInt(), wh.value(1).toInt());
                if (pixels.isEmpty()) {
                    std::fprintf(stderr, "draw_images: bad size %s\n", qPrintable(size));
                    return 2;
                }
                wanted.append({pixels, 0});
            }
        }
        for (const auto& [pixels, scale] : wanted) {
            const QString name =
                QFileInfo(tikanda::drawnAheadResource(QFileInfo(path).fileName(), pixels, scale))
                    .fileName();
            QFile file(out.filePath(name));
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(tikanda::drawnAheadBytes(tikanda::svgPixels(svg, pixels))) < 0) {
                std::fprintf(stderr, "draw_images: cannot write %s\n", qPrintable(out.filePath(name)));
                return 1;
            }
        }
    }
    return 0;
}

#include "ui/clock/dial_painter_qt.h"

#include "ui/colours/colour_qt.h"

#include <QPainter>
#include <QPen>
#include <cmath>

namespace tikanda {

namespace {

constexpr double kTwipsPerPixel = 15; // at 96 dpi

// A stroke of odd width in device pixels is sharpest on pixel centres, one of even
// width on pixel boundaries. Twips map to boundaries, so odd widths move by half a
// device pixel. `device` is the number of device pixels per painter unit.
double snapOffset(double penWidth, double device) {
    const long w = std::lround(penWidth * device);
    return w % 2 == 1 ? 0.5 / device : 0.0;
}

void paintLine(QPainter& painter, const form::Control& line, double scale, double device) {
    if (!line.Visible) return;
    // Widths are in pixels at 96 dpi; they grow with the scale like the geometry.
    const double width = line.BorderWidth * kTwipsPerPixel * scale;
    QPen pen(toQColor(line.ForeColor), width);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const double d = snapOffset(width, device);
    painter.drawLine(QPointF(line.X1 * scale + d, line.Y1 * scale + d),
                     QPointF(line.X2 * scale + d, line.Y2 * scale + d));
}

} // namespace

void paintDial(QPainter& painter, const form::FrmTikandaModel& model, double pixelsPerTwip) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Drawn as vectors at the device's resolution, so the dial stays sharp on
    // high-density screens and at any scale.
    const QTransform& t = painter.deviceTransform();
    const double device = std::max(1e-6, std::hypot(t.m11(), t.m12()));

    const form::Control& dial = model.shpCifernik;
    if (dial.Visible) {
        // The outline lies inside the shape's box, as a one-pixel border does.
        const double penWidth = kTwipsPerPixel * pixelsPerTwip;
        const form::Rect& r = dial.place;
        const QRectF box(r.left * pixelsPerTwip, r.top * pixelsPerTwip, r.width * pixelsPerTwip,
                         r.height * pixelsPerTwip);
        const double inset = penWidth / 2;
        painter.setPen(QPen(toQColor(dial.ForeColor), penWidth));
        painter.setBrush(toQColor(dial.BackColor));
        painter.drawEllipse(box.adjusted(inset, inset, -inset, -inset));
    }

    // The second hand goes on top, as on a real clock; the alarm mark lies beneath.
    painter.setBrush(Qt::NoBrush);
    for (const form::Control* line : {&model.linAlarm, &model.linHod, &model.linMin, &model.linSec})
        paintLine(painter, *line, pixelsPerTwip, device);

    painter.restore();
}

} // namespace tikanda

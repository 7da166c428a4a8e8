#include "ui/colours/colour_qt.h"

#include "ui/colours/system_colours.h"

namespace tikanda {

QColor toQColor(form::Colour c) {
    const std::uint32_t rgb = colours::resolve(c);
    return QColor(colours::red(rgb), colours::green(rgb), colours::blue(rgb));
}

form::Colour fromQColor(const QColor& c) {
    const QColor rgb = c.toRgb();
    return colours::bgr(rgb.red(), rgb.green(), rgb.blue());
}

} // namespace tikanda

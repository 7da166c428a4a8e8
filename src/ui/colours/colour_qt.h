#pragma once
// Stored colour values resolved to real colours for drawing.

#include "form/form_model.h"

#include <QColor>

namespace tikanda {

// 0x00BBGGRR as is; a system colour index through the classic desktop scheme.
QColor toQColor(form::Colour c);
// A QColor as 0x00BBGGRR.
form::Colour fromQColor(const QColor& c);

} // namespace tikanda

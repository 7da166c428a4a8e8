#pragma once
// Paints the analog face (dial, hands, alarm mark) of the display panel.

#include "form/form_windows.h"

class QPainter;

namespace tikanda {

// Paints into a painter whose coordinates are the panel's pixels; pixelsPerTwip is
// 1/15 at 96 dpi. Draws only what the model shows (the dial and the visible lines),
// antialiased.
void paintDial(QPainter& painter, const form::FrmTikandaModel& model, double pixelsPerTwip);

} // namespace tikanda

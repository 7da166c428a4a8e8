#include "ui/clock/dial_geometry.h"

#include <cmath>

namespace tikanda::dial {

float hourAngle(double hours, double minutes) {
    return float((hours - 3) * 94.2 / 180 + (minutes - 15) * 3.14 / 1800);
}

float minuteAngle(double minutes) { return float((minutes - 15) * 18.84 / 180); }

float secondAngle(double seconds) { return float((seconds - 15) * 18.84 / 180); }

Point endPoint(float radius, float angle) {
    return {float(radius * std::cos(angle) + kCentreX), float(radius * std::sin(angle) + kCentreY)};
}

} // namespace tikanda::dial

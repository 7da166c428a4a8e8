#include "ui/clock/dial_geometry.h"

#include <cmath>

namespace tikanda::dial {

float hourAngle(double hours, double minutes) {
    return float((hours - 3) * 94.2 / 180 + (minutes - 15) * 3.14 / 1800);
}

float minuteAngle(double minutes) { return float((minutes - 15) * 18.84 / 180); }

float secondAngle(double seconds) { return float((seconds - 15) * 18.84 / 180); }

Point endPoint(float radius, float angle) {
    // Worked out in double precision, stored in single precision.
    const double a = angle;
    return {float(double(radius) * std::cos(a) + kCentreX), float(double(radius) * std::sin(a) + kCentreY)};
}

} // namespace tikanda::dial

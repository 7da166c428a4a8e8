#pragma once
// Angles and end points of the dial's hands, free of drawing. Coordinates are twips
// in the display panel; the centre of every hand is (480, 720), y grows downwards,
// angle 0 points to 3 o'clock and angles grow clockwise. The constants approximate pi
// by 3.14 (94.2 = 30 x 3.14, 18.84 = 6 x 3.14), worked out in double precision and
// rounded to single precision.

namespace tikanda::dial {

constexpr float kCentreX = 480, kCentreY = 720;
constexpr float kHourLength = 240, kMinuteLength = 320, kSecondLength = 400;

struct Point {
    float x, y;
};

float hourAngle(double hours, double minutes);
float minuteAngle(double minutes);
float secondAngle(double seconds);
// The moving end of a stroke of the given radius at the given angle.
Point endPoint(float radius, float angle);

} // namespace tikanda::dial

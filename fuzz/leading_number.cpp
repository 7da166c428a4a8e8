// The fields' number reader, alone and through the field check that runs when the hours
// field is left: whatever was typed, the field ends up holding a number from 0 to 23 and
// the run display a valid time.

#include "entry/leading_number.h"
#include "check.h"
#include "fakes.h"

#include <cmath>
#include <cstdint>
#include <string>

using namespace tikanda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const double v = leadingNumber(text);
    FUZZ_CHECK(!std::isnan(v));
    // Leading blanks are skipped, and a character that cannot continue a number ends it.
    FUZZ_CHECK(leadingNumber(" " + text) == v);
    FUZZ_CHECK(leadingNumber(text + "x") == v);
    const int r = roundHalfEven16(v);
    FUZZ_CHECK(r >= -32768 && r <= 32767);
    if (std::abs(v) < 32000) FUZZ_CHECK(std::abs(r - v) <= 0.5);

    // The hours field: given the text, then left for the minutes field.
    test::Rig rig;
    FrmTikanda& w = rig.w;
    w.SetFocus(w.txtHod);
    w.setText(w.txtHod, text);
    w.SetFocus(w.txtMin);
    const int hours = roundHalfEven16(leadingNumber(w.txtHod.Text));
    FUZZ_CHECK(hours >= 0 && hours <= 23);
    FUZZ_CHECK(timetext::parseTimeOfDay(w.lblStopky.Caption).has_value());

    // The minutes field typed into: a third character keeps the last two and moves on.
    w.SetFocus(w.txtMin);
    w.textEdited(w.txtMin, text);
    w.keyUp(&w.txtMin, 'A', 0);
    w.SetFocus(w.txtSec);
    const int minutes = roundHalfEven16(leadingNumber(w.txtMin.Text));
    FUZZ_CHECK(minutes >= 0 && minutes <= 59);
    FUZZ_CHECK(timetext::parseTimeOfDay(w.lblStopky.Caption).has_value());
    return 0;
}

// Time texts: the time-of-day reader (fields composed by Cas, the run display read back
// at a start) and the run-value reader. Whatever they accept must be in range and read
// back from its own formatted text.

#include "core/time_text.h"
#include "check.h"

#include <cstdint>
#include <cstring>
#include <string>

using namespace tikanda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    if (const auto t = timetext::parseTimeOfDay(text)) {
        FUZZ_CHECK(*t >= 0 && *t < kDay);
        FUZZ_CHECK(timetext::parseTimeOfDay(timetext::format(*t)) == t);
        FUZZ_CHECK(timetext::parseTimeOfDay(timetext::formatClock(int(*t))) == t);
        const std::string hm = timetext::formatHourMinute(*t);
        FUZZ_CHECK(timetext::parseTimeOfDay(hm + ":00") == *t / 60 * 60);
    }

    const auto run = timetext::parseRunValue(text);
    if (run) {
        FUZZ_CHECK(*run >= 0);
        FUZZ_CHECK(timetext::parseRunValue(timetext::format(*run)) == run);
    }
    // Every time of day is a run value too.
    if (timetext::parseTimeOfDay(text)) FUZZ_CHECK(run.has_value());

    // The formatters with any value (a stopwatch or a clock may hold anything).
    if (size >= sizeof(std::int64_t)) {
        std::int64_t v;
        std::memcpy(&v, data, sizeof v);
        const std::string f = timetext::format(v);
        FUZZ_CHECK(f.size() >= 7 && f[f.size() - 3] == ':' && f[f.size() - 6] == ':');
        const std::string c = timetext::formatClock(int(v));
        FUZZ_CHECK(c.size() == 8);
        FUZZ_CHECK(timetext::parseTimeOfDay(c).has_value());
        FUZZ_CHECK(timetext::parseTimeOfDay(timetext::formatHourMinute(v) + ":0").has_value());
    }
    return 0;
}

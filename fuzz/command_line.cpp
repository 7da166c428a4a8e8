// Start-up with any command line: the switches NOMENU, NOSOUND and NOBAR count anywhere,
// in any letter case, and nothing else on the line has an effect.

#include "check.h"
#include "fakes.h"

#include <cstdint>
#include <string>

using namespace tikanda;

namespace {

bool has(const std::string& upper, const char* word) {
    return upper.find(word) != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    std::string upper = line;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');

    test::Rig rig;
    rig.env.cmd = line;
    FrmTikanda& w = rig.w;
    w.Form_Load();

    FUZZ_CHECK(w.Visible && !w.frmSplash.Visible);
    FUZZ_CHECK(w.Caption == "Tikanda 1.3");
    FUZZ_CHECK(w.WorkText == upper);
    FUZZ_CHECK((w.program().SoundMode == -1) == has(upper, "NOSOUND"));
    FUZZ_CHECK(w.mnuZvuk.Enabled == !has(upper, "NOSOUND"));
    FUZZ_CHECK(w.NoBar == has(upper, "NOBAR"));
    FUZZ_CHECK(w.mnuStopky.Visible == !has(upper, "NOMENU"));

    // The same window without switches is the reference for the height.
    static const int plainHeight = [] {
        test::Rig plain;
        plain.w.Form_Load();
        return plain.w.Height;
    }();
    FUZZ_CHECK(w.Height <= plainHeight);
    FUZZ_CHECK((w.Height == plainHeight) == !(has(upper, "NOMENU") || has(upper, "NOBAR")));

    // The window works as usual: a stopwatch runs and stops.
    w.optionChosen(w.optS);
    w.cmdOK_Click();
    rig.tick(3);
    FUZZ_CHECK(w.RunState == 1);
    w.Stopka();
    FUZZ_CHECK(w.RunState == 0);
    return 0;
}

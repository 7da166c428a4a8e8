#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

using namespace std::string_literals;

TEST(AlarmSound, MenuAndToolbarSwitchTheSameStateAndAChosenFileIsOnlyKept) {
    Rig r;
    // After each command (true: the menu item) button, check mark and SoundMode agree.
    for (const auto& [byMenu, on] :
         {std::pair{false, 0}, {true, 1}, {true, 0}, {false, 1}, {false, 0}}) {
        byMenu ? r.w.menuClick(r.w.mnuZvuk) : r.w.toolbarClick("Zvuk");
        EXPECT_EQ(std::make_tuple(r.w.tlbCas.button("Zvuk").Value, r.w.mnuZvuk.Checked,
                                  r.program.SoundMode),
                  std::make_tuple(on, on == 1, on));
    }
    // A cancelled dialog or an empty file name keeps the file; a chosen one is not played.
    r.program.SoundFile = "/opt/tikanda/CILILINK.WAV";
    r.dialogs.files = {std::nullopt, ""s, "/home/eva/zvonek.wav"};
    r.w.SelectSound();
    r.w.SelectSound();
    EXPECT_EQ(r.program.SoundFile, "/opt/tikanda/CILILINK.WAV");
    r.w.menuClick(r.w.mnuWave);
    EXPECT_EQ(r.program.SoundFile, "/home/eva/zvonek.wav");
    EXPECT_TRUE(r.sound.played.empty());
}

} // namespace
} // namespace tikanda::test

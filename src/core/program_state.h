#pragma once
// The program-wide values shared by the main window and the alarm window.

#include <string>

namespace tikanda {

struct ProgramState {
    bool AlarmUp = false;  // the alarm window was opened by the last alarm
    int SoundMode = 1;     // 1 sound on, 0 off, -1 disabled at start-up (NOSOUND)
    std::string SoundFile; // wave file played at the alarm
};

// Virtual-key codes used by the behaviour; the binding maps toolkit keys to these.
namespace vk {
constexpr int Back = 8, Tab = 9, Enter = 13, Shift = 16, Control = 17, Menu = 18, Escape = 27,
              Space = 32, Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46;
constexpr int A = 65, D = 68, I = 73, T = 84, W = 87, Z = 90;
constexpr int F1 = 112, F2 = 113, F3 = 114, F4 = 115, F13 = 124, F14 = 125, F16 = 127, F24 = 135;
} // namespace vk

// Mouse buttons and shift states as handlers receive them.
namespace mouse {
constexpr int Left = 1, Right = 2, Middle = 4;
}
namespace shiftstate {
constexpr int Shift = 1, Ctrl = 2, Alt = 4;
}

} // namespace tikanda

#include "ui/windows/keymap_qt.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace tikanda {

namespace {

int keypadKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return 110; // the decimal key, whatever the locale prints on it
    case Qt::Key_Slash:
        return 111;
    default:
        return 0; // Enter, and with Num Lock off the cursor keys: as elsewhere
    }
}

int namedKey(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 65 + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 48 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Clear:
        return 12;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Select:
        return 41;
    case Qt::Key_Print:
        return 44;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Help:
        return 47;
    case Qt::Key_Super_L:
        return 91;
    case Qt::Key_Super_R:
        return 92;
    case Qt::Key_Menu:
        return 93;
    case Qt::Key_NumLock:
        return 144;
    case Qt::Key_ScrollLock:
        return 145;
    default:
        return 0;
    }
}

// Punctuation by the character of a US keyboard (used when the key's position is unknown).
int punctuationKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return 186;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return 187;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return 188;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return 189;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return 190;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return 191;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
        return 192;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return 219;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return 220;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return 221;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
        return 222;
    default:
        return 0;
    }
}

// X11 keycodes (evdev) of a standard PC keyboard to the code of the key at that place.
int keyAtPosition(quint32 x11Keycode) {
    static const struct {
        unsigned char keycode;
        unsigned char vk;
    } table[] = {
        {9, 27},    {10, 49},   {11, 50},   {12, 51},   {13, 52},   {14, 53},   {15, 54},
        {16, 55},   {17, 56},   {18, 57},   {19, 48},   {20, 189},  {21, 187},  {22, 8},
        {23, 9},    {24, 81},   {25, 87},   {26, 69},   {27, 82},   {28, 84},   {29, 89},
        {30, 85},   {31, 73},   {32, 79},   {33, 80},   {34, 219},  {35, 221},  {36, 13},
        {37, 17},   {38, 65},   {39, 83},   {40, 68},   {41, 70},   {42, 71},   {43, 72},
        {44, 74},   {45, 75},   {46, 76},   {47, 186},  {48, 222},  {49, 192},  {50, 16},
        {51, 220},  {52, 90},   {53, 88},   {54, 67},   {55, 86},   {56, 66},   {57, 78},
        {58, 77},   {59, 188},  {60, 190},  {61, 191},  {62, 16},   {63, 106},  {64, 18},
        {65, 32},   {66, 20},   {67, 112},  {68, 113},  {69, 114},  {70, 115},  {71, 116},
        {72, 117},  {73, 118},  {74, 119},  {75, 120},  {76, 121},  {77, 144},  {78, 145},
        {79, 103},  {80, 104},  {81, 105},  {82, 109},  {83, 100},  {84, 101},  {85, 102},
        {86, 107},  {87, 97},   {88, 98},   {89, 99},   {90, 96},   {91, 110},  {94, 226},
        {95, 122},  {96, 123},  {104, 13},  {105, 17},  {106, 111}, {108, 18},  {110, 36},
        {111, 38},  {112, 33},  {113, 37},  {114, 39},  {115, 35},  {116, 40},  {117, 34},
        {118, 45},  {119, 46},  {191, 124}, {192, 125}, {193, 126}, {194, 127}, {195, 128},
        {196, 129}, {197, 130}, {198, 131}, {199, 132}, {200, 133}, {201, 134}, {202, 135},
    };
    for (const auto& e : table)
        if (e.keycode == x11Keycode) return e.vk;
    return 0;
}

} // namespace

int virtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier)
        if (int vk = keypadKey(qtKey)) return vk;
    if (int vk = namedKey(qtKey)) return vk;
    return punctuationKey(qtKey);
}

int virtualKey(const QKeyEvent& event) {
    const int qtKey = event.key();
    if (event.modifiers() & Qt::KeypadModifier)
        if (int vk = keypadKey(qtKey)) return vk;
    if (int vk = namedKey(qtKey)) return vk;
    // National letters and punctuation: the key's place decides, as it does for the codes
    // of a Windows keyboard layout's number row and punctuation keys.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        if (int vk = keyAtPosition(event.nativeScanCode())) return vk;
    return punctuationKey(qtKey);
}

int shiftState(Qt::KeyboardModifiers modifiers) {
    int s = 0;
    if (modifiers & Qt::ShiftModifier) s |= 1;
    if (modifiers & Qt::ControlModifier) s |= 2;
    if (modifiers & Qt::AltModifier) s |= 4;
    return s;
}

} // namespace tikanda

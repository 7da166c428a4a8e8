#pragma once
// Headless model of the program's windows: every control with the properties the
// behaviour reads and writes. Behaviour writes here, tests read here, and the Qt
// binding renders it. Places are in twips (15 twips = 1 pixel at 96 dpi).

#include <cstdint>
#include <string>
#include <vector>

namespace tikanda::form {

// 0x00BBGGRR, or a system colour index with the top bit set.
using Colour = std::uint32_t;
constexpr Colour kSystemColourFlag = 0x80000000u;
constexpr Colour systemColour(int index) { return kSystemColourFlag | Colour(index); }

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

enum class Kind {
    Label,
    TextBox,
    ComboBox,
    OptionButton,
    CommandButton,
    Frame,
    PictureBox,
    Line,
    Shape,
    SpinButton,
    Toolbar,
};

enum class Align { Left, Right, Center };

struct Control {
    std::string Name; // as in the program, e.g. "lblAlarm(2)"
    Kind kind = Kind::Label;
    Control* Container = nullptr;
    Rect place;
    std::string Caption; // labels, buttons, frames, option buttons
    std::string Text;    // text boxes and the combo box's edit field
    std::string ToolTipText;
    int WhatsThisHelpID = 0;
    int HelpContextID = 0;
    int TabIndex = -1;
    bool TabStop = true;
    bool Enabled = true;
    bool Visible = true;
    Colour ForeColor = systemColour(8);
    Colour BackColor = systemColour(15);
    Align Alignment = Align::Left;
    bool WordWrap = false;
    bool AutoSize = false;
    bool Bold = false;
    bool Border = false;
    std::string Picture; // image key of pictures and backgrounds
    // Text boxes and combo box.
    int MaxLength = 0;
    int SelStart = 0;
    int SelLength = 0;
    std::vector<std::string> Items; // combo box list
    // Option buttons.
    bool Value = false;
    // Spin buttons.
    int Min = 0, Max = 0;
    Control* Buddy = nullptr;
    // Lines (end points in the container's twips) and their look.
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    int BorderWidth = 1;

    // Enabled and visible state follow the container, as in any toolkit.
    bool effectivelyEnabled() const {
        return Enabled && (Container == nullptr || Container->effectivelyEnabled());
    }
    bool effectivelyVisible() const {
        return Visible && (Container == nullptr || Container->effectivelyVisible());
    }
};

struct MenuItem {
    std::string Name;
    std::string Caption; // "-" is a separator line
    MenuItem* Parent = nullptr;
    std::string Shortcut; // "F2", "Ctrl+H", "Ctrl+F1" or empty
    int HelpContextID = 0;
    bool Checked = false;
    bool Enabled = true;
    bool Visible = true;
    std::vector<MenuItem*> Children;
};

enum class ButtonStyle { Push, Check, Separator };

struct ToolButton {
    int Index = 0; // 1..11
    std::string Key;
    ButtonStyle Style = ButtonStyle::Push;
    std::string Image; // image key in the image list
    std::string ToolTipText;
    std::string Description; // the help topic number as text; nothing reads it
    bool Enabled = true;
    bool Visible = true;
    int Value = 0; // toggle buttons: 1 pressed
};

struct Toolbar : Control {
    std::vector<ToolButton> Buttons;
    bool AlignTop = true; // docked to the top edge; NOBAR releases it
    ToolButton& button(const std::string& key);
    const ToolButton& button(const std::string& key) const;
    ToolButton& operator()(int index) { return Buttons.at(std::size_t(index - 1)); }
};

struct WindowModel {
    std::string Caption;
    int WindowState = 0;    // 0 normal, 1 minimised
    Rect place;             // client area in twips (left/top unused: centred on screen)
    bool Visible = false;
    Control* ActiveControl = nullptr;
    int activateRequests = 0; // bumped when the behaviour asks for the keyboard focus
    std::vector<Control*> controls; // every control, in order of creation
    Control* find(const std::string& name) const;
};

// Image keys of the toolbar's image list, in index order.
extern const char* const kToolbarImageKeys[10];

} // namespace tikanda::form

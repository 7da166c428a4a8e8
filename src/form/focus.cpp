#include "form/focus.h"

#include <algorithm>
#include <vector>

namespace tikanda::form {

bool canHoldFocus(const Control& c) {
    return c.effectivelyEnabled() && c.effectivelyVisible();
}

bool canTakeFocus(const Control& c) {
    switch (c.kind) {
    case Kind::TextBox:
    case Kind::ComboBox:
    case Kind::CommandButton:
        break;
    case Kind::OptionButton:
        if (!c.Value) return false;
        break;
    default:
        return false;
    }
    return c.TabStop && c.TabIndex >= 0 && canHoldFocus(c);
}

Control* nextFocus(const WindowModel& w, const Control& from) {
    std::vector<Control*> order;
    for (Control* c : w.controls)
        if (c->TabIndex >= 0) order.push_back(c);
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->TabIndex < b->TabIndex; });
    const auto at = std::find(order.begin(), order.end(), &from);
    const std::size_t start = at == order.end() ? 0 : std::size_t(at - order.begin()) + 1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        Control* c = order[(start + i) % order.size()];
        if (c != &from && canTakeFocus(*c)) return c;
    }
    return nullptr;
}

} // namespace tikanda::form

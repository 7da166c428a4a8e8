#pragma once
// The keyboard focus of a window model. The model is the one truth for the focus: the
// binding moves the toolkit's focus to the model's ActiveControl after every event.

#include "form/form_model.h"

namespace tikanda::form {

// A control can keep the focus while it and its containers are enabled and visible.
bool canHoldFocus(const Control& c);

// A control the focus can move to: one that can hold it, is a tab stop, and is of a kind
// that takes the keyboard (text box, combo box, command button, or the selected option
// button of its group; the others of the group are reached by the arrow keys only).
bool canTakeFocus(const Control& c);

// The control after `from` in tab order, wrapping round, that can take the focus;
// nullptr when none can.
Control* nextFocus(const WindowModel& w, const Control& from);

} // namespace tikanda::form

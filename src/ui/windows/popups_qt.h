#pragma once
// Pop-up menus at the mouse pointer, built from a (hidden) top-level menu of the model.

#include "platform/interfaces.h"

#include <functional>

class QMenu;

namespace tikanda {

class QtPopupMenus : public PopupMenus {
public:
    // beforeShow runs first (the binding brings the screen up to date); onShown, if set,
    // gets the menu once it is open (tests choose an item through it).
    explicit QtPopupMenus(std::function<void()> beforeShow = {});
    form::MenuItem* popup(form::MenuItem& menu, form::MenuItem* defaultItem) override;
    std::function<void(QMenu&)> onShown;

private:
    std::function<void()> m_beforeShow;
};

} // namespace tikanda

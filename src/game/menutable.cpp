// Which section handles each menu number.
#include <array>

#include "content/contentmenus.h"
#include "core/menus.h"
#include "frontend/frontend.h"
#include "reports/gameend.h"

namespace zelvo {

MenuSection menusection(int number) {
    // A number without a section takes no keys yet.
    static const std::array<MenuSection, 17> sections{
        nullptr,      mainmenu,  setupmenu, aboutmenu,     escapemenu,   nullptr,
        nullptr,      nullptr,   nullptr,   nullptr,       lostmenu,     statementmenu,
        knockoutmenu, finalmenu, nullptr,   itemlistsmenu, customaimenu,
    };
    if (number < 0 || number >= static_cast<int>(sections.size())) return nullptr;
    return sections[static_cast<std::size_t>(number)];
}

}  // namespace zelvo

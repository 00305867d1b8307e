// Which section handles each menu number.
#include <array>

#include "core/menus.h"

namespace zelvo {

MenuSection menusection(int number) {
    // Filled in as the menus are built; a number without a section takes no keys.
    static const std::array<MenuSection, 17> sections{};
    if (number < 0 || number >= static_cast<int>(sections.size())) return nullptr;
    return sections[static_cast<std::size_t>(number)];
}

}  // namespace zelvo

// The built-in item list.
#pragma once

#include <array>

namespace zelvo {

struct DefaultItem {
    const char* name;
    int baseprice;
    const char* description;
};

// The 63 built-in items, in ascending order of base price.
const std::array<DefaultItem, 63>& defaultitems();

}  // namespace zelvo

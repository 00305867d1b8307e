// The numbers of the menus, as UI.menu holds them and saves keep them.
#pragma once

namespace zelvo::menu {

constexpr int Main = 1, Setup = 2, About = 3, Escape = 4, Store = 5, Loan = 6, Construction = 7,
              Supplier = 8, Research = 9, Lost = 10, Statement = 11, Knockout = 12, Final = 13,
              Addon = 14, ItemLists = 15, CustomAI = 16;

}  // namespace zelvo::menu

// Every menu of the game, one row each: its number, name, items, wrap, days and section.
#include "game/menutable.h"

#include "core/zelvo.h"
#include "frontend/contentmenus.h"
#include "frontend/frontend.h"
#include "reports/gameend.h"
#include "screens/screens.h"
#include "state/menunumbers.h"
#include "ui/menus.h"

namespace zelvo {

namespace {

int six(const Zelvo&) {
    return 6;
}
int four(const Zelvo&) {
    return 4;
}
int eight(const Zelvo&) {
    return 8;
}
int three(const Zelvo&) {
    return 3;
}
int nine(const Zelvo&) {
    return 9;
}
// Every store's line, then the way back.
int lostitems(const Zelvo& z) {
    return z.s.game.playercount + 1;
}
// The statement's lines, then "Return to game."
int statementitems(const Zelvo& z) {
    return static_cast<int>(z.List2.size()) + 1;
}
// The title line, one place per store, then the way back.
int finalitems(const Zelvo& z) {
    return z.s.game.playercount + 2;
}
// Each known list, then the way back.
int itemlistsitems(const Zelvo& z) {
    return z.s.listcount + 1;
}

constexpr MenuRow kRows[] = {
    // number, name, items, wraps, days pass, enter click, section
    {menu::Main, "Main", six, true, false, true, mainmenu},
    {menu::Setup, "Setup", four, true, false, false, setupmenu},
    {menu::About, "About", eight, true, false, true, aboutmenu},
    {menu::Escape, "Escape", three, true, false, true, escapemenu},
    {menu::Store, "Store", storemenuitems, true, true, true, storemenu},
    {menu::Loan, "Loan", loanmenuitems, true, true, true, loanmenu},
    {menu::Construction, "Construction", constructionmenuitems, true, true, true, constructionmenu},
    {menu::Supplier, "Supplier", suppliermenuitems, true, true, true, suppliermenu},
    {menu::Research, "Research", researchmenuitems, true, true, true, researchmenu},
    {menu::Lost, "Lost", lostitems, true, false, true, lostmenu},
    {menu::Statement, "Monthly statement", statementitems, true, false, true, statementmenu},
    {menu::Knockout, "Knockout", four, true, false, true, knockoutmenu},
    {menu::Final, "Final", finalitems, true, false, true, finalmenu},
    {menu::Addon, "Add-on", addonmenuitems, true, true, true, addonmenu},
    {menu::ItemLists, "Item lists", itemlistsitems, true, false, true, itemlistsmenu},
    {menu::CustomAI, "Custom AI", nine, true, false, true, customaimenu},
};

constexpr MenuTable kTable{kRows, static_cast<int>(sizeof kRows / sizeof kRows[0])};

}  // namespace

const MenuTable& gamemenus() {
    return kTable;
}

bool isingamemenu(int number) {
    const MenuRow* row = kTable.find(number);
    return row && row->dayspass;
}

}  // namespace zelvo

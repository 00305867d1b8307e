// The store's own menus, each one row of the menu table.
#pragma once

namespace zelvo {

struct Zelvo;

// The Store menu: summary, bills, features, loans, staff, wages, construction, the aisles.
void storemenu(Zelvo& z, int KeyCode, int Shift);
int storemenuitems(const Zelvo& z);

// The Loan menu: the six banks' offers, then the way back.
void loanmenu(Zelvo& z, int KeyCode, int Shift);
int loanmenuitems(const Zelvo& z);

// The Construction menu: the three projects, then the way back.
void constructionmenu(Zelvo& z, int KeyCode, int Shift);
int constructionmenuitems(const Zelvo& z);

// The Research menu: check-out and credit reports, one item per rival, the price advice.
void researchmenu(Zelvo& z, int KeyCode, int Shift);
int researchmenuitems(const Zelvo& z);

// The Add-on menu: the 19 extra store features, then the way back.
void addonmenu(Zelvo& z, int KeyCode, int Shift);
int addonmenuitems(const Zelvo& z);

// The Supplier menu: the warehouse's offers for one aisle, then the way back.
void suppliermenu(Zelvo& z, int KeyCode, int Shift);
int suppliermenuitems(const Zelvo& z);

}  // namespace zelvo

// The store's own menus, each one row of the menu table.
#pragma once

namespace zelvo {

struct Zelvo;

// The Store menu: summary, bills, features, loans, staff, wages, construction, the aisles.
void storemenu(Zelvo& z, int KeyCode, int Shift);
int storemenuitems(const Zelvo& z);

// The Supplier menu: the warehouse's offers for one aisle, then the way back.
void suppliermenu(Zelvo& z, int KeyCode, int Shift);
int suppliermenuitems(const Zelvo& z);

}  // namespace zelvo

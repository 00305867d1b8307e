// The shared warehouse: unit prices, and the stock that moves after every purchase.
#pragma once

namespace zelvo {

struct Zelvo;

constexpr int kCarriedItems = 28;
// How much each unit bought raises the item's price factor.
constexpr double kPlayerPriceRise = 0.002;
constexpr double kComputerPriceRise = 0.01;

// The price of one unit when `quantity` units are bought, unrounded: the item's price factor
// times 0.8 of its base price, less the bulk discount.
double unitcost(const Zelvo& z, int item, double quantity);
// The same, rounded to cents, as the player pays it.
double warehouseprice(const Zelvo& z, int item, double quantity);
// Moves stock after `quantity` units of `item` were taken from the warehouse.
void spread(Zelvo& z, int quantity, int item);
// The purchase every buyer makes: take the units, spread, raise the item's price factor by
// `pricerise` a unit. The caller has already kept the quantity within the item's stock.
void buyfromwarehouse(Zelvo& z, int item, int quantity, double pricerise);
// Marks 28 distinct items as carried, as at a new game.
void choosecarrieditems(Zelvo& z);

}  // namespace zelvo

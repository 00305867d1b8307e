// The Store menu's items beyond its first three, and what the store's screens share.
#pragma once

#include <string>

namespace zelvo {

struct Zelvo;

// The positions of the Store menu's items for L live loans: the loans entry, the loans
// themselves, staff, wages, construction, then one item per aisle.
namespace storepos {
constexpr int Summary = 1, Bills = 2, Features = 3, LoansEntry = 4;
inline int employees(int loans) {
    return 5 + loans;
}
inline int wages(int loans) {
    return 6 + loans;
}
inline int construction(int loans) {
    return 7 + loans;
}
inline int aisle(int loans, int n) {
    return 7 + loans + n;
}
}  // namespace storepos

// Enters one of the store's sub-screens with its words, once that screen takes keys; false
// (and nothing done) until then, and the item speaks its report instead.
bool entersubscreen(Zelvo& z, int number, const char* words);
// Back to the Store menu at `position`: the store's name, the previous sound, the item.
void returntostore(Zelvo& z, int position);
// The last item of a store's sub-screen: Enter goes back to the Store menu at `position`,
// any other key names the item.
void previousmenu(Zelvo& z, int KeyCode, int position);
// +1 for either plus key, -1 for either minus key, 0 for any other key.
int plusminus(int KeyCode);
// The refusal of a purchase the store's cash does not cover, with the error sound.
void cannotafford(Zelvo& z);
// Pays the market research team `price` for a report asked for with `key`; false, having
// said why, when the cash does not cover it or Shift has not confirmed a price above nothing
// (the confirmation names what the money is spent `on`).
bool payforreport(Zelvo& z, int Shift, double price, const std::string& key, const std::string& on);
// The paid market research report on `item` (Backspace on an aisle or an offer).
void itemresearch(Zelvo& z, int item, int Shift);

void loansentry(Zelvo& z, int KeyCode, int Shift);
void loanitem(Zelvo& z, int record, int KeyCode, int Shift);
void constructionentry(Zelvo& z, int KeyCode, int Shift);
void employeesitem(Zelvo& z, int KeyCode, int Shift);
void wagesitem(Zelvo& z, int KeyCode, int Shift);
void aisleitem(Zelvo& z, int n, int KeyCode, int Shift);

}  // namespace zelvo

// The ten steps of a computer store's daily turn, in the order the turn takes them.
#pragma once

namespace zelvo {

struct Zelvo;

// Stocking and pricing.
void upgradeaisles(Zelvo& z, int s);
void buildaisles(Zelvo& z, int s);
void restock(Zelvo& z, int s);
void cutprices(Zelvo& z, int s);

// Finances and growth.
void adjustwage(Zelvo& z, int s);
void setstafftarget(Zelvo& z, int s);
void borrow(Zelvo& z, int s);
void payextraonloan(Zelvo& z, int s);
void buybenefit(Zelvo& z, int s);
void buycustomerfeature(Zelvo& z, int s);

// The odds number of a feature step: a store buys when a draw of 1 to it comes up 1.
int featureodds(const Zelvo& z, int s, bool customers);

// The store's net position, as it judges whether to borrow.
double netposition(const Zelvo& z, int s);

}  // namespace zelvo

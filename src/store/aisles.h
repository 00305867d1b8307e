// A store's aisles and their growth: what they hold, and the construction table.
#pragma once

#include <span>

namespace zelvo {

struct Zelvo;

constexpr int kMostAisles = 10;  // a store never grows beyond 10 aisles

// The units a store's aisles can hold.
int totalcapacity(const Zelvo& z, int store);

// One construction project: k new aisles for a price, built in about `days` days, raising
// the monthly bills by base + peraisle x (aisles before the project).
struct Project {
    int aisles;
    double price;
    int days;
    double billsbase;
    double billsperaisle;
};
// The projects, in the order of the Construction menu.
std::span<const Project> constructionprojects();

// What a construction project came to.
enum class BuildOutcome { Done, TooBig, CannotAfford };
// Builds project n (1 to 3) onto store p: the price from its cash, its bills raised, the new
// aisles set up under construction.
BuildOutcome build(Zelvo& z, int p, int n);

}  // namespace zelvo

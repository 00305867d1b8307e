// A store's staff: how many workers it aims for, what it pays them, how rivals pay theirs.
#pragma once

namespace zelvo {

struct Store;
struct Zelvo;

constexpr double kLowestWage = 7.25;  // the legal floor of the hourly wage
constexpr int kWeekHours = 40;
constexpr int kFewestWanted = 1, kMostWanted = 100;

// Moves the number of workers the managers aim for by `step`, kept within 1 to 100.
void changewantedstaff(Store& store, int step);
// Moves the hourly wage by `step`: to cents, never above what a saved game holds, then never
// below the legal floor nor below the union's minimum.
void changewage(Store& store, double step);
// What the store's workers cost in a week at their wage.
double weeklywages(const Store& store);
// Workers with a union have a minimum wage above 0.
bool unionized(const Store& store);

// How store p's wage compares: the best-paying store (the lowest slot wins a tie; p takes
// part) and the number of other stores paying strictly more than p.
struct WageSurvey {
    int bestslot;
    double bestwage;
    int higher;
};
WageSurvey surveywages(const Zelvo& z, int p);

}  // namespace zelvo

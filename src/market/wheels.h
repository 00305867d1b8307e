// Each item's hidden value: five demand wheels, their daily turn and the research estimate.
#pragma once

namespace zelvo {

struct Zelvo;

// The value a customer puts on one unit today, in whole dollars (may be 0 or negative).
int readwheel(const Zelvo& z, int item);
// What the research team sees: four wheels averaged over four, at least 0.25.
double estimatevalue(const Zelvo& z, int item);
// The same four-wheel estimate without the floor, as the computer stores use it.
double estimatefourwheels(const Zelvo& z, int item);
// The general price advice's estimate: one wheel left out at random (one draw), the other
// four averaged, truncated toward zero; it may use wheel 4 and has no floor.
double adviceestimate(Zelvo& z, int item);
// The item's daily turn: one wheel moves 10 degrees.
void spinwheel(Zelvo& z, int item);
// Draws the item's five wheels for a new game, three draws a wheel.
void initwheels(Zelvo& z, int item);

}  // namespace zelvo

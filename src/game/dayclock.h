// The day clock, the pause toggle and waits.
#pragma once

namespace zelvo {

struct Zelvo;

constexpr int kDayPeriodMs = 750;
constexpr int kDebugDayPeriodMs = 10;

// One firing of the day clock.
void Timer1_Timer(Zelvo& z);
// Space: pauses a running game or resumes a paused one.
void pausetoggle(Zelvo& z);
// Pauses the game: the clock stops until Space starts it again.
void pausegame(Zelvo& z);
// Waits while the window keeps handling events.
void hold(Zelvo& z, double seconds);
// True while one of the menus during which days pass is open.
bool isingamemenu(int menu);

}  // namespace zelvo

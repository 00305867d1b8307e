// The day clock and the pause toggle.
#pragma once

namespace zelvo {

struct Zelvo;

constexpr int kDayPeriodMs = 750;
constexpr int kDebugDayPeriodMs = 10;

// One firing of the day clock.
void Timer1_Timer(Zelvo& z);
// Space: pauses a running game or resumes a paused one.
void pausetoggle(Zelvo& z);

}  // namespace zelvo

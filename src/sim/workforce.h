// The shared pool of workers: layoffs, hiring, luring, wages and unions.
#pragma once

namespace zelvo {

struct Zelvo;

// Layoffs, the free pool and the hiring passes of the day.
void moveworkers(Zelvo& z);
// Pays every store's workers for 40 hours.
void payroll(Zelvo& z);
// Union raises and union formation for every active store.
void unions(Zelvo& z);
// Hiring chances a day at a wage: Fix(10 x wage^1.1).
int hiringchances(double wage);

}  // namespace zelvo

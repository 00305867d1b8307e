// Monthly bills and loan payments, all or nothing, with lateness and credit.
#pragma once

namespace zelvo {

struct Zelvo;

// Day 30: every active store's bills, months behind included.
void paybills(Zelvo& z);
// Every loan whose payment falls due today.
void payloans(Zelvo& z);

}  // namespace zelvo

// The month's financial statement and the yearly tax.
#pragma once

#include <string>
#include <vector>

namespace zelvo {

struct Zelvo;

// December: every active store pays 20 percent of its cash.
void yearlytax(Zelvo& z);
// The lines of this month's statement.
std::vector<std::string> statementlines(Zelvo& z);
// Pauses the game, builds and saves the statement, and opens the Monthly statement menu (or,
// after the last December, the Final menu).
void monthlystatement(Zelvo& z);

}  // namespace zelvo

// The monthly statement: every store's standing, where the player's money went, and how each
// item sold. Read in the Monthly statement menu and kept in a text file.
#include "reports/statement.h"

#include <cmath>

#include "core/diagnostics.h"
#include "core/numbers.h"
#include "core/waits.h"
#include "core/zelvo.h"
#include "finance/loans.h"
#include "persist/textfile.h"
#include "reports/gameend.h"
#include "sound/sound.h"
#include "sound/sounds.h"
#include "speech/money.h"
#include "state/menunumbers.h"
#include "ui/menus.h"

namespace zelvo {

namespace {

std::string titleline(const GameState& s, const std::string& month, int year) {
    const std::string y = std::to_string(year);
    switch (s.calendar.month) {
    case 3:
        return "First quarterly financial statement of " + y + ".";
    case 6:
        return "Second quarterly financial statement of " + y + ".";
    case 9:
        return "Third quarterly financial statement of " + y + ".";
    case 12:
        return "End of year financial statement for " + y + "(year " +
               std::to_string(s.calendar.year) +
               ").  All players have been charged taxes equal to 20% of their current funds.";
    default:
        return "Monthly financial statement for " + month + ", " + y + ".  A file named " + month +
               " " + y +
               " statement.txt has been created to let you view this information more "
               "easily.";
    }
}

std::string storeline(const Zelvo& z, int p) {
    const GameState& s = z.s;
    const Store& store = s.store[p];
    if (store.active != 1) return store.storename + " is bankrupt, and out of the game.";
    std::string line;
    if (p == s.game.humanslot)
        line = "You are currently worth " + showmoney(worth(z, p)) +
               ", once loan debt is factored in.";
    else
        line = store.storename + " owner " + store.ownername + " is currently worth " +
               showmoney(worth(z, p)) + ", once loan debt is factored in.";
    if (s.game.debugmode == 1) {
        line += "  Store has " + std::to_string(store.aislecount) + " aisles:";
        for (int a = 1; a <= store.aislecount; ++a)
            line += std::to_string(s.aisle[p][a].stock) + "/" +
                    std::to_string(s.aisle[p][a].capacity) + " - ";
        line += std::to_string(store.employees) + " of " + std::to_string(store.wantedemployees) +
                " workers at $" + numtext(store.wage) + " per hour.  Bills=$" +
                numtext(store.monthlybills);
    }
    return line;
}

// Sums of money are told in cents, so their sign is decided in cents too: a month whose
// profits cancel out made a profit of $0.00, whatever crumb the binary sum leaves.
std::string profittext(double profit) {
    profit = roundcents(profit);
    return profit >= 0 ? " for a profit of " + showmoney(profit)
                       : " for a loss of " + showmoney(std::fabs(profit));
}

}  // namespace

void yearlytax(Zelvo& z) {
    for (int p = 1; p <= z.s.game.playercount; ++p) {
        Store& store = z.s.store[p];
        if (store.active == 1) store.money = roundcents(store.money * 0.8);
    }
}

std::vector<std::string> statementlines(Zelvo& z) {
    const GameState& s = z.s;
    const Store& human = s.store[s.game.humanslot];
    const std::string month = saymonth(s.calendar.month);
    std::vector<std::string> lines;
    lines.push_back(titleline(s, month, statementyear(z)));
    for (int p = 1; p <= s.game.playercount; ++p) lines.push_back(storeline(z, p));

    const double start = human.monthstartmoney, cash = human.money;
    const double net = roundcents(cash - start);
    lines.push_back("You began " + month + " with " + showmoney(start) + " and ended with " +
                    showmoney(cash) +
                    (net > 0 ? ", for a net gain of " + showmoney(net) + "."
                             : ", for a net loss of " + showmoney(std::fabs(net)) + "."));
    lines.push_back("You spent " + showmoney(human.wagespaid) + " on employee wages.");
    lines.push_back("You spent " + showmoney(human.billspaid) +
                    " on monthly bills, such as utilities and extra store services.");
    if (human.loanpaid > 0)
        lines.push_back("You spent " + showmoney(human.loanpaid) +
                        " on loan payments.  Your loans generated " +
                        showmoney(human.loaninterest) + " interest.");
    if (human.researchspent > 0)
        lines.push_back("You spent " + showmoney(human.researchspent) + " on market research.");
    if (human.extrasspent > 0)
        lines.push_back("You spent " + showmoney(human.extrasspent) +
                        " on store construction, and other miscellaneous extras.");
    if (human.medicalspent > 0)
        lines.push_back("You spent " + showmoney(human.medicalspent) +
                        " on lawsuits and medical expenses.");

    int totalsold = 0, totalstolen = 0;
    double totalprofit = 0, totalloss = 0;
    for (int i = 1; i <= s.game.itemcount; ++i) {
        const StoreItem& f = s.storeitem[s.game.humanslot][i];
        const std::string& name = s.item[i].name;
        totalsold += f.sold;
        totalprofit += f.profit;
        totalstolen += f.stolen;
        totalloss += f.stolenloss;
        if (!(f.sold > 0 || roundcents(f.profit) != 0 || f.stolen > 0 ||
              roundcents(f.stolenloss) != 0))
            continue;
        if (f.bought > 0)
            lines.push_back("You spent " + showmoney(f.boughtcost) + " on " +
                            std::to_string(f.bought) + " " + name + ".");
        std::string line = "You sold " + std::to_string(f.sold) + " " + name + profittext(f.profit);
        if (f.stolen == 0)
            line += ".";
        else if (f.stolen == 1)
            line +=
                ".  1 was stolen by shoplifters, for a loss of " + showmoney(f.stolenloss) + ".";
        else
            line += ".  " + std::to_string(f.stolen) +
                    " were stolen by shoplifters, for a loss of " + showmoney(f.stolenloss) + ".";
        lines.push_back(line);
    }
    lines.push_back("You sold a total of " + std::to_string(totalsold) + " items," +
                    profittext(totalprofit) + ".");
    if (totalstolen == 1)
        lines.push_back("Shoplifters stole 1 item, costing your store " + showmoney(totalloss) +
                        ".");
    else if (totalstolen > 1)
        lines.push_back("Shoplifters stole " + std::to_string(totalstolen) +
                        " total items, costing your store " + showmoney(totalloss) + ".");
    return lines;
}

void monthlystatement(Zelvo& z) {
    GameState& s = z.s;
    pausegame(z);
    makesound(z, sounds::Statement, 0, 0, 0, -1);
    z.List2 = statementlines(z);

    std::vector<std::string> file = z.List2;
    file.emplace_back();
    const std::string name =
        saymonth(s.calendar.month) + " " + std::to_string(statementyear(z)) + " statement.txt";
    const std::string error = writelines(folderfile(z, name), file);
    if (!error.empty()) {
        debuglog(z, "error in monthlystatement: " + name + ": " + error);
        // The title must not promise a file that is not there.
        std::string& title = z.List2.front();
        const auto promise = title.find("  A file named ");
        if (promise != std::string::npos) title.erase(promise);
        title += "  The file " + name + " could not be written: " + error + ".";
    }

    // A player who went bankrupt today stays in the Lost menu: the game is over, and the
    // statement (kept in its file) must not lead back into it. The bankruptcy has just been
    // said and is still being heard; saying it again would only start it over.
    if (s.ui.menu == menu::Lost) return;
    const bool last = s.calendar.month == 12 && s.calendar.year == 5;
    entermenu(z, last ? menu::Final : menu::Statement, s.game.humanslot);
}

}  // namespace zelvo

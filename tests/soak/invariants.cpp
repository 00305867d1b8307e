// The game's invariants: the warehouse, the aisles, the tables' bounds, the workers, the
// numbers, the cursor and the stores that left the game.
#include "soak/invariants.h"

#include <cmath>
#include <sstream>

#include "core/zelvo.h"
#include "state/menunumbers.h"
#include "store/aislegoods.h"
#include "store/aisles.h"
#include "store/staff.h"
#include "ui/menus.h"

namespace zelvo::soak {

namespace {

constexpr int kCarried = 28;

// Collects the first fault; later ones are left out, they mostly follow from it.
class Faults {
public:
    template <class... Parts>
    void add(const Parts&... parts) {
        if (!text_.empty()) return;
        std::ostringstream out;
        (out << ... << parts);
        text_ = out.str();
    }
    void number(double value, const std::string& what) {
        if (!std::isfinite(value)) add(what, " is ", value);
    }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

std::string storename(int p) {
    return "store " + std::to_string(p);
}

void checkstores(const Zelvo& z, Faults& f) {
    const GameState& s = z.s;
    long long workers = 0;
    for (int p = 1; p < kStoreSlots; ++p) {
        const Store& store = s.store[p];
        const std::string who = storename(p);
        if (store.active != 0 && store.active != 1) f.add(who, " has active flag ", store.active);
        if (store.aislecount < 0 || store.aislecount > kMostAisles)
            f.add(who, " has ", store.aislecount, " aisles");
        if (store.employees < 0) f.add(who, " has ", store.employees, " employees");
        workers += store.employees;
        f.number(store.money, who + " money");
        f.number(store.wage, who + " wage");
        f.number(store.unionwage, who + " union wage");
        f.number(store.monthlybills, who + " monthly bills");
        f.number(store.monthstartmoney, who + " money at the start of the month");
        for (double sum : {store.researchspent, store.billspaid, store.wagespaid, store.loanpaid,
                           store.loaninterest, store.extrasspent, store.medicalspent})
            f.number(sum, who + " statement sum");
        for (int a = 1; a <= std::min(store.aislecount, kMaxAisles); ++a) {
            const Aisle& aisle = s.aisle[p][a];
            const std::string where = who + " aisle " + std::to_string(a);
            if (aisle.stock < 0) f.add(where, " has stock ", aisle.stock);
            if (aisle.stock > 0 && aisle.item <= 0)
                f.add(where, " has stock ", aisle.stock, " and item ", aisle.item);
            if (aisle.item > s.game.itemcount)
                f.add(where, " holds item ", aisle.item, " of ", s.game.itemcount);
            if (aisle.stock > aisle.capacity)
                f.add(where, " has stock ", aisle.stock, " above its capacity ", aisle.capacity);
            if (aisle.capacity < 0 || aisle.capacity > kMostCapacity)
                f.add(where, " has capacity ", aisle.capacity);
            f.number(aisle.price, where + " price");
            f.number(aisle.cost, where + " cost");
        }
        for (int i = 1; i <= s.game.itemcount; ++i) {
            const StoreItem& figures = s.storeitem[p][i];
            f.number(figures.boughtcost, who + " bought cost");
            f.number(figures.profit, who + " profit");
            f.number(figures.stolenloss, who + " stolen loss");
        }
    }
    if (workers > kLabourPool) f.add("the stores employ ", workers, " people together");
    const Store& human = s.store[s.game.humanslot];
    if (human.wage < kLowestWage) f.add("the player pays ", human.wage, " an hour");
    if (human.wantedemployees < kFewestWanted || human.wantedemployees > kMostWanted)
        f.add("the player wants ", human.wantedemployees, " employees");
}

void checkitems(const Zelvo& z, Faults& f) {
    const GameState& s = z.s;
    if (s.game.itemcount < 30 || s.game.itemcount > kMaxItems)
        f.add("the catalogue holds ", s.game.itemcount, " items");
    int carried = 0;
    for (int i = 1; i <= std::min(s.game.itemcount, kMaxItems); ++i) {
        const Item& item = s.item[i];
        const std::string what = "item " + std::to_string(i);
        if (item.carried == 1) {
            ++carried;
            if (item.warehousestock < 0 || item.warehousestock > 100)
                f.add(what, " is carried with ", item.warehousestock, " units");
        }
        f.number(item.pricefactor, what + " price factor");
        if (item.warehousestock < 0) f.add(what, " has warehouse stock ", item.warehousestock);
        // Purchases raise it and other purchases lower it, never below 1.
        if (item.pricefactor < 1) f.add(what, " has price factor ", item.pricefactor);
        f.number(item.baseprice, what + " base price");
        for (double center : item.wheelcenter) f.number(center, what + " wheel centre");
    }
    if (carried != kCarried) f.add("the warehouse carries ", carried, " items");
}

void checkloans(const Zelvo& z, Faults& f) {
    const GameState& s = z.s;
    if (s.game.loancount < 0 || s.game.loancount > kMaxLoans)
        f.add("there are ", s.game.loancount, " loans");
    for (int l = 1; l <= std::min(s.game.loancount, kMaxLoans); ++l) {
        const Loan& loan = s.loan[l];
        const std::string what = "loan " + std::to_string(l);
        if (loan.borrower < 1 || loan.borrower >= kStoreSlots)
            f.add(what, " is owed by slot ", loan.borrower);
        for (double value : {loan.principal, loan.interest, loan.apr, loan.payment, loan.totalpaid})
            f.number(value, what + " figure");
        if (loan.dueday < 1 || loan.dueday > 30) f.add(what, " falls due on day ", loan.dueday);
        if (loan.monthslate < 0) f.add(what, " is ", loan.monthslate, " months late");
        if (loan.principal < -0.005) f.add(what, " has principal ", loan.principal);
    }
}

void checkcalendar(const Zelvo& z, Faults& f) {
    const Calendar& c = z.s.calendar;
    if (c.day < 1 || c.day > 30 || c.month < 1 || c.month > 12 || c.year < 1 || c.year > 5)
        f.add("the date is day ", c.day, " of month ", c.month, " of year ", c.year);
    if (c.paycounter < 1 || c.paycounter > 6) f.add("the pay counter is ", c.paycounter);
    if (z.s.ui.reviewindex < 0 || z.s.ui.reviewindex > kHistory)
        f.add("the review is at message ", z.s.ui.reviewindex);
}

void checkcursor(const Zelvo& z, Faults& f) {
    const UI& ui = z.s.ui;
    const MenuRow* row = currentmenu(z);
    if (!row) {
        f.add("the keys go to menu ", ui.menu, ", which is no menu");
        return;
    }
    const int items = menuitems(z);
    // 0: the menu has just been entered and nothing is chosen yet.
    if (ui.menuposition < 0 || ui.menuposition > items)
        f.add("the cursor of the ", row->name, " menu is at ", ui.menuposition, " of ", items);
}

// A money text is a dollar sign, digits grouped by commas in threes, a point and two digits.
bool moneytext(const std::string& line, std::size_t dollar) {
    std::size_t i = dollar + 1, group = 0;
    bool first = true;
    for (; i < line.size(); ++i) {
        if (line[i] >= '0' && line[i] <= '9') {
            ++group;
        } else if (line[i] == ',' && group >= 1 && (first ? group <= 3 : group == 3)) {
            group = 0;
            first = false;
        } else {
            break;
        }
    }
    if (first ? group < 1 || group > 3 : group != 3) return false;
    const auto digit = [&](std::size_t k) {
        return k < line.size() && line[k] >= '0' && line[k] <= '9';
    };
    return i < line.size() && line[i] == '.' && digit(i + 1) && digit(i + 2) && !digit(i + 3);
}

}  // namespace

long long carriedunits(const Zelvo& z) {
    long long units = 0;
    for (int i = 1; i <= std::min(z.s.game.itemcount, kMaxItems); ++i)
        if (z.s.item[i].carried == 1) units += z.s.item[i].warehousestock;
    return units;
}

std::string checkspoken(const std::string& line) {
    if (line.rfind("say: ", 0) == 0) {
        // In debug mode a statement line ends in figures for developers, written plainly.
        const std::size_t end = line.find("  Store has ");
        for (std::size_t at = line.find('$'); at < end; at = line.find('$', at + 1))
            if (!moneytext(line, at)) return "a spoken amount is not money: " + line;
        if (line.find("minus $0.00") != std::string::npos)
            return "a spoken amount is minus nothing: " + line;
    }
    if (line.rfind("sound: ", 0) == 0 &&
        (line.find("nan") != std::string::npos || line.find("inf") != std::string::npos))
        return "a sound is played at no number: " + line;
    return "";
}

std::string fingerprint(const Zelvo& z) {
    const GameState& s = z.s;
    std::ostringstream text;
    text << "day " << s.calendar.day << '/' << s.calendar.month << '/' << s.calendar.year
         << ", menu " << s.ui.menu << ':' << s.ui.menuposition << ", loans " << s.game.loancount
         << ", money";
    for (int p = 1; p < kStoreSlots; ++p) text << ' ' << s.store[p].money;
    return text.str();
}

std::string checkmoment(const Zelvo& z) {
    Faults f;
    checkitems(z, f);
    checkstores(z, f);
    checkloans(z, f);
    checkcalendar(z, f);
    checkcursor(z, f);
    return f.text();
}

std::string Watch::compare(const Zelvo& z) const {
    Faults f;
    const GameState& s = z.s;
    if (carriedunits(z) != units_)
        f.add("the carried items hold ", carriedunits(z), " units, not ", units_);
    // The month's figures start again on its first day: what was bought before is gone.
    const bool newmonth = s.calendar.month != month_ || s.calendar.year != year_;
    for (int p = 1; p < kStoreSlots; ++p) {
        if (active_[p] == 0 && s.store[p].active != 0)
            f.add(storename(p), " left the game and is back in it");
    }
    // The month's purchases are counted for the player's statement only: the goods on the
    // player's shelves come from them. (A computer store's shelves are bounded by capacity.)
    const int p = s.game.humanslot;
    if (p >= 1 && p < kStoreSlots) {
        for (int a = 1; a <= std::min(s.store[p].aislecount, kMaxAisles); ++a) {
            const Aisle& aisle = s.aisle[p][a];
            const int more = aisle.stock - stock_[p][a];
            if (more <= 0 || aisle.item <= 0) continue;
            const int before = newmonth ? 0 : bought_[aisle.item];
            const int bought = s.storeitem[p][aisle.item].bought - before;
            if (more > bought)
                f.add(storename(p), " aisle ", a, " gained ", more, " units of item ", aisle.item,
                      " but bought ", bought);
        }
    }
    return f.text();
}

void Watch::remember(const Zelvo& z) {
    const GameState& s = z.s;
    units_ = carriedunits(z);
    for (int p = 0; p < kStoreSlots; ++p) {
        active_[p] = s.store[p].active;
        for (int a = 0; a <= kMaxAisles; ++a) stock_[p][a] = s.aisle[p][a].stock;
    }
    const int human =
        s.game.humanslot >= 1 && s.game.humanslot < kStoreSlots ? s.game.humanslot : 1;
    for (int i = 0; i <= kMaxItems; ++i) bought_[i] = s.storeitem[human][i].bought;
    month_ = s.calendar.month;
    year_ = s.calendar.year;
    known_ = true;
}

std::string Watch::check(const Zelvo& z, Step step) {
    std::string fault = checkmoment(z);
    if (fault.empty() && known_ && step == Step::Play) fault = compare(z);
    remember(z);
    return fault;
}

}  // namespace zelvo::soak

// The records of a saved game in the order of its lines, walked once for every use of them.
#pragma once

#include <string>

#include "state/state.h"

namespace zelvo {

// Calls `visit` for every line of a saved game, in the order of the file:
// visit.text(name, value) for a line of text, visit.number(name, value) for a number, and
// visit.enter(record, index) ... visit.leave() around the fields of one store, aisle, loan,
// item or item's statistics. Writing the file and comparing two games both walk this, so a
// field added here is written and compared alike.
template <class Visit>
void walksave(const GameState& s, Visit& visit) {
    struct Record {
        Record(Visit& to, const char* what, int index) : visit(to) { visit.enter(what, index); }
        ~Record() { visit.leave(); }
        Visit& visit;
    };
    visit.text("version", s.game.version);
    visit.number("difficulty", s.game.difficulty);
    visit.number("playercount", s.game.playercount);
    for (int p = 1; p <= s.game.playercount; ++p) {
        const Store& store = s.store[p];
        Record instore(visit, "store", p);
        // A rival out of the game keeps its owner's name behind a star, so a rival in the
        // game cannot have one in front of its name: it is left out of the file.
        std::string owner = store.ownername;
        if (p != 1) owner.erase(0, owner.find_first_not_of('*'));
        visit.text("ownername", store.active == 0 ? "*" + owner : owner);
        visit.text("storename", store.storename);
        visit.number("money", store.money);
        visit.number("employees", store.employees);
        visit.number("wantedemployees", store.wantedemployees);
        visit.number("wage", store.wage);
        visit.number("aislecount", store.aislecount);
        for (int a = 1; a <= store.aislecount; ++a) {
            const Aisle& aisle = s.aisle[p][a];
            Record inaisle(visit, "aisle", a);
            visit.number("item", aisle.item);
            visit.number("stock", aisle.stock);
            visit.number("capacity", aisle.capacity);
            visit.number("price", aisle.price);
            visit.number("sold", aisle.sold);
            visit.number("saledays", aisle.saledays);
            visit.number("cost", aisle.cost);
        }
        visit.number("unionwage", store.unionwage);
        visit.number("unionworkers", store.unionworkers);
        visit.text("features", store.features);
        visit.number("customers", store.customers);
        visit.number("monthlybills", store.monthlybills);
        visit.number("billsmonthslate", store.billsmonthslate);
        for (int d = 1; d <= kCrowdDays; ++d) {
            Record inday(visit, "crowdhistory", d);
            visit.number("crowded", store.crowdhistory[d]);
        }
        visit.number("creditrating", store.creditrating);
    }
    visit.number("month", s.calendar.month);
    visit.number("day", s.calendar.day);
    visit.number("year", s.calendar.year);
    visit.number("paycounter", s.calendar.paycounter);
    visit.number("loancount", s.game.loancount);
    for (int i = 1; i <= s.game.loancount; ++i) {
        const Loan& loan = s.loan[i];
        Record inloan(visit, "loan", i);
        visit.text("lender", loan.lender);
        visit.number("principal", loan.principal);
        visit.number("interest", loan.interest);
        visit.number("borrower", loan.borrower);
        visit.number("apr", loan.apr);
        visit.number("payment", loan.payment);
        visit.number("dueday", loan.dueday);
        visit.number("monthslate", loan.monthslate);
        visit.number("totalpaid", loan.totalpaid);
    }
    visit.number("itemcount", s.game.itemcount);
    for (int i = 1; i <= s.game.itemcount; ++i) {
        const Item& item = s.item[i];
        Record initem(visit, "item", i);
        visit.text("name", item.name);
        visit.text("description", item.description);
        visit.number("baseprice", item.baseprice);
        for (int w = 0; w < kWheels; ++w) {
            Record inwheel(visit, "wheel", w);
            visit.number("wheelsize", item.wheelsize[w]);
            visit.number("wheelcenter", item.wheelcenter[w]);
            visit.number("wheelangle", item.wheelangle[w]);
        }
        visit.number("pricefactor", item.pricefactor);
        visit.number("carried", item.carried);
    }
    for (int p = 1; p <= s.game.playercount; ++p) {
        const Store& store = s.store[p];
        Record instatistics(visit, "statistics of store", p);
        visit.number("monthstartmoney", store.monthstartmoney);
        visit.number("researchspent", store.researchspent);
        visit.number("billspaid", store.billspaid);
        visit.number("wagespaid", store.wagespaid);
        visit.number("loanpaid", store.loanpaid);
        visit.number("loaninterest", store.loaninterest);
        visit.number("extrasspent", store.extrasspent);
        for (int i = 1; i <= s.game.itemcount; ++i) {
            const StoreItem& f = s.storeitem[p][i];
            Record initem(visit, "item", i);
            visit.number("bought", f.bought);
            visit.number("boughtcost", f.boughtcost);
            visit.number("sold", f.sold);
            visit.number("profit", f.profit);
            visit.number("stolen", f.stolen);
            visit.number("stolenloss", f.stolenloss);
        }
        visit.number("medicalspent", store.medicalspent);
    }
}

}  // namespace zelvo

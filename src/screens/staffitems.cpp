// The Store menu's staff items: how many workers to aim for, their wage, the wage survey.
#include "core/keys.h"
#include "core/zelvo.h"
#include "screens/storeitems.h"
#include "speech/money.h"
#include "speech/speech.h"
#include "store/research.h"
#include "store/staff.h"
#include "ui/menus.h"

namespace zelvo {

namespace {

std::string employeewords(const Store& store) {
    return unionized(store) ? " unionized employees will cost you a total of "
                            : " employees will cost you a total of ";
}

void wagereport(Zelvo& z, int Shift) {
    if (!payforreport(z, Shift, researchprice(z.s.human()), "Backspace", "market research")) return;
    const int p = z.s.game.humanslot;
    const WageSurvey survey = surveywages(z, p);
    const std::string best = z.s.store[survey.bestslot].storename;
    std::string text;
    if (survey.higher == 0)
        text =
            "We have looked around and there are no stores in the area that offer better "
            "employee wages.  There is very little risk of losing employees to your "
            "competitors.";
    else if (survey.higher == 1)
        text = "We have found 1 nearby store that is offering its employees higher wages.  " +
               best + " is paying " + showmoney(survey.bestwage) +
               " per hour.  Some of your workers may leave your store to seek employement "
               "there, if job positions are available.";
    else
        text = "We have found " + std::to_string(survey.higher) +
               " nearby stores that offer their employees higher wages.  " + best +
               " is the highest, paying " + showmoney(survey.bestwage) +
               " per hour.  Some of your workers may leave your store to seek employement "
               "there, if job positions are available.";
    if (unionized(z.s.store[p]))
        text +=
            "    Your employees are part of a union.  Having good pay, break rooms, and "
            "employee lounges help keep your workers happy.  If your workers aren't happy, "
            "their union might just force you to pay them more.";
    else
        text +=
            "    Your employees are not currently part of a union.  As your shop grows "
            "there is a greater chance that they will form one, whether you like it or "
            "not.  Having good pay, break rooms, and employee lounges help keep your "
            "workers happy so they don't think about unionizing.";
    sayit(z, text);
}

}  // namespace

void employeesitem(Zelvo& z, int KeyCode, int Shift) {
    Store& human = z.s.human();
    if (const int direction = plusminus(KeyCode)) {
        const int step = static_cast<int>(modifierstep(Shift, {1, 5, 10, 0}));
        changewantedstaff(human, direction * step);
        sayit(z, "Your managers have been told that you only want " +
                     std::to_string(human.wantedemployees) + " employees in total.");
        return;
    }
    std::string text =
        "The store currently has " + std::to_string(human.employees) + " employees.  ";
    if (human.employees < human.wantedemployees)
        text += "You've told management to hire more until you have " +
                std::to_string(human.wantedemployees) + ".  ";
    else if (human.employees > human.wantedemployees)
        text += "You've told management to fire some until you have " +
                std::to_string(human.wantedemployees) + ".  ";
    sayit(z, text + "Press plus or minus to change the desired number of workers.");
}

void wagesitem(Zelvo& z, int KeyCode, int Shift) {
    Store& human = z.s.human();
    const std::string employees = std::to_string(human.employees);
    if (const int direction = plusminus(KeyCode)) {
        changewage(human, direction * modifierstep(Shift, {0.25, 1, 0, 0}));
        std::string text = showmoney(human.wage) + " per hour.  Your " + employees +
                           employeewords(human) + showmoney(weeklywages(human)) + " per week.";
        if (unionized(human))
            text +=
                "  Due to the union contract, you are not allowed to pay your people less "
                "than " +
                showmoney(human.unionwage) + " per hour.";
        sayit(z, text);
        return;
    }
    if (KeyCode == key::Backspace) {
        wagereport(z, Shift);
        return;
    }
    std::string text = "You currently pay your employees " + showmoney(human.wage) +
                       " per hour.  Your " + employees + employeewords(human) +
                       showmoney(weeklywages(human)) +
                       " per week.  Press plus or minus to change their hourly pay.  ";
    if (researchprice(human) > 0)
        text += "Press Backspace to pay your market research team " + showmoney(kResearchPrice) +
                " to report on employee wages.";
    else
        text += "Press Backspace to get a report on employee wages.";
    sayit(z, text);
}

}  // namespace zelvo

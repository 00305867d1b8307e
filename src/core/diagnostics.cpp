// The debug log file, the hidden log list and the developer's loan calculator.
#include "core/diagnostics.h"

#include "core/files.h"
#include "core/numbers.h"
#include "core/zelvo.h"

namespace zelvo {

void debuglog(const Zelvo& z, const std::string& line) {
    // Opened and closed for every line, so that the log is complete whenever the game stops;
    // a log that is not a regular file (a named pipe) is never waited on.
    appendtofile(folderfile(z, "debuglog.txt"), line + "\r\n");
}

void addlog(Zelvo& z, const std::string& line) {
    try {
        z.platform.addLogLine(line);
    } catch (const std::exception&) {
        // The list is a developer's aid; losing a line must not disturb the game.
    }
}

bool secondstorelogged(const Zelvo& z, int store) {
    return z.s.game.debugmode == 1 && store == 2;
}

void logsecondstore(Zelvo& z, int store, const std::string& line) {
    if (secondstorelogged(z, store)) addlog(z, line);
}

void Command2_Click(Zelvo& z) {
    z.s.ui.menuposition = 6;
    const double amount = 100000;
    const double rate = 2.5;
    int months = 0;
    for (int payment = 600; months == 0 || months > 60; ++payment) {
        double balance = amount;
        months = 0;
        do {
            double interest = roundcents(rate / 100 / 12 * balance);
            balance -= payment - interest;
            ++months;
        } while (balance > 0);
        const int years = months / 12;
        addlog(z, std::to_string(payment) + ") " + std::to_string(months) +
                      " months = " + std::to_string(years) + " years+" +
                      std::to_string(months - 12 * years) + " months");
    }
}

}  // namespace zelvo

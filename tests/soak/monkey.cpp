// The random player: weighted keys from every menu, days between them, and the answers it
// types, from the plain to the hostile.
#include "soak/monkey.h"

#include <vector>

#include "core/zelvo.h"
#include "game/menutable.h"
#include "state/menunumbers.h"
#include "ui/menus.h"

namespace zelvo::soak {

namespace {

struct Weighted {
    const char* command;
    int weight;
};

// Cursor keys most, since they reach the items; then the keys that act on them.
constexpr Weighted kKeys[] = {
    {"Up", 12},
    {"Down", 12},
    {"Left", 5},
    {"Right", 5},
    {"Enter", 10},
    {"Shift+Enter", 6},
    {"Ctrl+Enter", 2},
    {"Alt+Enter", 2},
    {"Shift+Ctrl+Enter", 1},
    {"Plus", 4},
    {"Shift+Plus", 3},
    {"Ctrl+Plus", 3},
    {"Alt+Plus", 3},
    {"KeypadPlus", 2},
    {"Shift+KeypadPlus", 1},
    {"Minus", 4},
    {"Shift+Minus", 3},
    {"Ctrl+Minus", 3},
    {"Alt+Minus", 3},
    {"KeypadMinus", 2},
    {"Ctrl+KeypadMinus", 1},
    {"Backspace", 3},
    {"Shift+Backspace", 3},
    {"Delete", 2},
    {"Shift+Delete", 2},
    {"R", 2},
    {"1", 2},
    {"2", 2},
    {"3", 2},
    {"4", 2},
    {"5", 1},
    {"6", 1},
    {"7", 1},
    {"8", 1},
    {"9", 1},
    {"0", 1},
    {"Q", 2},
    {"W", 2},
    {"E", 2},
    {"Escape", 3},
    {"Space", 3},
    {"Shift+Space", 1},
    {"Z", 1},
    {"X", 1},
    {"C", 1},
    {"Tab", 1},
    {"PageUp", 1},
    {"PageDown", 1},
    {"LeftBracket", 1},
    {"RightBracket", 1},
    {"Shift+Period", 1},
    {"Comma", 1},
};

int totalweight() {
    int total = 0;
    for (const auto& key : kKeys) total += key.weight;
    return total;
}

// What a player might type, and what no player should but someone will.
const std::vector<std::string>& answers() {
    static const std::vector<std::string> list = {
        "",
        " ",
        "   ",
        "Soak",
        "lastsave",
        "soaked",
        "soaked",
        "second save",
        "progress.ini",
        "debuglog.txt",
        "language.txt",
        "items1.txt",
        "sounds",
        ".",
        "..",
        "../outside",
        "/tmp/zelvo-soak-absolute",
        "a/b",
        "a\\b",
        ".hidden",
        "January 2030 statement.txt",
        "Zoë's Ünïcödé Störe",
        "\xe5\x95\x86\xe5\xba\x97",
        "\xf0\x9f\x9b\x92 cart",
        "\xff\xfe broken",
        "\xc0\xaf",
        "\xe2\x80",
        "tab\there",
        "bell\x07 and escape\x1b",
        "nul\x01\x02\x03",
        "del\x7f",
        "next\xc2\x85line",
        "line\xe2\x80\xa8separator",
        "carriage\rreturn",
        "1",
        "5",
        "10",
        "50",
        "100",
        "250.75",
        "1000",
        "99999",
        "1000000",
        "0",
        "-0",
        "-1",
        "-500",
        "+3",
        " 42 ",
        "0.001",
        "12.345",
        ".5",
        "5.",
        "1.2.3",
        "-",
        "+",
        "1e308",
        "-1e308",
        "1e-320",
        "nan",
        "NaN",
        "-nan",
        "inf",
        "-inf",
        "Infinity",
        "0x10",
        "9223372036854775808",
        "-9223372036854775809",
        "%s%n%x",
        "'; DROP TABLE stores; --",
        "*Dorrin",
        std::string(400, '9'),
        "0." + std::string(400, '0') + "1",
        "-" + std::string(330, '9') + ".5",
        std::string(256, 'x'),
        std::string(4096, 'y'),
    };
    return list;
}

}  // namespace

bool wouldquit(const Zelvo& z, const std::string& command) {
    // "Exit the game" is the Main menu's sixth item; Enter there, with any modifier, ends it.
    if (z.s.ui.menu != menu::Main || z.s.ui.menuposition != 6) return false;
    const bool enter = command.size() >= 5 && command.compare(command.size() - 5, 5, "Enter") == 0;
    return enter || command.rfind("key 13 ", 0) == 0;
}

std::string Monkey::randomkey() {
    // Now and then a raw key the keyboard map never makes.
    if (below(200) == 0)
        return "key " + std::to_string(below(260) - 5) + " " + std::to_string(below(10) - 1);
    static const int total = totalweight();
    int pick = below(total);
    for (const auto& key : kKeys) {
        if (pick < key.weight) return key.command;
        pick -= key.weight;
    }
    return "Down";
}

int Monkey::choosegoal(const Zelvo& z) {
    const int roll = below(100);
    switch (z.s.ui.menu) {
    case menu::Main:  // mostly a new game, often a saved one, now and then the rest
        return roll < 60 ? 1 : roll < 90 ? 3 : 2 + 2 * below(2) + below(2);
    case menu::Setup:  // mostly the start, sometimes a name or the difficulty first
        return roll < 70 ? 4 : 1 + below(3);
    case menu::Escape:  // back to the game, a save, seldom quitting the game
        return roll < 55 ? 3 : roll < 95 ? 2 : 1;
    case menu::CustomAI:  // an opponent's name now and then
        return roll < 60 ? 0 : 1 + below(menuitems(z));
    case menu::Lost:
    case menu::Statement:
    case menu::Knockout:
    case menu::Final:
        return menuitems(z);
    default:
        return 0;
    }
}

std::string Monkey::towardsgame(const Zelvo& z) {
    if (isingamemenu(z.s.ui.menu)) {
        goalmenu_ = 0;
        return "";
    }
    if (z.s.ui.menu != goalmenu_) {
        goalmenu_ = z.s.ui.menu;
        goal_ = choosegoal(z);
    }
    if (goal_ <= 0) return "Escape";  // the way back of the About and list menus
    const int position = z.s.ui.menuposition;
    if (position != goal_) return position < goal_ ? "Down" : "Up";
    goalmenu_ = 0;  // once chosen, the next visit picks afresh
    // Quitting a game wants a modifier held; the Setup menu's names and the rest take Enter.
    return z.s.ui.menu == menu::Escape && goal_ == 1 ? "Shift+Enter" : "Enter";
}

std::string Monkey::next(const Zelvo& z) {
    std::string command;
    const std::string back = towardsgame(z);
    // Out of the game's menus half the keys lead back and half explore (saving, loading,
    // the setup, the lists), so that the player spends most of the time in a game.
    if (!back.empty() && below(10) < 5) {
        command = back;
    } else if (back.empty() && below(100) < 40) {
        // Days pass one at a time, so that every day is checked; now and then a bare tick.
        const int roll = below(40);
        command = roll == 0 ? "tick" : roll == 1 ? "resume" : "days 1";
    } else {
        command = randomkey();
    }
    return wouldquit(z, command) ? "Up" : command;
}

std::string Monkey::answer() {
    if (below(100) == 0) return std::string(70000, 'w');
    if (below(4) == 0) return std::to_string(below(3000) - 100);
    const auto& list = answers();
    return list[static_cast<std::size_t>(below(static_cast<int>(list.size())))];
}

}  // namespace zelvo::soak

// The player's daily accident roll, and what insurance pays of the bill.
#pragma once

#include <string>

namespace zelvo {

struct Zelvo;

// Once a day: an employee or a customer may be hurt, and the store gets the bill.
void accidentroll(Zelvo& z);

// What the store pays of a medical bill under its insurance, and the words that say so.
struct InsuredBill {
    double charged;
    std::string text;
};
InsuredBill insure(const std::string& features, double bill);

}  // namespace zelvo

// Money, month and date texts.
#pragma once

#include <string>

namespace zelvo {

// "$1,234.50"; "minus $1,234.50" below zero.
std::string showmoney(double temp);
// "January" .. "December"; anything else gives the empty text.
std::string saymonth(int temp);
// "March 12, 2025."
std::string spokendate(int month, int day, int year);

}  // namespace zelvo

// The developer's diagnostics: the debug log file, the hidden log list and the loan calculator.
#pragma once

#include <string>

namespace zelvo {

struct Zelvo;

// Appends one line to debuglog.txt in the program's folder; a log that cannot be written
// is skipped.
void debuglog(const Zelvo& z, const std::string& line);
// Adds a line to the hidden diagnostic list List1.
void addlog(Zelvo& z, const std::string& line);
// The loan payment calculator behind the Command2 button.
void Command2_Click(Zelvo& z);

}  // namespace zelvo

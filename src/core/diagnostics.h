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
// The developer follows one computer store, the second, through the log in debug mode.
bool secondstorelogged(const Zelvo& z, int store);
// Adds the line to the log when it is about that store.
void logsecondstore(Zelvo& z, int store, const std::string& line);
// The loan payment calculator behind the Command2 button.
void Command2_Click(Zelvo& z);

}  // namespace zelvo

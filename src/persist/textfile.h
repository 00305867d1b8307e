// The line-based text files the game keeps: reading fields and writing a file safely.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zelvo {

struct Zelvo;

// The lines of a regular file of the player's folder; CR LF, CR alone and LF alone all end
// a line. Nothing if there is no such file or it cannot be read.
std::optional<std::vector<std::string>> readlines(Zelvo& z, const std::string& path);
// The lines of a text, by the same rule.
std::vector<std::string> splitlines(const std::string& text);

// A number field: leading blanks skipped, then the leading number ("12.5abc" is 12.5, "1e3"
// is 1000, "0x10" is 0); an empty or non-numeric line reads as 0.
double numberfield(const std::string& line);
// A text field: up to the first comma, surrounding blanks removed, enclosing quotes dropped.
std::string textfield(const std::string& line);
// A number as the game's files write it: " 25000 ", "-12.5 ".
std::string numberline(double value);
// The same line added to the end of `text`, with no text of its own made for it.
void appendnumberline(std::string& text, double value);

// Writes the lines with CR LF ends to a hidden temporary file beside `path`, then renames it
// over `path`, so a failure never leaves a half-written file. Returns an error text, or empty.
std::string writelines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace zelvo

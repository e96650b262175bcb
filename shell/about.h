// The About message: who prepared and designed the book, how to reach the author, and when.
#pragma once

#include <string>

namespace zarvona {

class Form;

// The three lines of the box joined by single carriage returns.
std::u16string AboutText();

inline constexpr int AboutStyle = 0x180000; // right-to-left reading, right-aligned, OK only

void About_Click(Form& form);

} // namespace zarvona

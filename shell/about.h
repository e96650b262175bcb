// The About message: who prepared and designed the book, how to reach the author, and when.
#pragma once

#include "ui/form.h"

#include <string>

namespace zarvona {

// The three lines of the box joined by single carriage returns.
std::u16string AboutText();

// Right-to-left reading, right-aligned, with an OK button only.
inline constexpr int AboutStyle = MsgBoxRtlReading | MsgBoxRightAligned;

void About_Click(Form& form);

} // namespace zarvona

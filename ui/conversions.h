// The run-time's conversions between text and numbers, as the handlers use them on the counter
// text. They follow the forms run-time's rules for the forms the program writes (plain digits)
// and accept a little more (spaces around the number, a sign, a fraction, an exponent), never
// depending on the user's locale. They raise run-time errors rather than guess.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zarvona {

// Text to double: "37" gives 37.0. Text that holds no number raises Type mismatch (13); a number
// too large for a double raises Overflow (6).
double textToNumber(std::u16string_view text);

// Double to text: a whole number gives its plain digits ("100"); others up to 15 significant
// digits ("7.5", "1E+20"). Infinity and NaN raise Overflow.
std::u16string numberToText(double value);

// 16-bit integer to text: plain digits, a minus sign for negative numbers.
std::u16string integerToText(std::int16_t value);

// Double to 32-bit integer, rounding to nearest with halves to even (100.5 gives 100, 101.5
// gives 102). Out of range raises Overflow; NaN raises Invalid procedure call (5).
std::int32_t roundToInt32(double value);

std::u16string toUtf16(std::string_view ascii);

} // namespace zarvona

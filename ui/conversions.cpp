#include "ui/conversions.h"

#include "ui/runtime_error.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace zarvona {

namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// Copies the number's characters into plain ASCII for from_chars, checking the grammar
// [blanks] [sign] digits [. digits] [(E|D) [sign] digits] [blanks] on the way.
bool toNumberSyntax(std::u16string_view text, std::string& out)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            out += '-';
        ++i;
    }
    std::size_t mantissaDigits = 0;
    while (i < n && isDigit(text[i])) {
        out += static_cast<char>(text[i++]);
        ++mantissaDigits;
    }
    if (i < n && text[i] == u'.') {
        out += '.';
        ++i;
        while (i < n && isDigit(text[i])) {
            out += static_cast<char>(text[i++]);
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        out += 'e';
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            out += static_cast<char>(text[i++]);
        std::size_t exponentDigits = 0;
        while (i < n && isDigit(text[i])) {
            out += static_cast<char>(text[i++]);
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    while (i < n && isBlank(text[i]))
        ++i;
    return i == n;
}

} // namespace

double textToNumber(std::u16string_view text)
{
    std::string ascii;
    if (!toNumberSyntax(text, ascii))
        throw RuntimeError::typeMismatch();
    double value = 0;
    const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // from_chars reports underflow the same way; a tiny number is simply zero.
        if (ascii.find("e-") != std::string::npos)
            return 0.0;
        throw RuntimeError::overflow();
    }
    if (ec != std::errc() || end != ascii.data() + ascii.size())
        throw RuntimeError::typeMismatch();
    return value;
}

std::u16string numberToText(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    std::array<char, 64> buffer{};
    char* end = nullptr;
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        end = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                            static_cast<long long>(value))
                  .ptr;
    } else {
        end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                            std::chars_format::general, 15)
                  .ptr;
    }
    std::u16string text;
    for (const char* p = buffer.data(); p != end; ++p)
        text += (*p == 'e') ? u'E' : static_cast<char16_t>(*p);
    return text;
}

std::u16string integerToText(std::int16_t value)
{
    return numberToText(static_cast<double>(value));
}

std::int32_t roundToInt32(double value)
{
    if (std::isnan(value))
        throw RuntimeError::invalidProcedureCall();
    double rounded = std::round(value); // halves away from zero ...
    if (std::fabs(value - std::trunc(value)) == 0.5)
        rounded = 2.0 * std::round(value / 2.0); // ... except that halves go to even
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        throw RuntimeError::overflow();
    return static_cast<std::int32_t>(rounded);
}

std::u16string toUtf16(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

} // namespace zarvona

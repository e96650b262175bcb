#include "ui/conversions.h"
#include "ui/riddle_count.h"
#include "ui/runtime_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zarvona {
namespace {

int errorNumberOf(auto&& call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

TEST(Conversions, TextToNumberAcceptsNumbersInTheirUsualForms)
{
    const struct {
        std::u16string_view text;
        double value;
    } cases[] = {
        {u"37", 37},     {u"1", 1},       {u"100", 100}, {u"007", 7},
        {u" 42 ", 42},   {u"\t5", 5},     {u"+3", 3},    {u"-2", -2},
        {u"7.5", 7.5},   {u".5", 0.5},    {u"5.", 5},    {u"1E2", 100},
        {u"1e-2", 0.01}, {u"2.5D+1", 25}, {u"0", 0},     {u"1e-400", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textToNumber(c.text), c.value) << std::string(c.text.begin(), c.text.end());
}

TEST(Conversions, TextThatHoldsNoNumberIsATypeMismatch)
{
    for (std::u16string_view text : {u"", u" ", u"abc", u"1a", u"--1", u"1 2", u"+", u".", u"1e",
                                     u"1e+", u"١٢", u"12\u00A0", u"0x10"}) {
        EXPECT_EQ(errorNumberOf([&] { textToNumber(text); }), TypeMismatch)
            << std::string(text.begin(), text.end());
    }
    EXPECT_EQ(errorNumberOf([] { textToNumber(u"1e400"); }), Overflow);
}

TEST(Conversions, NumberToTextGivesPlainDigitsForWholeNumbers)
{
    const struct {
        double value;
        std::u16string_view text;
    } cases[] = {
        {1, u"1"},
        {42, u"42"},
        {99.0 + 1, u"100"},
        {2.0 - 1, u"1"},
        {0, u"0"},
        {-0.0, u"0"},
        {-7, u"-7"},
        {7.5, u"7.5"},
        {0.1, u"0.1"},
        {1e20, u"1E+20"},
        {123456789012345, u"123456789012345"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberToText(c.value), c.text) << c.value;
    EXPECT_EQ(integerToText(1), u"1");
    EXPECT_EQ(integerToText(100), u"100");
    EXPECT_EQ(errorNumberOf([] { numberToText(std::numeric_limits<double>::infinity()); }),
              Overflow);
}

TEST(Conversions, EveryCounterValueSurvivesARoundTrip)
{
    for (int k = 1; k <= RiddleCount; ++k) {
        const std::u16string text = numberToText(k);
        EXPECT_EQ(textToNumber(text), k);
        EXPECT_EQ(text, toUtf16(std::to_string(k)));
    }
}

TEST(Conversions, RoundingSendsHalvesToTheEvenNeighbour)
{
    const struct {
        double value;
        std::int32_t rounded;
    } cases[] = {
        {100.5, 100},
        {101.5, 102},
        {0.5, 0},
        {1.5, 2},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {2.4, 2},
        {2.6, 3},
        {-2.6, -3},
        {2147483647.0, 2147483647},
        {-2147483648.0, -2147483647 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundToInt32(c.value), c.rounded) << c.value;
    EXPECT_EQ(errorNumberOf([] { roundToInt32(2147483648.0); }), Overflow);
    EXPECT_EQ(errorNumberOf([] { roundToInt32(-2147483649.0); }), Overflow);
    EXPECT_EQ(errorNumberOf([] { roundToInt32(std::nan("")); }), InvalidProcedureCall);
}

} // namespace
} // namespace zarvona

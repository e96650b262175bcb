#include "ui/number_entry.h"

#include <gtest/gtest.h>

#include <vector>

namespace zarvona {
namespace {

using namespace std::chrono_literals;

struct Case {
    const char* name;
    // Each digit with the time since the one before.
    std::vector<std::pair<int, std::chrono::milliseconds>> digits;
    // What the digits name after each of them; 0 for none.
    std::vector<int> named;
};

TEST(NumberEntry, DigitsInQuickSuccessionMakeOneNumberUpToTheLargest)
{
    const Case cases[] = {
        {"one digit", {{7, 0ms}}, {7}},
        {"two digits", {{4, 0ms}, {2, 500ms}}, {4, 42}},
        {"a second's pause starts anew", {{4, 0ms}, {2, 1000ms}}, {4, 2}},
        {"a pause after a number", {{1, 0ms}, {0, 100ms}, {5, 1500ms}}, {1, 10, 5}},
        {"up to the largest", {{1, 0ms}, {0, 100ms}, {0, 100ms}}, {1, 10, 100}},
        {"past the largest starts anew", {{1, 0ms}, {0, 100ms}, {1, 100ms}}, {1, 10, 1}},
        {"three digits past it", {{9, 0ms}, {9, 100ms}, {9, 100ms}}, {9, 99, 9}},
        {"no number starts with 0", {{0, 0ms}, {0, 100ms}, {5, 100ms}}, {0, 0, 5}},
        {"0 alone after a pause", {{5, 0ms}, {0, 2000ms}, {3, 100ms}}, {5, 0, 3}},
    };
    for (const Case& c : cases) {
        NumberEntry entry(100);
        NumberEntry::Clock::time_point now{};
        std::vector<int> named;
        for (const auto& [digit, pause] : c.digits) {
            now += pause;
            named.push_back(entry.type(digit, now).value_or(0));
        }
        EXPECT_EQ(named, c.named) << c.name;
    }
}

TEST(NumberEntry, ASmallerBookCapsTheNumbersItsOwnWay)
{
    NumberEntry entry(5);
    const NumberEntry::Clock::time_point now{};
    EXPECT_EQ(entry.type(7, now), std::nullopt);
    EXPECT_EQ(entry.type(3, now), 3);
    EXPECT_EQ(entry.type(4, now), 4); // 34 is past 5: 4 starts anew
}

} // namespace
} // namespace zarvona

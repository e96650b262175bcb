// RiddleCatalogue: the book's riddles, numbered 1 to RiddleCount, fixed when the program is built.
// The table itself is generated from riddles/catalogue.json; nothing is read at run time.
#pragma once

#include "ui/riddle_count.h"

#include <array>
#include <string_view>

namespace zarvona {

struct RiddleEntry {
    int number;
    std::u16string_view question;
    std::u16string_view answer;
};

extern const std::array<RiddleEntry, RiddleCount> RiddleCatalogue;

// The entry whose number is k, or null when there is none.
const RiddleEntry* findRiddle(double k);

} // namespace zarvona

#include "riddles/riddle_catalogue.h"

#include <cmath>

namespace zarvona {

const RiddleEntry* findRiddle(double k)
{
    // The numbers run 1 to 100 in order, so entry k sits at index k - 1; anything that is not
    // exactly one of those whole numbers matches no entry.
    if (!(k >= 1 && k <= RiddleCount) || k != std::trunc(k))
        return nullptr;
    const RiddleEntry& entry = RiddleCatalogue[static_cast<std::size_t>(k) - 1];
    return entry.number == k ? &entry : nullptr;
}

} // namespace zarvona

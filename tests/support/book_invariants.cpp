#include "tests/support/book_invariants.h"

#include "riddles/riddle_catalogue.h"

namespace zarvona {

std::string brokenInvariant(const Form& form)
{
    const std::u16string counter = form.caption(Control::Label5);
    int n = 0;
    for (const char16_t c : counter) {
        if (c < u'0' || c > u'9' || n > RiddleCount)
            return "the counter is not a plain number";
        n = n * 10 + (c - u'0');
    }
    if (n < 1 || n > RiddleCount || counter.front() == u'0')
        return "the counter is not one of 1 to " + std::to_string(RiddleCount);
    const RiddleEntry& entry = RiddleCatalogue[static_cast<std::size_t>(n) - 1];
    if (form.caption(Control::Label1) != entry.question)
        return "the question is not riddle " + std::to_string(n) + "'s";
    if (form.caption(Control::Label2) != entry.answer)
        return "the answer is not riddle " + std::to_string(n) + "'s";
    return {};
}

} // namespace zarvona

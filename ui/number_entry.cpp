#include "ui/number_entry.h"

namespace zarvona {

std::optional<int> NumberEntry::type(int digit, Clock::time_point now)
{
    const bool goesOn = m_typed > 0 && now - m_last < Pause;
    m_last = now;
    if (goesOn && m_typed * 10 + digit <= m_largest)
        m_typed = m_typed * 10 + digit;
    else
        m_typed = digit <= m_largest ? digit : 0;
    if (m_typed == 0)
        return std::nullopt;
    return m_typed;
}

} // namespace zarvona

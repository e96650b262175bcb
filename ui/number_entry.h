// Typing a riddle's number on the keyboard: digits typed in quick succession make one number,
// and a pause of a second starts a new one. It only decides which number the digits name; what
// the window does with it (open the number list, select the number) is the keyboard's business.
#pragma once

#include <chrono>
#include <optional>

namespace zarvona {

class NumberEntry {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration Pause = std::chrono::seconds(1);

    // Numbers run from 1 to largest.
    explicit NumberEntry(int largest) : m_largest(largest) {}

    // The number named by the digits typed so far, this one included, or none. A digit that
    // would take the number past the largest starts a new number, as a pause does; no number
    // starts with 0.
    std::optional<int> type(int digit, Clock::time_point now);

  private:
    int m_largest;
    int m_typed = 0; // 0 while no number is being typed
    Clock::time_point m_last;
};

} // namespace zarvona

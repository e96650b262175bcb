// Points of the client area (pixels from its top-left corner) that tests move the pointer to,
// named by what lies there, for the model and the real window alike; and the steps of the random
// sessions that both are given.
#pragma once

#include "ui/form_definition.h"

#include <algorithm>
#include <random>
#include <utility>

namespace zarvona {

struct Point {
    int x = 0;
    int y = 0;
};

namespace points {
inline constexpr Point bare{200, 295};           // the window itself, no control
inline constexpr Point next{368, 284};           // the Next glyph
inline constexpr Point back{384, 248};           // the Back glyph
inline constexpr Point about{453, 202};          // the About glyph
inline constexpr Point opener{412, 220};         // the list opener's glyph
inline constexpr Point list{409, 175};           // the open list, above its opener
inline constexpr Point listItem3{420, 176};      // the open list's third row
inline constexpr Point listOverOpener{412, 208}; // the open list where it covers its opener
inline constexpr Point question{240, 100};
inline constexpr Point answer{150, 240};
inline constexpr Point counter{430, 275};
inline constexpr Point backOverCounter{394, 255}; // the Back glyph where it covers the counter
inline constexpr Point backOverAnswer{380, 245};  // the Back glyph where it covers the answer
inline constexpr Point picture{50, 240};          // the reveal picture, over the answer
} // namespace points

// Half of them uniform over the client area, half inside some control's rectangle, so that even
// the small glyphs are hit often.
inline std::pair<int, int> randomPoint(std::mt19937& random)
{
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution(low, std::max(low, high))(random);
    };
    if (random() % 2 == 0)
        return {between(0, 474), between(0, 304)};
    const auto& controls = form1Definition().controls;
    const PixelRect r = inPixels(controls[random() % controls.size()].rect);
    const int x = r.left + between(0, r.width - 1);
    const int y = r.top + between(0, r.height - 1);
    return {std::clamp(x, 0, 474), std::clamp(y, 0, 304)};
}

// A random session's steps, the same whether the model or the real window takes them: where the
// pointer goes (randomPoint) and whether it clicks there (one step in clickOneIn).
class RandomSession {
  public:
    struct Step {
        Point at;
        bool click = false;
    };

    RandomSession(unsigned seed, unsigned clickOneIn) : m_random(seed), m_clickOneIn(clickOneIn) {}

    Step next()
    {
        const auto [x, y] = randomPoint(m_random);
        const bool click = m_random() % m_clickOneIn == 0;
        return {{x, y}, click};
    }

    // For whatever else a session draws (a list item, a key).
    std::mt19937& random() { return m_random; }

  private:
    std::mt19937 m_random;
    unsigned m_clickOneIn;
};

} // namespace zarvona

// Random points over the window for randomised sessions: half of them uniform over the client
// area, half inside some control's rectangle, so that even the small glyphs are hit often.
#pragma once

#include "ui/form_definition.h"

#include <algorithm>
#include <random>
#include <utility>

namespace zarvona {

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

} // namespace zarvona

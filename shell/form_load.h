// Start-up of the window: Form_Load centres the window on the screen, gives the reveal button
// its resting picture and shows the riddle the counter names (riddle 1 at start).
#pragma once

#include <cstdint>

namespace zarvona {

class Form;

// Where a window of the given outer size goes on a screen of the given size, along one axis,
// in twips: the difference rounded to the nearest integer (halves to even), then halved with
// truncation toward zero. A window larger than the screen gets a negative offset.
std::int32_t centredOffset(float screenSize, float windowSize);

void Form_Load(Form& form);

} // namespace zarvona

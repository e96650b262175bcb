// What holds after every step of any session, on the model or the real window: the counter reads
// a whole number from 1 to RiddleCount, written plainly, and the question and the answer are
// that riddle's.
#pragma once

#include "ui/form.h"

#include <string>

namespace zarvona {

// What is wrong, or empty where every invariant holds.
std::string brokenInvariant(const Form& form);

} // namespace zarvona

#include "app/font_warmup.h"

namespace zarvona {

FontWarmup::FontWarmup() = default;

FontWarmup::~FontWarmup() = default;

void FontWarmup::wait() {}

} // namespace zarvona

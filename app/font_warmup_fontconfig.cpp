#include "app/font_warmup.h"

#include <fontconfig/fontconfig.h>

namespace zarvona {

FontWarmup::FontWarmup() : m_thread([] { FcInit(); }) {}

FontWarmup::~FontWarmup() { wait(); }

void FontWarmup::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace zarvona

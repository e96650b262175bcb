// Builds without X11 (Windows): Windows counts the frame in a window's size as soon as the native
// window is made, so there is nothing to ask ahead.
#include "window/form/frame_extents.h"

namespace zarvona {

std::optional<QMargins> askFrameExtents(QWidget&) { return std::nullopt; }

} // namespace zarvona

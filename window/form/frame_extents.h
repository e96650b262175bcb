// The frame a window manager will put round the window, learnt before the window first shows, so
// that start-up centres the framed window where it will stand and never moves it once it is seen.
// An X11 window manager that answers _NET_REQUEST_FRAME_EXTENTS tells it beforehand. With any
// other, with none, on another platform, or when the answer is slow in coming, nothing is known
// and start-up centres the client area.
#pragma once

#include <QMargins>

#include <optional>

class QWidget;

namespace zarvona {

// Asks for the frame of a top-level window that has not been shown yet; makes its native window.
std::optional<QMargins> askFrameExtents(QWidget& window);

} // namespace zarvona

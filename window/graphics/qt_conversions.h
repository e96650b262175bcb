// The control model's colours and the layout's pixel rectangles as Qt's.
#pragma once

#include "ui/form_definition.h"

#include <QColor>
#include <QRect>

namespace zarvona {

inline QColor toQColor(Colour colour) { return {redOf(colour), greenOf(colour), blueOf(colour)}; }

inline QRect toQRect(const PixelRect& r) { return {r.left, r.top, r.width, r.height}; }

} // namespace zarvona

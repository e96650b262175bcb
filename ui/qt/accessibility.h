// What assistive technology sees of the window: the question, the answer and the counter as
// static text that follows their captions; the glyph buttons and the picture button as buttons
// with Arabic names and a press action that does what a click does (for the list opener, what
// pointing at it does: it opens the number list, ready for the keyboard). The window's layout
// and handlers are untouched by it.
#pragma once

namespace zarvona {

// Registers the factory for the window's own widgets with Qt; call once, before the window shows.
void installAccessibility();

} // namespace zarvona

// What assistive technology sees of the window. The top level is a frame named after the
// window's title; its children are the question, the answer and the counter as text (the
// answer's text only while it shows), the five buttons (About, the list opener, Back, Next and
// the reveal picture) as push buttons with Arabic names, and the number list as a list of its
// numbers. The hidden picture holders and the decorations are not exposed at all.
//
// A button's press action raises what a click raises (for the list opener, what pointing at it
// does, and the list then has the keyboard); About's is queued, so the action call returns
// before its modal box opens. Selecting a number through the list's selection (or its item's
// action) is a pick, as a click on it is. The window's layout and handlers are untouched by it.
#pragma once

#include "ui/control.h"

#include <QString>

class QAccessibleEvent;
class QWidget;

namespace zarvona {

class TextLabel;

// Registers the factory for the window's own widgets with Qt; call once, before the window shows.
void installAccessibility();

// The Arabic name of one of the five buttons.
QString buttonName(Control control);

// The text a label exposes: none while it is hidden.
QString exposedText(const TextLabel& label);

// Tells assistive technology that the text a label exposes changed from before.
void announceText(TextLabel& label, const QString& before);

// Names the number list, once made, and tells assistive technology it is there.
void announceList(QWidget* list);

// Where announcements go: to Qt's bridge while a tool listens. Tests listen in here, since Qt
// sends nothing on a platform without assistive technology. Returns the one it replaces; null
// restores the bridge.
using Announcer = void (*)(QAccessibleEvent* event);
Announcer setAnnouncer(Announcer announcer);

} // namespace zarvona

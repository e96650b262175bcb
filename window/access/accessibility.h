// What assistive technology sees of the window. The top level is a frame named after the
// window's title; its children are the question, the answer and the counter as text (the
// answer's text only while it shows), the five buttons (About, the list opener, Back, Next and
// the reveal picture) as push buttons named as the definition names them, with their keys as
// the description, the number list while it shows, and what speaks for the window. The hidden
// picture holders and the decorations are not exposed at all.
//
// Orca speaks a move of the focus but not a label's new text, so after each move (by key or by
// pointer) the window says the new number and question, and after a reveal the answer, once the
// action is done: through a notification in a status bar, neither of which is visible. At the
// first activation it says the riddle it opens on.
//
// A button's press action raises what a click raises (for the list opener, what pointing at it
// does, and the list then has the keyboard); About's is queued, so the action call returns
// before its modal box opens. Selecting a number through the list's selection (or its item's
// action) is a pick, as a click on it is. The window's layout and handlers are untouched by it,
// and while no assistive tool listens it costs a click one test.
#pragma once

#include "ui/control.h"
#include "ui/form.h"
#include "ui/form_definition.h"

#include <QString>

class QAccessibleEvent;
class QWidget;

namespace zarvona {

class TextLabel;

// Registers the factory for the window's own widgets with Qt; call once, before the window shows.
void installAccessibility();

// Gives the window what speaks for it, and the order and the roles its definition gives its
// controls; call once, when its controls are made.
void exposeSpeech(QWidget* window, const FormDefinition& definition);

// An event the window raised: a move or a reveal is heard once it is done.
void noteAction(QWidget* window, Control control, Event event);

// The window became active: the first time, the riddle it shows is heard.
void noteActivation(QWidget* window);

// A text as the reader is given it: runs of numbers in the order they show, isolated.
QString spokenText(const QString& shown);

// The text a label exposes: none while it is hidden.
QString exposedText(const TextLabel& label);

// Where the window's own announcements go: to Qt's bridge while a tool listens. Tests listen in
// here, since Qt sends nothing on a platform without assistive technology. Returns the one it
// replaces; null restores the bridge.
using Announcer = void (*)(QAccessibleEvent* event);
Announcer setAnnouncer(Announcer announcer);

} // namespace zarvona

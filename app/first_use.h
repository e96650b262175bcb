// Keeps start-up to what the first paint shows, and first clicks free of first-time costs: once
// the window has been painted for the first time and the event loop is idle, the sound thread
// starts and loads the sound library, and the window prepares the number list and the answer's
// face. Nothing of it runs before the window shows.
//
// From then on, a moment after each click (and after the pointer comes onto a number in the open
// list), the texts a next move would show are laid out ahead of need: the next and the previous
// riddle's question, answer and number, those of the number pointed at, and the showing riddle's
// answer, so that a move or a reveal paints text already shaped. Nothing else is kept, and
// nothing runs again until the next click or number pointed at.
#pragma once

namespace zarvona {

class CuePlayer;
class QtForm;

void prepareAfterFirstPaint(QtForm& form, CuePlayer& cues);

// Lays out what the moves from the riddle showing would show (see above).
void prepareNextMoves(QtForm& form);

} // namespace zarvona

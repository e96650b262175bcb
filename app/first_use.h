// Keeps start-up to what the first paint shows, and first clicks free of first-time costs: once
// the window has been painted for the first time and the event loop is idle, the sound thread
// starts and loads the sound library, and the window prepares the number list and the answer's
// face. Nothing of it runs before the window shows.
#pragma once

namespace zarvona {

class CuePlayer;
class QtForm;

void prepareAfterFirstPaint(QtForm& form, CuePlayer& cues);

} // namespace zarvona

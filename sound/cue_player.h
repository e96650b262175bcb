// The sound seam: play(name) starts the named .wav file and returns at once. On Linux the file is
// looked for in the current directory, then in the installed data folder (cue_locator.h). A cue
// started while another still plays cuts it off. It never reports failure: with no sound device
// the program is simply silent.
#pragma once

#include <memory>
#include <string_view>

namespace zarvona {

class CuePlayer {
  public:
    virtual ~CuePlayer() = default;
    virtual void play(std::string_view fileName) = 0;
    // Gets ready for the first cue (loads the sound library, reaches the sound service) in the
    // background, so that the first click pays nothing for it; called once the window has first
    // been painted. Playing works without it.
    virtual void prepare() {}
};

// The platform's player: the desktop's event-sound service on Linux, the system call on Windows.
std::unique_ptr<CuePlayer> makeSystemCuePlayer();

} // namespace zarvona

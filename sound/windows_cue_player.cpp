// The Windows cue player: the system's own call, asynchronous, with neither the no-stop nor the
// no-default flag, so a new cue cuts off one still playing and a missing file plays the system's
// default sound.
#include "sound/cue_player.h"

// <mmsystem.h> uses the types <windows.h> declares and does not include it itself, so the order
// matters and sorting must not touch it; scripts/check-windows compiles this file to catch it.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <string>

namespace zarvona {

namespace {

class WindowsCuePlayer final : public CuePlayer {
  public:
    void play(std::string_view fileName) override
    {
        const std::string name(fileName); // the program's cue names are plain ASCII
        sndPlaySoundA(name.c_str(), SND_ASYNC);
    }
};

} // namespace

std::unique_ptr<CuePlayer> makeSystemCuePlayer() { return std::make_unique<WindowsCuePlayer>(); }

} // namespace zarvona

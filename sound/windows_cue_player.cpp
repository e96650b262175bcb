// The Windows cue player: the system's own call, asynchronous, with neither the no-stop nor the
// no-default flag, so a new cue cuts off one still playing and a missing file plays the system's
// default sound. The bare name goes to sndPlaySoundA where the current directory has the cue;
// otherwise the cue beside the program is named by its whole path, in UTF-16, so that a folder
// whose name the ANSI code page cannot spell still plays.
#include "sound/cue_locator.h"
#include "sound/cue_player.h"

// <mmsystem.h> uses the types <windows.h> declares and does not include it itself, so the order
// matters and sorting must not touch it.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <filesystem>
#include <string>
#include <vector>

namespace zarvona {

namespace {

std::filesystem::path programFolder()
{
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (length == 0)
            return {};
        if (length < name.size())
            return std::filesystem::path(std::wstring(name.data(), length)).parent_path();
        name.resize(name.size() * 2); // a long path: the name was cut short
    }
}

class WindowsCuePlayer final : public CuePlayer {
  public:
    void play(std::string_view fileName) override
    {
        const std::filesystem::path cue = systemCueName(fileName, m_programFolder);
        if (cue.has_parent_path()) {
            sndPlaySoundW(cue.c_str(), SND_ASYNC);
            return;
        }
        const std::string name(fileName); // the program's cue names are plain ASCII
        sndPlaySoundA(name.c_str(), SND_ASYNC);
    }

  private:
    const std::filesystem::path m_programFolder = programFolder();
};

} // namespace

std::unique_ptr<CuePlayer> makeSystemCuePlayer() { return std::make_unique<WindowsCuePlayer>(); }

} // namespace zarvona

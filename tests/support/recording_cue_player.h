// A cue player that remembers what it was asked to play and plays nothing.
#pragma once

#include "sound/cue_player.h"

#include <string>
#include <string_view>
#include <vector>

namespace zarvona {

class RecordingCuePlayer final : public CuePlayer {
  public:
    void play(std::string_view fileName) override { m_played.emplace_back(fileName); }
    const std::vector<std::string>& played() const { return m_played; }
    void clear() { m_played.clear(); }

  private:
    std::vector<std::string> m_played;
};

} // namespace zarvona

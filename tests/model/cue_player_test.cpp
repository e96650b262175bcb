#include "sound/cue_player.h"

#include <gtest/gtest.h>

namespace zarvona {
namespace {

// Whatever the machine has (a sound server, a bare device, or nothing at all), asking for cues
// never blocks or fails, and the player shuts down cleanly with cues still pending.
TEST(CuePlayer, TheSystemPlayerTakesABurstOfCuesAndShutsDownCleanly)
{
    for (int round = 0; round < 3; ++round) {
        const std::unique_ptr<CuePlayer> player = makeSystemCuePlayer();
        ASSERT_NE(player, nullptr);
        for (int i = 0; i < 50; ++i)
            player->play(i % 2 ? "click.wav" : "missing-cue.wav");
    }
}

TEST(CuePlayer, TheRecordingPlayerRemembersEveryCueInOrder)
{
    RecordingCuePlayer player;
    player.play("click.wav");
    player.play("right.wav");
    EXPECT_EQ(player.played(), (std::vector<std::string>{"click.wav", "right.wav"}));
}

} // namespace
} // namespace zarvona

#include "sound/cue_player.h"

#include <gtest/gtest.h>

#include <filesystem>

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

std::size_t threadCount()
{
    const std::filesystem::directory_iterator tasks("/proc/self/task");
    return static_cast<std::size_t>(std::distance(begin(tasks), end(tasks)));
}

// Start-up pays nothing for sound: the player's thread is made when it is asked to get ready
// (after the window's first paint) or at the first cue, once, and never at construction.
TEST(CuePlayer, TheSoundThreadStartsWhenReadiedNotWhenMade)
{
    if (!std::filesystem::exists("/proc/self/task"))
        GTEST_SKIP() << "no /proc to count threads in";
    for (const bool readied : {true, false}) {
        const std::size_t before = threadCount();
        const std::unique_ptr<CuePlayer> player = makeSystemCuePlayer();
        EXPECT_EQ(threadCount(), before);
        if (readied) {
            player->prepare();
            player->prepare();
        }
        player->play("click.wav");
        player->play("right.wav");
        EXPECT_EQ(threadCount(), before + 1) << (readied ? "readied first" : "played at once");
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

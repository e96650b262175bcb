#include "sound/cue_player.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace zarvona {
namespace {

// The sound threads running, known by their name (a sanitizer may run threads of its own).
std::size_t soundThreads()
{
    std::size_t count = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::string name;
        std::getline(std::ifstream(task.path() / "comm"), name);
        count += name == "zarvona-sound";
    }
    return count;
}

// Start-up pays nothing for sound: the player's thread is made when it is asked to get ready
// (after the window's first paint) or at the first cue, once, and never at construction.
TEST(CuePlayer, TheSoundThreadStartsWhenReadiedNotWhenMade)
{
    if (!std::filesystem::exists("/proc/self/task"))
        GTEST_SKIP() << "no /proc to count threads in";
    for (const bool readied : {true, false}) {
        const std::size_t before = soundThreads();
        const std::unique_ptr<CuePlayer> player = makeSystemCuePlayer();
        EXPECT_EQ(soundThreads(), before);
        if (readied) {
            player->prepare();
            player->prepare();
        }
        player->play("click.wav");
        player->play("right.wav");
        EXPECT_EQ(soundThreads(), before + 1) << (readied ? "readied first" : "played at once");
    }
}

// Whatever the machine has (a sound server, a bare device, or nothing at all), a burst of cues,
// found and missing, is taken, and the player shuts down with cues still pending: its thread ends.
TEST(CuePlayer, TheSystemPlayerTakesABurstOfCuesAndShutsDownCleanly)
{
    if (!std::filesystem::exists("/proc/self/task"))
        GTEST_SKIP() << "no /proc to count threads in";
    const std::size_t before = soundThreads();
    for (int round = 0; round < 3; ++round) {
        {
            const std::unique_ptr<CuePlayer> player = makeSystemCuePlayer();
            for (int i = 0; i < 50; ++i)
                player->play(i % 2 ? "click.wav" : "missing-cue.wav");
            EXPECT_EQ(soundThreads(), before + 1) << "round " << round;
        }
        EXPECT_EQ(soundThreads(), before) << "round " << round << ": the sound thread outlived it";
    }
}

} // namespace
} // namespace zarvona

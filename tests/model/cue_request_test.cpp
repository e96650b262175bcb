#include "sound/cue_request.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace zarvona {
namespace {

TEST(CueRequest, AReadableFileIsPlayedAndAnythingElseRingsTheBell)
{
    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / ("zarvona-cues-" + std::to_string(std::random_device()()));
    fs::create_directories(dir / "folder.wav");
    std::ofstream(dir / "click.wav") << "RIFF";
    std::ofstream(dir / "empty.wav");

    const CueRequest found = resolveCue("click.wav", dir.string());
    EXPECT_FALSE(found.bell);
    EXPECT_EQ(found.path, (dir / "click.wav").string());
    EXPECT_EQ(resolveCue("click.wav", dir.string() + "/").path, found.path);

    for (const char* name : {"right.wav", "empty.wav", "folder.wav", ""}) {
        const CueRequest missing = resolveCue(name, dir.string());
        EXPECT_TRUE(missing.bell) << name;
        EXPECT_TRUE(missing.path.empty()) << name;
    }
    fs::remove_all(dir);
}

} // namespace
} // namespace zarvona

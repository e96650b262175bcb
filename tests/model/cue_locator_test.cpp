// Where the cues are found: the current directory first, then the data folder installed beside
// the program (on Windows the program's own folder), then the bell; and nothing that is not a
// regular file is ever opened.
#include "sound/cue_locator.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>

namespace zarvona {
namespace {

namespace fs = std::filesystem;

// A temporary installed tree: prefix/bin (the program's folder), prefix/share/zarvona (its data
// folder) and a separate working folder, removed again at the end.
class InstalledTree : public testing::Test {
  protected:
    void SetUp() override
    {
        root =
            fs::temp_directory_path() / ("zarvona-tree-" + std::to_string(std::random_device()()));
        fs::create_directories(bin());
        fs::create_directories(data());
        fs::create_directories(work());
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path bin() const { return root / "prefix" / "bin"; }
    fs::path data() const { return root / "prefix" / "share" / "zarvona"; }
    fs::path work() const { return root / "work"; }
    static void write(const fs::path& path, const char* bytes) { std::ofstream(path) << bytes; }

    fs::path root;
};

TEST_F(InstalledTree, TheDataFolderIsFoundFromTheProgramsFolder)
{
    const std::vector<std::string> folders = cueFolders(work().string(), bin().string());
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0], work().string());
    EXPECT_TRUE(fs::equivalent(folders[1], data()));
    // Where the program's folder is unknown, only the current directory is searched.
    EXPECT_EQ(cueFolders(work().string(), ""), std::vector<std::string>{work().string()});
}

TEST_F(InstalledTree, TheCurrentDirectoryComesFirstThenTheDataFolderThenTheBell)
{
    write(data() / "click.wav", "RIFF-data");
    write(data() / "right.wav", "RIFF-data");
    write(work() / "click.wav", "RIFF-work");
    write(work() / "right.wav", ""); // empty: as good as missing
    fs::create_directories(work() / "other.wav");
    const std::vector<std::string> folders = cueFolders(work().string(), bin().string());

    const struct {
        const char* name;
        fs::path expected; // empty for the bell
    } cases[] = {
        {"click.wav", work() / "click.wav"},
        {"right.wav", data() / "right.wav"},
        {"other.wav", {}}, // a folder in the current directory, nothing in the data folder
        {"missing.wav", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        const CueRequest request = locateCue(c.name, folders);
        EXPECT_EQ(request.bell, c.expected.empty()) << c.name;
        if (!c.expected.empty())
            EXPECT_TRUE(fs::equivalent(request.path, c.expected)) << c.name << ": " << request.path;
        else
            EXPECT_TRUE(request.path.empty()) << c.name;
    }
}

// The Windows call: the bare name where the current directory has the cue, else the cue beside
// the program by its path, else the bare name, for the system's default sound.
TEST_F(InstalledTree, TheWindowsCallNamesTheCueBareUnlessOnlyTheProgramsFolderHasIt)
{
    write(work() / "click.wav", "RIFF-work");
    write(bin() / "click.wav", "RIFF-bin");
    write(bin() / "right.wav", "RIFF-bin");
    write(work() / "empty.wav", "");
    write(bin() / "empty.wav", "RIFF-bin");
    fs::create_directories(work() / "folder.wav");
    const fs::path here = fs::current_path();
    fs::current_path(work());
    const struct {
        const char* name;
        fs::path programFolder;
        fs::path expected;
    } cases[] = {
        {"click.wav", bin(), "click.wav"},
        {"right.wav", bin(), bin() / "right.wav"},
        {"empty.wav", bin(), bin() / "empty.wav"}, // an empty file here is as good as none
        {"folder.wav", bin(), "folder.wav"},       // nowhere a file: the system's default
        {"missing.wav", bin(), "missing.wav"},
        {"right.wav", {}, "right.wav"}, // the program's folder unknown
    };
    for (const auto& c : cases)
        EXPECT_EQ(systemCueName(c.name, c.programFolder), c.expected) << c.name;
    fs::current_path(here);
}

TEST_F(InstalledTree, ALinkToACueCountsAndABrokenLinkDoesNot)
{
    write(data() / "right.wav", "RIFF");
    fs::create_symlink(data() / "right.wav", work() / "right.wav");
    fs::create_symlink(work() / "nowhere.wav", work() / "click.wav");
    EXPECT_TRUE(isPlayableFile((work() / "right.wav").string()));
    EXPECT_FALSE(isPlayableFile((work() / "click.wav").string()));
    EXPECT_TRUE(locateCue("click.wav", {work().string()}).bell);
}

// Runs the lookup in a child process and gives it a few seconds: a lookup that blocks is killed
// and reported, rather than hanging the suite. The child writes the path it found (empty for the
// bell) down a pipe.
std::optional<std::string> lookupWithWatchdog(std::string_view name,
                                              const std::vector<std::string>& folders)
{
    int channel[2];
    if (pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const std::string found = locateCue(name, folders).path;
        const ssize_t written = write(channel[1], found.data(), found.size());
        _exit(written == ssize_t(found.size()) ? 0 : 1);
    }
    close(channel[1]);
    pollfd reader{channel[0], POLLIN, 0};
    std::optional<std::string> result;
    if (child > 0 && poll(&reader, 1, 5000) == 1) {
        std::string found;
        char buffer[512];
        for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
            found.append(buffer, std::size_t(n));
        result = found;
    }
    close(channel[0]);
    if (child > 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    return result;
}

// A FIFO named like a cue would block whoever opens it until a writer turns up: the sound thread
// would hang for good. It must count as missing, so the data folder's cue plays instead.
TEST_F(InstalledTree, AFifoInTheCurrentDirectoryCountsAsMissingAndNeverBlocks)
{
    write(data() / "click.wav", "RIFF");
    const fs::path fifo = work() / "click.wav";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::vector<std::string> folders = cueFolders(work().string(), bin().string());

    const std::optional<std::string> found = lookupWithWatchdog("click.wav", folders);
    ASSERT_TRUE(found.has_value()) << "the lookup blocked on the FIFO";
    ASSERT_FALSE(found->empty()) << "the bell, though the data folder has the cue";
    EXPECT_TRUE(fs::equivalent(*found, data() / "click.wav")) << *found;
    EXPECT_FALSE(isPlayableFile(fifo.string()));
}

TEST(CueLocator, TheRunningProgramsFolderIsKnown)
{
    const std::string folder = executableDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(fs::exists(fs::path(folder) / "model_tests"));
    EXPECT_TRUE(fs::equivalent(currentDirectory(), fs::current_path()));
}

TEST(CueLocator, AReadableFileIsPlayedAndAnythingElseRingsTheBell)
{
    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / ("zarvona-cues-" + std::to_string(std::random_device()()));
    fs::create_directories(dir / "folder.wav");
    std::ofstream(dir / "click.wav") << "RIFF";
    std::ofstream(dir / "empty.wav");

    const CueRequest found = locateCue("click.wav", {dir.string()});
    EXPECT_FALSE(found.bell);
    EXPECT_EQ(found.path, (dir / "click.wav").string());
    EXPECT_EQ(locateCue("click.wav", {dir.string() + "/"}).path, found.path);

    for (const char* name : {"right.wav", "empty.wav", "folder.wav", ""}) {
        const CueRequest missing = locateCue(name, {dir.string()});
        EXPECT_TRUE(missing.bell) << name;
        EXPECT_TRUE(missing.path.empty()) << name;
    }
    fs::remove_all(dir);
}

} // namespace
} // namespace zarvona

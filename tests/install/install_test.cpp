// The program as a user gets it: its command line without a display, the tree that
// `cmake --install` lays out (and the cues the program finds in it from anywhere), and the Debian
// package made of that tree.
#include "sound/cue_locator.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>

namespace zarvona {
namespace {

namespace fs = std::filesystem;

// What --version answers: the version as the build gives it, never written here.
const std::string Version = "Zarvona " ZARVONA_VERSION_TEXT "\n";

struct Finished {
    int status = -1;
    std::string output; // standard output and standard error together
};

Finished run(const std::string& command)
{
    Finished result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.output.append(buffer, n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string quoted(const fs::path& path)
{
    std::string text(1, '\'');
    text += path.string();
    text += '\'';
    return text;
}

// No display of any kind: whatever opens one fails.
const std::string kNoDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";

std::string read(const fs::path& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

fs::path temporaryFolder(const char* what)
{
    const fs::path dir = fs::temp_directory_path() / (std::string("zarvona-") + what + "-" +
                                                      std::to_string(std::random_device()()));
    fs::create_directories(dir);
    return dir;
}

// Every file the installed program consists of, below its prefix.
const std::set<std::string> kInstalledFiles = {
    "games/zarvona",
    "share/zarvona/click.wav",
    "share/zarvona/right.wav",
    "share/applications/org.zarvona.zarvona.desktop",
    "share/metainfo/org.zarvona.zarvona.metainfo.xml",
    "share/doc/zarvona/copyright",
    "share/doc/zarvona/changelog.gz",
    "share/man/man6/zarvona.6.gz",
    "share/icons/hicolor/16x16/apps/org.zarvona.zarvona.png",
    "share/icons/hicolor/24x24/apps/org.zarvona.zarvona.png",
    "share/icons/hicolor/32x32/apps/org.zarvona.zarvona.png",
    "share/icons/hicolor/48x48/apps/org.zarvona.zarvona.png",
    "share/icons/hicolor/64x64/apps/org.zarvona.zarvona.png",
    "share/icons/hicolor/128x128/apps/org.zarvona.zarvona.png",
    "share/icons/hicolor/256x256/apps/org.zarvona.zarvona.png",
    "share/icons/hicolor/scalable/apps/org.zarvona.zarvona.svg",
};

std::set<std::string> filesBelow(const fs::path& root)
{
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (!entry.is_directory())
            files.insert(fs::relative(entry.path(), root).generic_string());
    return files;
}

TEST(CommandLine, VersionAndHelpAnswerWithoutADisplayAndAnythingElseIsIgnored)
{
    const struct {
        const char* arguments;
        int status;
        std::vector<std::string> says;
    } cases[] = {
        {"--version", 0, {Version}},
        {"-v", 0, {Version}},
        {"--help", 0, {"--help", "--version", "يعرض رقم الإصدار"}},
        {"-h --unknown", 0, {"--help", "--version"}},
        {"riddle.txt --help", 0, {"--help"}},
        // Anything else is ignored: the program goes on to open its window, and there is none.
        {"--unknown", 1, {"cannot open a display"}},
        {"riddle.txt", 1, {"cannot open a display"}},
    };
    for (const auto& c : cases) {
        const Finished r = run(kNoDisplay + ZARVONA_PROGRAM " " + c.arguments);
        EXPECT_EQ(r.status, c.status) << c.arguments << ": " << r.output;
        for (const std::string& text : c.says)
            EXPECT_NE(r.output.find(text), std::string::npos) << c.arguments << ": " << r.output;
    }
    EXPECT_EQ(run(kNoDisplay + ZARVONA_PROGRAM " --version").output, Version);
    // Every line of the help opens and closes with a right-to-left mark, the colon of the usage
    // line keeps one after it, and no left-to-right mark pulls a line the other way.
    const std::string rlm = "\u200F", help = run(kNoDisplay + ZARVONA_PROGRAM " --help").output;
    EXPECT_NE(help.find("الاستخدام:" + rlm + " "), std::string::npos) << help;
    EXPECT_EQ(help.find("\u200E"), std::string::npos) << help;
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty()) {
            EXPECT_TRUE(line.starts_with(rlm) && line.ends_with(rlm)) << line;
        }
}

class InstalledProgram : public testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        prefix = temporaryFolder("prefix");
        const Finished r =
            run("'" ZARVONA_CMAKE "' --install '" ZARVONA_BUILD_DIR "' --prefix " + quoted(prefix));
        ASSERT_EQ(r.status, 0) << r.output;
    }
    static void TearDownTestSuite() { fs::remove_all(prefix); }

    static fs::path prefix;
};

fs::path InstalledProgram::prefix;

TEST_F(InstalledProgram, TheTreeHoldsExactlyTheProgramItsDataAndItsMetadata)
{
    EXPECT_EQ(filesBelow(prefix), kInstalledFiles);
    const std::string entry = read(prefix / "share/applications/org.zarvona.zarvona.desktop");
    EXPECT_EQ(entry.find("Path="), std::string::npos) << "a launcher needs no working directory";
    EXPECT_NE(entry.find("\nExec=zarvona\n"), std::string::npos);
    EXPECT_NE(entry.find("\nStartupWMClass=Zarvona\n"), std::string::npos);
    // The copyright file carries every licence the repository uses.
    const std::string copyright = read(prefix / "share/doc/zarvona/copyright");
    for (const char* licence : {"License: Expat\n", "License: CC-BY-4.0\n", "License: CC0-1.0\n"})
        EXPECT_NE(copyright.find(licence), std::string::npos) << licence;
    const Finished version = run(kNoDisplay + quoted(prefix / "games/zarvona") + " --version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, Version);
    // The manual page describes every option --help lists.
    const std::string page = run("zcat " + quoted(prefix / "share/man/man6/zarvona.6.gz")).output;
    const std::string help = run(kNoDisplay + quoted(prefix / "games/zarvona") + " --help").output;
    int options = 0;
    for (std::size_t at = 0; (at = help.find("--", at)) != std::string::npos; ++options) {
        const std::size_t end = help.find_first_of(" ,\n", at);
        const std::string option = help.substr(at + 2, end - at - 2);
        EXPECT_NE(page.find("\\-\\-" + option), std::string::npos) << option;
        at = end;
    }
    EXPECT_EQ(options, 2) << help;
}

TEST_F(InstalledProgram, StartedFromAnotherFolderItFindsBothCuesInItsDataFolder)
{
    const std::vector<std::string> folders = cueFolders("/", (prefix / "games").string());
    for (const char* cue : {"click.wav", "right.wav"}) {
        const CueRequest request = locateCue(cue, folders);
        EXPECT_FALSE(request.bell) << cue;
        EXPECT_TRUE(fs::equivalent(request.path, prefix / "share/zarvona" / cue)) << request.path;
    }
}

// The desktop's own checkers find nothing to say about the menu entry and the metadata (the
// metadata's web addresses are not fetched: the tests run offline).
TEST_F(InstalledProgram, TheMenuEntryAndTheMetadataPassTheDesktopsCheckers)
{
    const struct {
        const char* tool;
        std::string command;
    } checks[] = {
        {"desktop-file-validate",
         "desktop-file-validate " +
             quoted(prefix / "share/applications/org.zarvona.zarvona.desktop")},
        {"appstreamcli", "appstreamcli validate --pedantic --no-net --no-color " +
                             quoted(prefix / "share/metainfo/org.zarvona.zarvona.metainfo.xml")},
    };
    int checked = 0;
    for (const auto& c : checks) {
        if (run(std::string("command -v ") + c.tool).status != 0)
            continue;
        ++checked;
        const Finished r = run(c.command);
        EXPECT_EQ(r.status, 0) << c.tool << ": " << r.output;
        // No hints, no pedantic notes: the only output allowed is the success line.
        EXPECT_LE(std::count(r.output.begin(), r.output.end(), '\n'), 1)
            << c.tool << ": " << r.output;
    }
    if (checked == 0)
        GTEST_SKIP() << "neither desktop-file-validate nor appstreamcli is installed";
}

// The package's fields and files, as apt will see them.
TEST(DebianPackage, DependsOnWhatTheProgramLoadsAndRecommendsTheSoundBridgeOnly)
{
    if (run("command -v dpkg-deb && command -v dpkg-shlibdeps").status != 0)
        GTEST_SKIP()
            << "dpkg-deb or dpkg-shlibdeps is not installed (scripts/install-deps package)";
    const fs::path out = temporaryFolder("package");
    const Finished made = run("cd " + quoted(out) + " && '" ZARVONA_CPACK "' -G DEB --config '" +
                              ZARVONA_BUILD_DIR "/CPackConfig.cmake' -B " + quoted(out));
    ASSERT_EQ(made.status, 0) << made.output;
    const fs::path deb = out / "zarvona_" ZARVONA_VERSION "_amd64.deb";
    ASSERT_TRUE(fs::exists(deb)) << made.output;

    auto field = [&](const char* name) {
        std::string value = run("dpkg-deb -f " + quoted(deb) + " " + name).output;
        while (!value.empty() && value.back() == '\n')
            value.pop_back();
        return value;
    };
    EXPECT_EQ(field("Package"), "zarvona");
    EXPECT_EQ(field("Version"), ZARVONA_VERSION);
    EXPECT_EQ(field("Section"), "games");
    EXPECT_EQ(field("Recommends"), "libcanberra-pulse, qt6-wayland");
    const std::string depends = field("Depends");
    // Loaded or asked for by name (the sound library, the pinned faces), and linked (found by
    // shlibdeps): all there. A sound server or its bridge: never.
    // The window's scale uses a private Qt interface, so shlibdeps asks for the exact Qt release.
    for (const char* wanted : {"libcanberra0", "fonts-hosny-amiri", "fonts-noto-core",
                               "libqt6widgets6", "libqt6gui6", "libc6", "qt6-base-abi (= 6."})
        EXPECT_NE(depends.find(wanted), std::string::npos) << wanted << " in " << depends;
    for (const char* unwanted : {"pulseaudio", "pipewire", "libcanberra-pulse"})
        EXPECT_EQ(depends.find(unwanted), std::string::npos) << unwanted << " in " << depends;

    std::set<std::string> files;
    std::istringstream listing(run("dpkg-deb -c " + quoted(deb)).output);
    for (std::string line; std::getline(listing, line);)
        if (!line.empty() && line.front() == '-') // regular files only
            files.insert(line.substr(line.find("./usr/") + 6));
    EXPECT_EQ(files, kInstalledFiles);

    // Debian's own checker finds no error and nothing to warn of (notes may remain); it fails
    // on either, and when it cannot check at all.
    if (run("command -v lintian").status == 0) {
        const Finished checked = run("lintian --fail-on error,warning " + quoted(deb));
        EXPECT_EQ(checked.status, 0) << checked.output;
    }
    fs::remove_all(out);
}

} // namespace
} // namespace zarvona

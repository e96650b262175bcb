// The build tool that compiles the riddles: whatever characters catalogue.json holds, the C++ it
// writes compiles, and a file of the wrong shape fails the build with the reason.
#include "ui/riddle_count.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace zarvona {
namespace {

namespace fs = std::filesystem;

int runQuietly(const std::string& command)
{
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A catalogue of count entries, each question holding the given text.
std::string catalogue(int count, const std::string& text)
{
    std::string json = "[";
    for (int n = 1; n <= count; ++n)
        json += (n > 1 ? ",\n" : "\n") + std::string("{\"number\": ") + std::to_string(n) +
                ", \"question\": \"" + text + " " + std::to_string(n) +
                "\", \"answer\": \"\\u062c\\r\\n\"}";
    return json + "\n]\n";
}

TEST(EmbedCatalogue, AnyTextCompilesAndAWrongShapeFails)
{
    const fs::path dir =
        fs::temp_directory_path() / ("zarvona-embed-" + std::to_string(std::random_device()()));
    fs::create_directories(dir);
    const struct {
        const char* what;
        std::string json;
        bool builds;
    } cases[] = {
        // A character beyond the first 65,536 (an emoji, a rare CJK ideograph) beside Arabic,
        // quotes, a backslash and a question mark (no trigraph may form).
        {"wide characters",
         catalogue(RiddleCount, "\\u0633\\u0624\\u0627\\u0644 \\ud83d\\ude00 \\ud840\\udc00 "
                                "\\\" \\\\ ?\?= ?"),
         true},
        {"one entry short", catalogue(RiddleCount - 1, "q"), false},
        {"not JSON", "[{", false},
    };
    for (const auto& c : cases) {
        std::ofstream(dir / "catalogue.json") << c.json;
        fs::remove(dir / "catalogue_data.cpp");
        const int tool = runQuietly(std::string(ZARVONA_EMBED_CATALOGUE) + " '" +
                                    (dir / "catalogue.json").string() + "' '" +
                                    (dir / "catalogue_data.cpp").string() + "'");
        EXPECT_EQ(tool == 0, c.builds) << c.what;
        if (!c.builds) {
            EXPECT_FALSE(fs::exists(dir / "catalogue_data.cpp")) << c.what;
            continue;
        }
        EXPECT_EQ(runQuietly(std::string(ZARVONA_CXX) + " -std=c++20 -fsyntax-only -I'" +
                             ZARVONA_SOURCE_DIR + "' '" + (dir / "catalogue_data.cpp").string() +
                             "'"),
                  0)
            << c.what << ": the generated table does not compile";
    }
    fs::remove_all(dir);
}

} // namespace
} // namespace zarvona

// The two cues shipped beside the program: short 16-bit PCM waves, never near clipping.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Wave {
    int channels = 0, rate = 0, bits = 0, format = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t le(const std::vector<unsigned char>& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | b.at(at + i);
    return v;
}

Wave readWave(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> b{std::istreambuf_iterator<char>(in), {}};
    Wave w;
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
        return w;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::string id(b.begin() + at, b.begin() + at + 4);
        const std::uint32_t size = le(b, at + 4, 4);
        if (id == "fmt ") {
            w.format = le(b, at + 8, 2);
            w.channels = le(b, at + 10, 2);
            w.rate = le(b, at + 12, 4);
            w.bits = le(b, at + 22, 2);
        } else if (id == "data") {
            for (std::size_t i = at + 8; i + 1 < at + 8 + size && i + 1 < b.size(); i += 2)
                w.samples.push_back(static_cast<std::int16_t>(le(b, i, 2)));
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

TEST(SoundFiles, CuesAreShortQuietSixteenBitWaves)
{
    const struct {
        const char* name;
        double maxSeconds;
    } cues[] = {{"click.wav", 0.060}, {"right.wav", 0.600}};
    for (const auto& cue : cues) {
        const Wave w = readWave(std::string(ZARVONA_SOURCE_DIR "/assets/sounds/") + cue.name);
        EXPECT_EQ(w.format, 1) << cue.name; // PCM
        EXPECT_EQ(w.bits, 16) << cue.name;
        ASSERT_GT(w.channels, 0) << cue.name;
        ASSERT_FALSE(w.samples.empty()) << cue.name;
        const double seconds = double(w.samples.size()) / w.channels / w.rate;
        EXPECT_GT(seconds, 0.005) << cue.name;
        EXPECT_LT(seconds, cue.maxSeconds) << cue.name;
        int peak = 0;
        for (std::int16_t s : w.samples)
            peak = std::max(peak, std::abs(int(s)));
        EXPECT_LT(20 * std::log10(peak / 32768.0), -3.0) << cue.name;
        // Silence at both ends, so the cue neither starts nor stops with a click of its own.
        EXPECT_LT(std::abs(int(w.samples.front())), 200) << cue.name;
        EXPECT_LT(std::abs(int(w.samples.back())), 200) << cue.name;
    }
}

} // namespace

// Makes the two sound cues: click.wav (a soft click for buttons) and right.wav
// (a two-note rising chime for a right answer). 16-bit PCM, mono, 44100 Hz.
// When to play them, and how loud, is up to the program.
//
// Usage: make_sounds OUTPUT_DIR

#include "../asset_bytes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2 * std::numbers::pi;

using Samples = std::vector<double>;

Samples silence(double seconds)
{
    return Samples(static_cast<std::size_t>(std::lround(seconds * kRate)), 0.0);
}

// Raised-cosine ramps at both ends so nothing starts or stops with a jump.
void fadeEdges(Samples& s, double inSeconds, double outSeconds)
{
    const auto ramp = [](double t) { return 0.5 - 0.5 * std::cos(std::numbers::pi * t); };
    const std::size_t in = std::min(s.size(), std::size_t(std::lround(inSeconds * kRate)));
    const std::size_t out = std::min(s.size(), std::size_t(std::lround(outSeconds * kRate)));
    for (std::size_t i = 0; i < in; ++i)
        s[i] *= ramp(double(i) / double(in));
    for (std::size_t i = 0; i < out; ++i)
        s[s.size() - 1 - i] *= ramp(double(i) / double(out));
}

void normalise(Samples& s, double peak)
{
    double highest = 0;
    for (double v : s)
        highest = std::max(highest, std::abs(v));
    if (highest > 0)
        for (double& v : s)
            v *= peak / highest;
}

// A small fixed-seed generator, so every run writes the same bytes.
class Noise {
  public:
    double next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(state_ >> 11) / double(1ULL << 53) * 2.0 - 1.0;
    }

  private:
    std::uint64_t state_ = 0x5a17'0c1c'4b1dULL;
};

// A soft tick: two quickly damped tones and a breath of low-passed noise.
Samples click()
{
    Samples s = silence(0.032);
    Noise noise;
    double smoothed = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        smoothed += 0.25 * (noise.next() - smoothed);
        s[i] = 0.55 * std::sin(kTwoPi * 1450 * t) * std::exp(-t / 0.0035) +
               0.45 * std::sin(kTwoPi * 520 * t) * std::exp(-t / 0.0065) +
               0.35 * smoothed * std::exp(-t / 0.0015);
    }
    fadeEdges(s, 0.0008, 0.008);
    normalise(s, 0.45); // about -7 dBFS: present but not sharp
    return s;
}

// One bell-like note added into `s` from `start` seconds on.
void addChimeNote(Samples& s, double start, double frequency, double decay)
{
    struct Partial {
        double ratio, level, decayScale;
    };
    static constexpr Partial partials[] = {
        {1.0, 1.0, 1.0},
        {2.0, 0.28, 0.55},
        {3.0, 0.10, 0.35},
        {4.16, 0.05, 0.2},
    };
    const std::size_t first = std::size_t(std::lround(start * kRate));
    constexpr double attack = 0.004;
    for (std::size_t i = first; i < s.size(); ++i) {
        const double t = double(i - first) / kRate;
        const double rise = t < attack ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack) : 1.0;
        double v = 0;
        for (const Partial& p : partials)
            v += p.level * std::sin(kTwoPi * frequency * p.ratio * t) *
                 std::exp(-t / (decay * p.decayScale));
        s[i] += rise * v;
    }
}

// G5 then C6, a rising fourth.
Samples chime()
{
    Samples s = silence(0.56);
    addChimeNote(s, 0.0, 783.99, 0.13);
    addChimeNote(s, 0.12, 1046.50, 0.17);
    fadeEdges(s, 0.002, 0.09);
    normalise(s, 0.6); // about -4.4 dBFS
    return s;
}

bool writeWav(const std::string& path, const Samples& s)
{
    const auto dataBytes = std::uint32_t(s.size() * 2);
    Bytes out;
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kRate);
    put32(out, kRate * 2); // bytes per second
    put16(out, 2);         // bytes per frame
    put16(out, 16);        // bits per sample
    putTag(out, "data");
    put32(out, dataBytes);
    for (double v : s) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(q)));
    }
    return writeFile(path, out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds OUTPUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const struct {
        const char* name;
        Samples samples;
    } sounds[] = {{"click.wav", click()}, {"right.wav", chime()}};
    for (const auto& sound : sounds) {
        const std::string path = dir + "/" + sound.name;
        if (!writeWav(path, sound.samples)) {
            std::fprintf(stderr, "make_sounds: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s: %.0f ms\n", sound.name, 1000.0 * double(sound.samples.size()) / kRate);
    }
    return 0;
}

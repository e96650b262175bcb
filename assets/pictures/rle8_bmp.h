// Writes an 8-bit palettised Windows BMP (BITMAPINFOHEADER, BI_RLE8).
// Qt can read these but not write them, so the picture generator uses this.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace rle8 {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

using Palette = std::array<Rgb, 256>;

// Run-length encodes one row of palette indices: encoded runs for repeats,
// absolute runs (padded to an even length) for stretches of distinct pixels.
// No end-of-line code is appended.
std::vector<std::uint8_t> encodeRow(const std::uint8_t* pixels, int width);

// `pixels` holds width*height palette indices, top row first. The file stores
// rows bottom-up; every row ends with an end-of-line code, then end-of-bitmap.
std::vector<std::uint8_t> encodeBmp(const std::vector<std::uint8_t>& pixels, int width, int height,
                                    const Palette& palette);

} // namespace rle8

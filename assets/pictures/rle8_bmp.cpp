// BI_RLE8 encoder and BMP file layout; no drawing happens here.
#include "rle8_bmp.h"

#include "../asset_bytes.h"

#include <stdexcept>

namespace rle8 {
namespace {

int runLength(const std::uint8_t* p, int from, int width)
{
    int n = 1;
    while (from + n < width && n < 255 && p[from + n] == p[from])
        ++n;
    return n;
}

} // namespace

std::vector<std::uint8_t> encodeRow(const std::uint8_t* p, int width)
{
    std::vector<std::uint8_t> out;
    int x = 0;
    while (x < width) {
        const int run = runLength(p, x, width);
        if (run >= 2) {
            out.push_back(static_cast<std::uint8_t>(run));
            out.push_back(p[x]);
            x += run;
            continue;
        }
        // Gather single pixels until a repeat of two or more starts.
        int end = x;
        while (end < width && end - x < 255 && runLength(p, end, width) < 2)
            ++end;
        const int count = end - x;
        if (count < 3) {
            // Absolute mode needs at least three pixels; 1 and 2 go as runs of one.
            for (int i = x; i < end; ++i) {
                out.push_back(1);
                out.push_back(p[i]);
            }
        } else {
            out.push_back(0);
            out.push_back(static_cast<std::uint8_t>(count));
            out.insert(out.end(), p + x, p + end);
            if (count % 2 != 0)
                out.push_back(0); // absolute runs end on a 16-bit boundary
        }
        x = end;
    }
    return out;
}

std::vector<std::uint8_t> encodeBmp(const std::vector<std::uint8_t>& pixels, int width, int height,
                                    const Palette& palette)
{
    if (width <= 0 || height <= 0 || pixels.size() != std::size_t(width) * std::size_t(height))
        throw std::invalid_argument("rle8::encodeBmp: pixel count does not match the size");

    std::vector<std::uint8_t> data;
    for (int y = height - 1; y >= 0; --y) {
        const auto row = encodeRow(pixels.data() + std::size_t(y) * std::size_t(width), width);
        data.insert(data.end(), row.begin(), row.end());
        data.push_back(0); // end of line
        data.push_back(0);
    }
    data.push_back(0); // end of bitmap
    data.push_back(1);

    constexpr std::uint32_t fileHeaderSize = 14;
    constexpr std::uint32_t infoHeaderSize = 40;
    constexpr std::uint32_t paletteSize = 256 * 4;
    constexpr std::uint32_t dataOffset = fileHeaderSize + infoHeaderSize + paletteSize;
    constexpr std::uint32_t pixelsPerMetre = 2835; // 72 dpi

    std::vector<std::uint8_t> out;
    out.reserve(dataOffset + data.size());
    // BITMAPFILEHEADER
    out.push_back('B');
    out.push_back('M');
    put32(out, dataOffset + static_cast<std::uint32_t>(data.size()));
    put32(out, 0);
    put32(out, dataOffset);
    // BITMAPINFOHEADER
    put32(out, infoHeaderSize);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height)); // positive: bottom-up
    put16(out, 1);                                  // planes
    put16(out, 8);                                  // bits per pixel
    put32(out, 1);                                  // BI_RLE8
    put32(out, static_cast<std::uint32_t>(data.size()));
    put32(out, pixelsPerMetre);
    put32(out, pixelsPerMetre);
    put32(out, 256);               // colours in the palette
    put32(out, 0);                 // all of them matter
    for (const Rgb& c : palette) { // RGBQUAD is blue, green, red, reserved
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

} // namespace rle8

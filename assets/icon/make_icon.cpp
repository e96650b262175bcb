// Makes the program icon from the pixel map below: zarvona.ico (one 32x32 image,
// 4 bits per pixel on the standard 16-colour palette, with a 1-bit mask),
// zarvona.png (the same pixels, transparent where the mask is) and
// zarvona-256.png (an 8x blow-up for places that want a big icon).
// Setting it on windows and in the desktop entry is done elsewhere.
//
// Usage: make_icon OUTPUT_DIR

#include "../write_file.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kSize = 32;

// The standard 16-colour palette, in its usual order.
constexpr std::array<std::array<std::uint8_t, 3>, 16> kPalette{{
    {0, 0, 0},       // 0 black
    {128, 0, 0},     // 1 maroon
    {0, 128, 0},     // 2 green
    {128, 128, 0},   // 3 olive
    {0, 0, 128},     // 4 navy
    {128, 0, 128},   // 5 purple
    {0, 128, 128},   // 6 teal
    {192, 192, 192}, // 7 silver
    {128, 128, 128}, // 8 grey
    {255, 0, 0},     // 9 red
    {0, 255, 0},     // 10 lime
    {255, 255, 0},   // 11 yellow
    {0, 0, 255},     // 12 blue
    {255, 0, 255},   // 13 fuchsia
    {0, 255, 255},   // 14 aqua
    {255, 255, 255}, // 15 white
}};

// One letter per palette entry, in palette order; '.' is transparent.
//   K black  m maroon  g green  o olive  n navy  p purple  t teal  s silver
//   G grey   R red     L lime   Y yellow B blue  F fuchsia A aqua  W white
constexpr std::string_view kLegend = "KmgonptsGRLYBFAW";
constexpr char kClear = '.';

// Two letters (ب in blue, ج in red) over a rule, and a hand writing with a pen.
constexpr std::array<std::string_view, kSize> kPixels{{
    ".....................RRRRRR.....", //  0
    "....................RRRRRRRRRR..", //  1
    "...........................RR...", //  2
    ".........................RRR....", //  3
    ".BB..........B.........RRR......", //  4
    ".BB..........BB......RRR........", //  5
    ".BBB........BBB.....RR..........", //  6
    "..BBBBBBBBBBBBB....RR.....RR....", //  7
    "...BBBBBBBBBBB.....RR.....RR....", //  8
    "...................RR...........", //  9
    ".......BB...........RR.......R..", // 10
    ".......BB............RRRRRRRR...", // 11
    "................................", // 12
    ".KKKKKKKKKKKKKKKKKKKKKKKKKKKKKK.", // 13
    ".....................KK.........", // 14
    "....................KBnK........", // 15
    "...................KBnK.........", // 16
    "..................KBnK...KKKKKKK", // 17
    ".................KBnK.KKKWWWWWWW", // 18
    "................KBnKKKWWWWWWWWWW", // 19
    "...............KKKKWWWWWWWWWWWWW", // 20
    "..............KKWWWWWWWWWWWWWWWW", // 21
    "............KKWWWWWWKKWWWWWWWWWW", // 22
    "...........KWWWWWKKKWWWWWWWWWWWW", // 23
    "..........KKWWWKKWWWWWWWWWWWWWWW", // 24
    ".........KWWWKKWWWWWWKKWWWWWWWWW", // 25
    "........KWWWWWWWWKKKKWWWWWWWWWWW", // 26
    "........KsWWWKKKKWWWWWWWWWWWWWWW", // 27
    "......KAtKsKKWWWWWWWWWWWWWWWWWWW", // 28
    ".....KAtK.KssWWWWWWWWWWWWsssssss", // 29
    "....KAK....KKssssssssssssKKKKKKK", // 30
    "....KK.......KKKKKKKKKKKK.......", // 31
}};

constexpr bool pixelsAreValid()
{
    for (std::string_view row : kPixels) {
        if (row.size() != kSize)
            return false;
        for (char c : row)
            if (c != kClear && kLegend.find(c) == std::string_view::npos)
                return false;
    }
    return true;
}
static_assert(pixelsAreValid(), "every row is 32 letters from the legend");

bool isClear(int x, int y) { return kPixels[y][x] == kClear; }

// Palette index of a pixel; clear pixels are black under the mask, as usual.
int indexAt(int x, int y) { return isClear(x, y) ? 0 : int(kLegend.find(kPixels[y][x])); }

void put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(std::uint8_t(v & 0xff));
    out.push_back(std::uint8_t((v >> 8) & 0xff));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

std::vector<std::uint8_t> icoBytes()
{
    constexpr std::uint32_t colourRowBytes = kSize / 2; // 4 bits a pixel; already a multiple of 4
    constexpr std::uint32_t maskRowBytes = 4;           // 32 bits, padded to 4 bytes
    constexpr std::uint32_t imageBytes = 40 + 16 * 4 + (colourRowBytes + maskRowBytes) * kSize;

    std::vector<std::uint8_t> out;
    // ICONDIR
    put16(out, 0); // reserved
    put16(out, 1); // icon
    put16(out, 1); // one image
    // ICONDIRENTRY
    out.push_back(kSize);
    out.push_back(kSize);
    out.push_back(16); // colours
    out.push_back(0);  // reserved
    put16(out, 1);     // planes
    put16(out, 4);     // bits per pixel
    put32(out, imageBytes);
    put32(out, 6 + 16); // the image follows the directory
    // BITMAPINFOHEADER; the height counts the colour bitmap and the mask.
    put32(out, 40);
    put32(out, kSize);
    put32(out, 2 * kSize);
    put16(out, 1);
    put16(out, 4);
    put32(out, 0); // BI_RGB
    put32(out, (colourRowBytes + maskRowBytes) * kSize);
    put32(out, 0);
    put32(out, 0);
    put32(out, 16); // colours in the palette
    put32(out, 0);
    for (const auto& c : kPalette) { // RGBQUAD: blue, green, red, reserved
        out.push_back(c[2]);
        out.push_back(c[1]);
        out.push_back(c[0]);
        out.push_back(0);
    }
    // Colour bitmap, bottom row first, left pixel in the high nibble.
    for (int y = kSize - 1; y >= 0; --y)
        for (int x = 0; x < kSize; x += 2)
            out.push_back(std::uint8_t(indexAt(x, y) << 4 | indexAt(x + 1, y)));
    // Mask, bottom row first, left pixel in the high bit; 1 = see-through.
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = 0; x < kSize; x += 8) {
            std::uint8_t bits = 0;
            for (int i = 0; i < 8; ++i)
                if (isClear(x + i, y))
                    bits |= std::uint8_t(0x80 >> i);
            out.push_back(bits);
        }
    }
    return out;
}

QImage iconImage()
{
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const auto& c = kPalette[indexAt(x, y)];
            image.setPixel(x, y, isClear(x, y) ? qRgba(0, 0, 0, 0) : qRgb(c[0], c[1], c[2]));
        }
    }
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const QImage image = iconImage();
    const QImage big =
        image.scaled(8 * kSize, 8 * kSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);

    bool ok = writeFile(dir + "/zarvona.ico", icoBytes());
    ok = image.save(QString::fromStdString(dir + "/zarvona.png"), "PNG") && ok;
    ok = big.save(QString::fromStdString(dir + "/zarvona-256.png"), "PNG") && ok;
    if (!ok) {
        std::fprintf(stderr, "make_icon: cannot write the icon files in %s\n", dir.c_str());
        return 1;
    }
    std::printf("zarvona.ico, zarvona.png, zarvona-256.png\n");
    return 0;
}

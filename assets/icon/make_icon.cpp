// Makes the program icon. From the pixel map below: zarvona.ico (one 32x32 image, 4 bits per
// pixel on the standard 16-colour palette, with a 1-bit mask) and zarvona.png (the same pixels,
// transparent where the mask is). From the same picture drawn as shapes: the desktop's icons,
// hicolor/zarvona-N.png at each size N, each drawn at that size rather than scaled from another,
// and hicolor/zarvona.svg. Setting it on windows and in the desktop entry is done elsewhere.
//
// Usage: make_icon OUTPUT_DIR   (needs a Qt platform for the letters; offscreen is fine)

#include "../asset_bytes.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
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

// ---- the same picture as shapes ----------------------------------------------
// In the pixel map's own 32-unit square, so the drawn icon keeps its layout at every size.

struct Layer {
    QPainterPath path;
    QColor fill;   // invalid: not filled
    QColor stroke; // invalid: not outlined
    double width = 0;
};

const char* const kLetterFont = "/usr/share/fonts/opentype/fonts-hosny-amiri/Amiri-Bold.ttf";

// A letter's outline, scaled to fit its box and centred in it.
QPainterPath letter(const QString& text, const QRectF& box)
{
    QFont font(QStringLiteral("Amiri"));
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    const QRectF bounds = raw.boundingRect();
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(raw);
}

QPainterPath polygon(std::initializer_list<QPointF> points, bool closed = true)
{
    QPainterPath path;
    for (const QPointF& p : points) {
        if (path.elementCount() == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    if (closed)
        path.closeSubpath();
    return path;
}

std::vector<Layer> iconLayers()
{
    const QColor black(0, 0, 0), blue(0, 0, 255), navy(0, 0, 128), red(255, 0, 0);
    const QColor aqua(0, 255, 255), white(255, 255, 255), silver(192, 192, 192);
    // The pen runs from its nib at the lower left up to the right, under the writing hand.
    const QPointF tip(4.3, 31.2), neck(8.0, 27.6), top(22.6, 14.4);
    const QPointF across(0.95, 1.05); // half the pen's width, square to its length
    return {
        {letter(QStringLiteral(u"ب"), QRectF(1, 3.5, 14, 8.5)), blue, {}, 0},
        {letter(QStringLiteral(u"ج"), QRectF(17.5, 0, 13.5, 12.5)), red, {}, 0},
        {polygon({{1, 13}, {31, 13}, {31, 14}, {1, 14}}), black, {}, 0},
        {polygon({neck + across, top + across, top - across, neck - across}), blue, black, 0.8},
        {polygon({neck, top}, false), {}, navy, 0.7},
        {polygon({tip, neck + across * 1.2, neck - across * 1.2}), aqua, black, 0.8},
        {polygon({{32, 16.8},
                  {25.5, 17.2},
                  {21.5, 18.2},
                  {18.5, 19.6},
                  {15, 20.6},
                  {12.4, 22},
                  {10.4, 23.6},
                  {8.6, 25.8},
                  {8.4, 27.6},
                  {10.4, 29.6},
                  {13, 31.2},
                  {32, 31.2}}),
         white, black, 0.9},
        {polygon({{25.2, 29.7}, {32, 29.7}, {32, 31.2}, {25.2, 31.2}}), silver, black, 0.8},
        {polygon({{22, 22.3}, {19.2, 23.4}, {16.4, 25.2}}, false), {}, black, 0.8},
        {polygon({{23.2, 25.2}, {20, 26.4}, {17.2, 27.8}}, false), {}, black, 0.8},
    };
}

QImage drawnIcon(const std::vector<Layer>& layers, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / double(kSize), size / double(kSize));
    for (const Layer& layer : layers) {
        if (layer.fill.isValid())
            p.fillPath(layer.path, layer.fill);
        if (layer.stroke.isValid())
            p.strokePath(layer.path, QPen(layer.stroke, layer.width, Qt::SolidLine, Qt::RoundCap,
                                          Qt::RoundJoin));
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

std::string svgPathData(const QPainterPath& path)
{
    std::string d;
    char buffer[64];
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const char* command = e.isMoveTo() ? "M" : e.isLineTo() ? "L" : e.isCurveTo() ? "C" : "";
        std::snprintf(buffer, sizeof buffer, "%s%s%.3f %.3f", d.empty() ? "" : " ", command, e.x,
                      e.y);
        d += buffer;
    }
    return d;
}

std::string svgDocument(const std::vector<Layer>& layers)
{
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                      "viewBox=\"0 0 32 32\">\n";
    for (const Layer& layer : layers) {
        const QString fill = layer.fill.isValid() ? layer.fill.name() : QStringLiteral("none");
        svg += "  <path fill=\"" + fill.toStdString() + "\" fill-rule=\"" +
               (layer.path.fillRule() == Qt::WindingFill ? "nonzero" : "evenodd") + "\"";
        if (layer.stroke.isValid())
            svg += " stroke=\"" + layer.stroke.name().toStdString() + "\" stroke-width=\"" +
                   std::to_string(layer.width).substr(0, 4) +
                   "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
        svg += " d=\"" + svgPathData(layer.path) + "\"/>\n";
    }
    return svg + "</svg>\n";
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT_DIR\n");
        return 2;
    }
    if (QFontDatabase::addApplicationFont(QString::fromLatin1(kLetterFont)) < 0) {
        std::fprintf(stderr, "make_icon: cannot load %s (fonts-hosny-amiri)\n", kLetterFont);
        return 1;
    }
    const std::string dir = argv[1];
    bool ok = writeFile(dir + "/zarvona.ico", icoBytes());
    ok = iconImage().save(QString::fromStdString(dir + "/zarvona.png"), "PNG") && ok;

    const std::vector<Layer> layers = iconLayers();
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const std::string name = "/hicolor/zarvona-" + std::to_string(size) + ".png";
        ok = drawnIcon(layers, size).save(QString::fromStdString(dir + name), "PNG") && ok;
    }
    const std::string svg = svgDocument(layers);
    ok = writeFile(dir + "/hicolor/zarvona.svg",
                   std::vector<std::uint8_t>(svg.begin(), svg.end())) &&
         ok;
    if (!ok) {
        std::fprintf(stderr, "make_icon: cannot write the icon files in %s\n", dir.c_str());
        return 1;
    }
    std::printf("zarvona.ico, zarvona.png, hicolor/zarvona-{16..256}.png, hicolor/zarvona.svg\n");
    return 0;
}

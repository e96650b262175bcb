// Makes the two pictures of the reveal button: answer_rest.bmp (resting) and
// answer_hover.bmp (pointer over it). Both are 78x71, 8-bit BI_RLE8 BMPs on the
// uniform 8-8-4 palette: a pale blue dithered splash with the word الجواب across it.
// Each also comes drawn at twice the resolution (answer_rest@2x.bmp, answer_hover@2x.bmp)
// for screens with two device pixels to a pixel: the same shapes, not a blow-up.
// Loading them and swapping them on hover is the button's business, not this file's.
//
// Usage: make_pictures OUTPUT_DIR   (needs a Qt platform; offscreen is fine)

#include "../asset_bytes.h"
#include "rle8_bmp.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 78;
constexpr int kHeight = 71;

constexpr double kCentreX = kWidth / 2.0;
constexpr double kCentreY = kHeight / 2.0;

const char* const kFontFile = "/usr/share/fonts/opentype/fonts-hosny-amiri/Amiri-Bold.ttf";
const QString kWord = QStringLiteral(u"الجواب");
constexpr double kWordWidth = 67.0; // pixels the word spans across the splash
constexpr double kThicken = 0.8;    // extra stroke weight, pixels

// ---- palette -----------------------------------------------------------------

// 8 levels of red and green, 4 of blue; index = r*32 + g*4 + b.
int redGreenLevel(int v) { return static_cast<int>(std::lround(v * 255.0 / 7.0)); }
int blueLevel(int v) { return v * 85; }

rle8::Palette uniformPalette()
{
    rle8::Palette p{};
    for (int r = 0; r < 8; ++r)
        for (int g = 0; g < 8; ++g)
            for (int b = 0; b < 4; ++b)
                p[r * 32 + g * 4 + b] = {std::uint8_t(redGreenLevel(r)),
                                         std::uint8_t(redGreenLevel(g)),
                                         std::uint8_t(blueLevel(b))};
    return p;
}

struct Colour {
    double r, g, b;
};

Colour mix(Colour a, Colour b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Nearest palette index; the palette is a separable grid, so per channel.
int nearestIndex(Colour c)
{
    auto level = [](double v, int steps) {
        return std::clamp(static_cast<int>(std::lround(v * steps / 255.0)), 0, steps);
    };
    return level(c.r, 7) * 32 + level(c.g, 7) * 4 + level(c.b, 3);
}

// Floyd-Steinberg error diffusion onto the palette, serpentine scan, over a picture drawn at
// `scale` times the button's size.
std::vector<int> diffuse(const std::vector<Colour>& pixels, const rle8::Palette& palette, int scale)
{
    const int width = kWidth * scale, height = kHeight * scale;
    std::vector<Colour> work = pixels;
    std::vector<int> out(pixels.size());
    auto spread = [&](int x, int y, Colour err, double w) {
        if (x < 0 || x >= width || y >= height)
            return;
        Colour& c = work[std::size_t(y) * width + x];
        c = {c.r + err.r * w, c.g + err.g * w, c.b + err.b * w};
    };
    for (int y = 0; y < height; ++y) {
        const bool ltr = y % 2 == 0;
        for (int i = 0; i < width; ++i) {
            const int x = ltr ? i : width - 1 - i;
            const int dir = ltr ? 1 : -1;
            const Colour c = work[std::size_t(y) * width + x];
            const int idx = nearestIndex(c);
            out[std::size_t(y) * width + x] = idx;
            const rle8::Rgb q = palette[idx];
            const Colour err{c.r - q.r, c.g - q.g, c.b - q.b};
            spread(x + dir, y, err, 7.0 / 16);
            spread(x - dir, y + 1, err, 3.0 / 16);
            spread(x, y + 1, err, 5.0 / 16);
            spread(x + dir, y + 1, err, 1.0 / 16);
        }
    }
    return out;
}

// ---- splash ------------------------------------------------------------------

constexpr Colour kWhite{255, 255, 255};
constexpr Colour kSplashCentre{228, 242, 255};
constexpr Colour kSplashEdge{122, 166, 255}; // blue stays on a palette level: no tinted specks

struct Ray {
    double angle;     // radians, 0 = right, counter-clockwise on screen
    double length;    // pixels beyond the body
    double halfWidth; // radians at the base
};

// Hand-placed so the splash looks thrown rather than stamped.
constexpr std::array<Ray, 15> kRays{{
    {0.05, 8.5, 0.15},
    {0.47, 5.0, 0.12},
    {0.86, 8.0, 0.14},
    {1.30, 5.5, 0.13},
    {1.71, 8.5, 0.15},
    {2.12, 4.5, 0.12},
    {2.52, 8.0, 0.14},
    {2.95, 6.0, 0.13},
    {3.36, 9.0, 0.15},
    {3.80, 5.0, 0.12},
    {4.22, 8.5, 0.14},
    {4.66, 5.5, 0.13},
    {5.06, 8.0, 0.15},
    {5.47, 4.5, 0.12},
    {5.87, 7.5, 0.14},
}};

struct Drop {
    double x, y, radius;
};

constexpr std::array<Drop, 4> kDrops{{
    {69.5, 16.0, 1.6},
    {8.0, 55.5, 1.7},
    {12.0, 12.5, 1.3},
    {66.5, 60.0, 1.2},
}};

constexpr double kBodyRadius = 25.0;
constexpr double kStretchX = 1.1; // a little wider than tall, like the button

double angularDistance(double a, double b)
{
    double d = std::fmod(std::abs(a - b), 2 * std::numbers::pi);
    return std::min(d, 2 * std::numbers::pi - d);
}

// Outline radius of the splash in the direction `angle`.
double splashRadius(double angle)
{
    double r = kBodyRadius + 1.1 * std::sin(3 * angle + 0.7) + 0.7 * std::sin(5 * angle + 2.1);
    for (const Ray& ray : kRays) {
        const double d = angularDistance(angle, ray.angle);
        if (d < ray.halfWidth)
            r = std::max(r, kBodyRadius + ray.length * std::pow(1.0 - d / ray.halfWidth, 1.6));
    }
    return r;
}

// Colour of the splash at a point, and whether the point is inside it.
bool splashAt(double x, double y, Colour& out)
{
    const double dx = (x - kCentreX) / kStretchX;
    const double dy = y - kCentreY;
    const double rho = std::hypot(dx, dy);
    const double angle = std::atan2(-dy, dx);
    const double edge = splashRadius(angle);
    if (rho <= edge) {
        // Lighter towards the middle and a touch to the upper left.
        const double t = std::clamp(rho / kBodyRadius, 0.0, 1.0);
        const double lift = std::clamp((dx + dy) / (2.5 * kBodyRadius), -0.4, 0.4);
        out = mix(kSplashCentre, kSplashEdge, std::clamp(t * t * 0.9 + lift, 0.0, 1.0));
        return true;
    }
    for (const Drop& d : kDrops) {
        if (std::hypot(x - d.x, y - d.y) <= d.radius) {
            out = kSplashEdge;
            return true;
        }
    }
    return false;
}

// The splash over white, antialiased by 4x4 supersampling, in full colour, `scale` pixels to
// each of the button's pixels.
std::vector<Colour> paintSplash(int scale)
{
    constexpr int kSub = 4;
    const int width = kWidth * scale, height = kHeight * scale;
    std::vector<Colour> pixels(std::size_t(width) * height, kWhite);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Colour sum{0, 0, 0};
            for (int sy = 0; sy < kSub; ++sy) {
                for (int sx = 0; sx < kSub; ++sx) {
                    Colour c = kWhite;
                    splashAt((x + (sx + 0.5) / kSub) / scale, (y + (sy + 0.5) / kSub) / scale, c);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            }
            constexpr double n = kSub * kSub;
            pixels[std::size_t(y) * width + x] = {sum.r / n, sum.g / n, sum.b / n};
        }
    }
    return pixels;
}

// ---- word --------------------------------------------------------------------

QFont wordFont()
{
    if (QFontDatabase::addApplicationFont(QString::fromLatin1(kFontFile)) < 0) {
        std::fprintf(stderr, "make_pictures: cannot load %s (fonts-hosny-amiri)\n", kFontFile);
        std::exit(1);
    }
    QFont font(QStringLiteral("Amiri"));
    font.setBold(true);
    font.setPixelSize(64); // drawn as outlines and scaled down, so only proportions matter
    if (QFontInfo(font).family() != QStringLiteral("Amiri")) {
        std::fprintf(stderr, "make_pictures: the Amiri font is not available\n");
        std::exit(1);
    }
    return font;
}

// The shaped word as outlines, scaled and centred on the splash.
QPainterPath wordPath(int scale)
{
    QPainterPath raw;
    raw.addText(0, 0, wordFont(), kWord);
    const QRectF box = raw.boundingRect();
    const double fit = kWordWidth / box.width();
    QTransform t;
    t.scale(scale, scale);
    t.translate(kCentreX, kCentreY);
    t.scale(fit, fit);
    t.translate(-box.center().x(), -box.center().y());
    return t.map(raw);
}

enum class Look { Rest, Hover };

// The word alone on a transparent layer.
QImage paintWord(Look look, int scale)
{
    QImage layer(kWidth * scale, kHeight * scale, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = wordPath(scale);
    const QColor darkBlue(0, 0, 170);
    // Amiri's bold strokes are thin at this size; a hairline of the same colour
    // around the letters fattens them without changing their shapes.
    const auto pen = [scale](QColor c, double width) {
        return QPen(c, width * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    };
    if (look == Look::Rest) {
        p.strokePath(path, pen(darkBlue, kThicken));
        p.fillPath(path, darkBlue);
    } else {
        // Yellow alone is faint on pale blue; a thin dark rim keeps it readable.
        const QColor yellow(255, 255, 0);
        p.strokePath(path, pen(darkBlue, kThicken + 2.0));
        p.strokePath(path, pen(yellow, kThicken));
        p.fillPath(path, yellow);
    }
    p.end();
    return layer;
}

// ---- assembly ----------------------------------------------------------------

std::vector<std::uint8_t> composePicture(const std::vector<Colour>& splash, Look look,
                                         const rle8::Palette& palette, int scale)
{
    const QImage word = paintWord(look, scale);
    const std::vector<int> dithered = diffuse(splash, palette, scale);
    std::vector<std::uint8_t> indices(splash.size());
    for (int y = 0; y < word.height(); ++y) {
        for (int x = 0; x < word.width(); ++x) {
            const std::size_t i = std::size_t(y) * word.width() + x;
            // The splash is dithered; the lettering is laid over it undithered so
            // its edges stay clean.
            const rle8::Rgb under = palette[dithered[i]];
            const QRgb over = word.pixel(x, y); // premultiplied
            const double keep = 1.0 - qAlpha(over) / 255.0;
            const Colour c{qRed(over) + under.r * keep, qGreen(over) + under.g * keep,
                           qBlue(over) + under.b * keep};
            indices[i] =
                static_cast<std::uint8_t>(qAlpha(over) == 0 ? dithered[i] : nearestIndex(c));
        }
    }
    return indices;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures OUTPUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const rle8::Palette palette = uniformPalette();
    const struct {
        Look look;
        const char* name;
    } pictures[] = {{Look::Rest, "answer_rest"}, {Look::Hover, "answer_hover"}};

    for (int scale : {1, 2}) {
        const std::vector<Colour> splash = paintSplash(scale);
        for (const auto& pic : pictures) {
            const auto indices = composePicture(splash, pic.look, palette, scale);
            std::string name = pic.name;
            name += scale == 2 ? "@2x.bmp" : ".bmp";
            const std::string path = dir + "/" + name;
            const int width = kWidth * scale, height = kHeight * scale;
            if (!writeFile(path, rle8::encodeBmp(indices, width, height, palette))) {
                std::fprintf(stderr, "make_pictures: cannot write %s\n", path.c_str());
                return 1;
            }
            const std::set<std::uint8_t> used(indices.begin(), indices.end());
            std::printf("%s: %dx%d, %zu colours\n", name.c_str(), width, height, used.size());
        }
    }
    return 0;
}

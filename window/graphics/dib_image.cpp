#include "window/graphics/dib_image.h"

#include <cstdint>

namespace zarvona {

namespace {

class Reader {
  public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}

    bool has(qsizetype at, qsizetype count) const
    {
        return at >= 0 && count >= 0 && at + count <= m_bytes.size();
    }
    std::uint8_t u8(qsizetype at) const { return static_cast<std::uint8_t>(m_bytes[at]); }
    std::uint16_t u16(qsizetype at) const
    {
        return static_cast<std::uint16_t>(u8(at) | u8(at + 1) << 8);
    }
    std::int32_t i32(qsizetype at) const
    {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(u16(at)) |
                                         static_cast<std::uint32_t>(u16(at + 2)) << 16);
    }

  private:
    const QByteArray& m_bytes;
};

struct Header {
    int width = 0;
    int height = 0; // as stored; icons store twice the image's height (colours, then mask)
    int bits = 0;
    int compression = 0;
    int colours = 0;
    qsizetype palette = 0; // where the palette starts
};

constexpr int BiRgb = 0;
constexpr int BiRle8 = 1;

// A BITMAPINFOHEADER at the given offset, and the palette after it.
bool readHeader(const Reader& r, qsizetype at, Header& h)
{
    if (!r.has(at, 40) || r.i32(at) < 40)
        return false;
    h.width = r.i32(at + 4);
    h.height = r.i32(at + 8);
    h.bits = r.u16(at + 14);
    h.compression = r.i32(at + 16);
    h.colours = r.i32(at + 32);
    if (h.colours == 0 && h.bits <= 8)
        h.colours = 1 << h.bits;
    h.palette = at + r.i32(at);
    return h.width > 0 && h.width <= 4096 && h.height > 0 && h.height <= 8192 && h.colours >= 0 &&
           h.colours <= 256 && r.has(h.palette, 4 * qsizetype(h.colours));
}

QList<QRgb> paletteOf(const Reader& r, const Header& h)
{
    QList<QRgb> colours;
    for (int i = 0; i < h.colours; ++i) {
        const qsizetype at = h.palette + 4 * i;
        colours.append(qRgb(r.u8(at + 2), r.u8(at + 1), r.u8(at)));
    }
    while (colours.size() < 256)
        colours.append(qRgb(0, 0, 0));
    return colours;
}

int stride(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

// Rows are stored bottom-up; y counts from the top.
bool readRle8(const Reader& r, qsizetype at, qsizetype end, QImage& image)
{
    const int width = image.width();
    int x = 0;
    int row = image.height() - 1;
    while (at + 1 < end) {
        const int count = r.u8(at);
        const int value = r.u8(at + 1);
        at += 2;
        if (count > 0) { // a run of one index
            for (int i = 0; i < count && x < width && row >= 0; ++i)
                image.scanLine(row)[x++] = static_cast<uchar>(value);
        } else if (value == 0) { // end of line
            x = 0;
            --row;
        } else if (value == 1) { // end of bitmap
            return true;
        } else if (value == 2) { // move right and up
            if (at + 1 >= end)
                return false;
            x += r.u8(at);
            row -= r.u8(at + 1);
            at += 2;
        } else { // literal indices, padded to an even count
            if (at + value > end)
                return false;
            for (int i = 0; i < value && x < width && row >= 0; ++i)
                image.scanLine(row)[x++] = r.u8(at + i);
            at += value + (value & 1);
        }
    }
    return false;
}

bool readIndexed(const Reader& r, qsizetype at, int bits, QImage& image)
{
    const int bytesPerRow = stride(image.width(), bits);
    if (!r.has(at, qsizetype(bytesPerRow) * image.height()))
        return false;
    for (int y = 0; y < image.height(); ++y) {
        const qsizetype rowAt = at + qsizetype(image.height() - 1 - y) * bytesPerRow;
        uchar* line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (bits == 8)
                line[x] = r.u8(rowAt + x);
            else // 4 bits: the high nibble is the left pixel
                line[x] = (r.u8(rowAt + x / 2) >> ((x & 1) ? 0 : 4)) & 0x0F;
        }
    }
    return true;
}

} // namespace

QImage decodeBmp(const QByteArray& file)
{
    const Reader r(file);
    Header h;
    if (!r.has(0, 14) || file[0] != 'B' || file[1] != 'M' || !readHeader(r, 14, h) || h.bits != 8)
        return {};
    const qsizetype pixels = r.i32(10);
    QImage image(h.width, h.height, QImage::Format_Indexed8);
    image.setColorTable(paletteOf(r, h));
    image.fill(0);
    bool ok = false;
    if (h.compression == BiRle8)
        ok = pixels > 0 && pixels <= file.size() && readRle8(r, pixels, file.size(), image);
    else if (h.compression == BiRgb)
        ok = readIndexed(r, pixels, 8, image);
    return ok ? image : QImage();
}

QImage decodeIcon(const QByteArray& file)
{
    const Reader r(file);
    if (!r.has(0, 22) || r.u16(0) != 0 || r.u16(2) != 1 || r.u16(4) < 1)
        return {};
    Header h;
    const qsizetype at = r.i32(18);
    if (!readHeader(r, at, h) || (h.bits != 4 && h.bits != 8) || h.compression != BiRgb ||
        h.height % 2 != 0)
        return {};
    QImage colours(h.width, h.height / 2, QImage::Format_Indexed8);
    colours.setColorTable(paletteOf(r, h));
    const qsizetype pixels = h.palette + 4 * qsizetype(h.colours);
    const qsizetype mask = pixels + qsizetype(stride(h.width, h.bits)) * colours.height();
    const int maskStride = stride(h.width, 1);
    if (!readIndexed(r, pixels, h.bits, colours) ||
        !r.has(mask, qsizetype(maskStride) * colours.height()))
        return {};
    QImage icon = colours.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < icon.height(); ++y) {
        const qsizetype rowAt = mask + qsizetype(icon.height() - 1 - y) * maskStride;
        auto* line = reinterpret_cast<QRgb*>(icon.scanLine(y));
        for (int x = 0; x < icon.width(); ++x)
            if (r.u8(rowAt + x / 8) & (0x80 >> (x % 8)))
                line[x] = qRgba(0, 0, 0, 0); // a set mask bit is transparent
    }
    return icon;
}

} // namespace zarvona

// The built-in pictures, read back from the program's resources.
#include "window_fixture.h"

#include "window/graphics/dib_image.h"

#include <QFile>
#include <QIcon>
#include <QXmlStreamReader>

#include <random>

namespace zarvona {
namespace {

std::uint32_t le32(const QByteArray& bytes, int at)
{
    return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint8_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 3])) << 24;
}

TEST(Pictures, TheButtonPicturesAreRunLengthEncodedPaletteBitmaps)
{
    for (const char* path : {":/pictures/answer_rest.bmp", ":/pictures/answer_hover.bmp"}) {
        QFile file(QString::fromLatin1(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        const QByteArray bytes = file.readAll();
        ASSERT_GT(bytes.size(), 54) << path;
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(le32(bytes, 14), 40u);         // BITMAPINFOHEADER
        EXPECT_EQ(le32(bytes, 18), 78u);         // width
        EXPECT_EQ(le32(bytes, 22), 71u);         // height, bottom-up
        EXPECT_EQ(le32(bytes, 28) & 0xFFFF, 8u); // bits per pixel
        EXPECT_EQ(le32(bytes, 30), 1u);          // BI_RLE8
        // The uniform palette: 8 red, 8 green and 4 blue levels.
        const int palette = 14 + 40;
        for (int i : {0, 37, 200, 255}) {
            const auto blue = static_cast<std::uint8_t>(bytes[palette + 4 * i]);
            const auto red = static_cast<std::uint8_t>(bytes[palette + 4 * i + 2]);
            EXPECT_EQ(blue, (i & 3) * 85) << i;
            EXPECT_EQ(red, ((i >> 5) * 255 + 3) / 7) << i;
        }
        const QImage image(QString::fromLatin1(path));
        EXPECT_EQ(image.size(), QSize(78, 71)) << path;
        EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white)) << path;
    }
}

TEST(Pictures, TheHoverPictureDiffersInItsWordAlone)
{
    const QImage rest(QStringLiteral(":/pictures/answer_rest.bmp"));
    const QImage hover(QStringLiteral(":/pictures/answer_hover.bmp"));
    int yellow = 0, differing = 0;
    for (int y = 0; y < 71; ++y)
        for (int x = 0; x < 78; ++x) {
            yellow += hover.pixelColor(x, y) == QColor(255, 255, 0);
            differing += rest.pixel(x, y) != hover.pixel(x, y);
        }
    EXPECT_GT(yellow, 100);
    EXPECT_LT(differing, 78 * 71 / 2);
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool samePixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

TEST(Pictures, OurDecoderReadsThePicturesAsQtsOwnReaderDoes)
{
    for (const char* path : {":/pictures/answer_rest.bmp", ":/pictures/answer_hover.bmp"}) {
        const QString name = QString::fromLatin1(path);
        EXPECT_TRUE(samePixels(decodeBmp(bytesOf(name)), QImage(name))) << path;
    }
    // The icon, against Qt's ICO plug-in and against the PNG made from the same pixels.
    const QImage icon = decodeIcon(bytesOf(QStringLiteral(":/icon/zarvona.ico")));
    const QImage byQt =
        QImage(QStringLiteral(":/icon/zarvona.ico")).convertToFormat(QImage::Format_ARGB32);
    if (byQt.isNull())
        GTEST_SKIP() << "Qt's ICO plug-in is not installed";
    EXPECT_TRUE(samePixels(icon, byQt));
    EXPECT_TRUE(
        samePixels(icon, QImage(QStringLiteral(ZARVONA_SOURCE_DIR "/assets/icon/zarvona.png"))
                             .convertToFormat(QImage::Format_ARGB32)));
}

TEST(Pictures, DamagedFilesDecodeToNothingRatherThanCrash)
{
    for (const char* path : {":/pictures/answer_rest.bmp", ":/icon/zarvona.ico"}) {
        const QByteArray whole = bytesOf(QString::fromLatin1(path));
        const bool bmp = whole.startsWith("BM");
        auto decode = [&](const QByteArray& bytes) {
            return bmp ? decodeBmp(bytes) : decodeIcon(bytes);
        };
        ASSERT_FALSE(decode(whole).isNull()) << path;
        for (qsizetype length = 0; length < whole.size(); length += 7)
            decode(whole.left(length)); // must neither crash nor read past the end
        std::mt19937 random(11);
        for (int i = 0; i < 300; ++i) {
            QByteArray damaged = whole;
            for (int j = 0; j < 4; ++j)
                damaged[random() % damaged.size()] = static_cast<char>(random());
            decode(damaged);
        }
    }
    EXPECT_TRUE(decodeBmp(QByteArray("BM")).isNull());
    EXPECT_TRUE(decodeIcon(QByteArray()).isNull());
}

TEST(Pictures, TheIconIsThirtyTwoSquareWithTransparency)
{
    const QImage icon = decodeIcon(bytesOf(QStringLiteral(":/icon/zarvona.ico")));
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_TRUE(icon.hasAlphaChannel());
    int transparent = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            transparent += qAlpha(icon.pixel(x, y)) == 0;
    EXPECT_GT(transparent, 0);
    EXPECT_LT(transparent, 32 * 32);
}

// The desktop's icons are drawn at each size, not blown up from a smaller one: a blow-up by two
// or more repeats every column, a drawing does not.
TEST(Pictures, TheDesktopIconsAreDrawnAtEachSize)
{
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path =
            QStringLiteral(ZARVONA_SOURCE_DIR "/assets/icon/hicolor/zarvona-%1.png").arg(size);
        const QImage icon = QImage(path).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        int transparent = 0, partial = 0, repeatedColumns = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                transparent += qAlpha(icon.pixel(x, y)) == 0;
                partial += qAlpha(icon.pixel(x, y)) > 0 && qAlpha(icon.pixel(x, y)) < 255;
            }
        for (int x = 0; x + 1 < size; x += 2) {
            bool same = true;
            for (int y = 0; y < size && same; ++y)
                same = icon.pixel(x, y) == icon.pixel(x + 1, y);
            repeatedColumns += same;
        }
        EXPECT_GT(transparent, 0) << size;
        EXPECT_LT(transparent, size * size * 3 / 4) << size;
        EXPECT_GT(partial, 0) << size << ": antialiased edges";
        EXPECT_LT(repeatedColumns, size / 4) << size;
    }
}

TEST(Pictures, TheScalableIconIsAnSvgOfShapesOnTheSameSquare)
{
    QFile file(QStringLiteral(ZARVONA_SOURCE_DIR "/assets/icon/hicolor/zarvona.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    int paths = 0;
    QString viewBox;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (svg.name() == QLatin1String("svg"))
            viewBox = svg.attributes().value(QLatin1String("viewBox")).toString();
        if (svg.name() == QLatin1String("path")) {
            ++paths;
            EXPECT_FALSE(svg.attributes().value(QLatin1String("d")).isEmpty());
        }
    }
    EXPECT_FALSE(svg.hasError()) << qPrintable(svg.errorString());
    EXPECT_EQ(viewBox, QStringLiteral("0 0 32 32"));
    EXPECT_GE(paths, 8);
}

TEST_F(WindowTest, TheWindowIconCarriesSeveralSizes)
{
    EXPECT_TRUE(form->window()->windowIcon().availableSizes().contains(QSize(32, 32)));
    form->prepareFirstUse(); // the other sizes join once the window has shown
    const QList<QSize> sizes = form->window()->windowIcon().availableSizes();
    for (int size : {16, 24, 32, 48, 64})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    EXPECT_EQ(form->window()->windowIcon().pixmap(QSize(48, 48)).size(), QSize(48, 48));
}

} // namespace
} // namespace zarvona

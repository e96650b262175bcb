// What must be exact at every ratio of device pixels to pixels: the reveal button paints the
// pictures drawn for the ratio (at two, those drawn at double resolution), pixel for pixel, and
// the band is Qt's cross-hatch brush, pixel for pixel. These tests are their own program
// (ratio_tests), which CTest runs twice: at the screen's ratio, and with QT_SCALE_FACTOR=2 under
// the label ratio2; each run checks the ratio it runs at.
#include "window_fixture.h"

#include "window/graphics/dib_image.h"

#include <QFile>
#include <QPainter>

namespace zarvona {
namespace {

QImage decodedResource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? decodeBmp(file.readAll()) : QImage();
}

TEST_F(WindowTest, TheRevealButtonPaintsThePictureDrawnForTheScreensRatio)
{
    QWidget* button = form->controlWidget(Control::Image2);
    ASSERT_NE(button, nullptr);
    const qreal ratio = button->devicePixelRatioF();
    const QString suffix = ratio >= 1.5 ? QStringLiteral("@2x.bmp") : QStringLiteral(".bmp");
    const struct {
        QPoint pointer;
        const char* picture;
    } cases[] = {{at::bare, ":/pictures/answer_rest"},
                 {centreOf(Control::Image2), ":/pictures/answer_hover"}};
    for (const auto& c : cases) {
        moveTo(c.pointer);
        const QImage expected = decodedResource(QString::fromLatin1(c.picture) + suffix);
        ASSERT_FALSE(expected.isNull()) << c.picture;
        const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), expected.size()) << c.picture << " at ratio " << ratio;
        int differing = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                differing += shown.pixel(x, y) != expected.pixel(x, y);
        EXPECT_EQ(differing, 0) << c.picture << " at ratio " << ratio;
    }
}

// The band, painted whole or in parts, has exactly the pixels of a direct fill with Qt's
// cross-hatch brush, whose lines run on from the window's corner; and painting it again, once
// its hatch is made, gives the same pixels.
TEST_F(WindowTest, TheBandIsTheCrossHatchBrushPixelForPixelAtTheScreensRatio)
{
    QWidget* band = form->controlWidget(Control::Shape2);
    const qreal ratio = band->devicePixelRatioF();
    const QSize pixels = (QSizeF(band->size()) * ratio).toSize();
    const QColor colour = toQColor(form1Definition()[Control::Shape2].foreColor);
    const QBrush hatch(colour, Qt::DiagCrossPattern);
    const auto blank = [&] {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        return image;
    };
    const QRect parts[] = {
        band->rect(),                                   // the whole band
        QRect(3, 5, 31, 17),                            // an odd place, off the hatch's period
        QRect(0, band->height() - 1, band->width(), 1), // the last row
        QRect(band->width() - 7, 0, 7, band->height()), // the last columns, top to bottom
    };
    for (const QRect& part : parts) {
        for (int time = 0; time < 2; ++time) {
            QImage expected = blank();
            {
                QPainter painter(&expected);
                painter.setClipRect(part);
                painter.setBrushOrigin(-band->pos());
                painter.fillRect(band->rect(), hatch);
            }
            QImage painted = blank();
            band->render(&painted, part.topLeft(), QRegion(part), QWidget::RenderFlags());
            EXPECT_TRUE(painted == expected)
                << part.x() << "," << part.y() << " " << part.width() << "x" << part.height()
                << (time ? ", painted again" : "");
        }
    }
}

} // namespace
} // namespace zarvona

// The reveal button's pictures are as sharp as the text beside them: at two device pixels to a
// pixel it paints the pictures drawn at double resolution, pixel for pixel. CTest runs this
// file's tests a second time with QT_SCALE_FACTOR=2; each run checks the ratio it runs at.
#include "window_fixture.h"

#include "window/graphics/dib_image.h"

#include <QFile>

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

} // namespace
} // namespace zarvona

// What a move repaints on the real window: only where the question, the counter and a shown
// answer change, not the cross-hatched band around the question; and what is left on screen
// after it is exactly what painting the whole window afresh gives.
#include "window_fixture.h"

#include "window/controls/text_label.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace zarvona {
namespace {

// Records, in window pixels, every region that the window or one of its controls paints.
class PaintRecorder final : public QObject {
  public:
    explicit PaintRecorder(QWidget* window) : m_window(window)
    {
        window->installEventFilter(this);
        for (QWidget* child : window->findChildren<QWidget*>())
            child->installEventFilter(this);
    }
    const QRegion& painted() const { return m_painted; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* widget = static_cast<QWidget*>(watched);
            m_painted |= static_cast<QPaintEvent*>(event)->region().translated(
                widget->mapTo(m_window, QPoint(0, 0)));
        }
        return false;
    }

  private:
    QWidget* m_window;
    QRegion m_painted;
};

using RepaintTest = WindowTest;

TEST_F(RepaintTest, AMoveRepaintsTheChangedTextsNotTheBand)
{
    const auto boundsOf = [&](Control c) {
        auto* label = dynamic_cast<TextLabel*>(form->controlWidget(c));
        return label->textArea().translated(rectOf(c).topLeft());
    };
    const struct {
        const char16_t* from;
        Control button;
        bool answerShown;
    } cases[] = {
        {u"19", Control::Next1, false}, // to the shortest question
        {u"20", Control::Next1, false}, // from it to a long one
        {u"96", Control::Next1, true},  // to the longest, the answer hiding
        {u"1", Control::Back, false},   // round to 100
    };
    for (const auto& c : cases) {
        form->setCaption(Control::Label5, c.from);
        click(Control::Next1); // to show something other than the case's start
        click(Control::Back);
        ASSERT_EQ(counter(), c.from);
        if (c.answerShown)
            click(Control::Image2);
        moveTo(centreOf(c.button)); // the glyph lights up before the recording starts
        QApplication::processEvents();

        QRegion allowed = boundsOf(Control::Label1) | boundsOf(Control::Label5);
        if (c.answerShown)
            allowed |= rectOf(Control::Label2); // hiding it repaints its rectangle
        const PaintRecorder recorder(form->window());
        QTest::mouseClick(form->window()->windowHandle(), Qt::LeftButton, {}, centreOf(c.button));
        QApplication::processEvents();
        allowed |= boundsOf(Control::Label1) | boundsOf(Control::Label5);

        const std::string which = QString::fromStdU16String(c.from).toStdString();
        EXPECT_NE(counter(), c.from) << which;
        EXPECT_FALSE(recorder.painted().isEmpty()) << which;
        EXPECT_TRUE((recorder.painted() - allowed).isEmpty())
            << "from riddle " << which << ", painted beyond the changed texts: "
            << (recorder.painted() - allowed).boundingRect().x() << ","
            << (recorder.painted() - allowed).boundingRect().y();
        // The band is redrawn under the question's lines only, never as a whole.
        const QRegion band = QRegion(rectOf(Control::Label1));
        EXPECT_LT((recorder.painted() & band).boundingRect().width() *
                      (recorder.painted() & band).boundingRect().height(),
                  rectOf(Control::Label1).width() * rectOf(Control::Label1).height())
            << which;

        // Nothing stale: the screen holds what painting the whole window now gives.
        const QImage onScreen = form->window()
                                    ->screen()
                                    ->grabWindow(form->window()->winId())
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGB32);
        const QImage afresh = grab().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(onScreen.size(), afresh.size()) << which;
        EXPECT_TRUE(onScreen == afresh) << "stale pixels after the move from riddle " << which;
    }
}

// The band, painted whole or in parts, has exactly the pixels of a direct fill with Qt's
// cross-hatch brush, whose lines run on from the window's corner; and painting it again, once
// its hatch is made, gives the same pixels.
TEST_F(RepaintTest, TheBandIsTheCrossHatchBrushPixelForPixelAtTheScreensRatio)
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

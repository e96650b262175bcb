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

} // namespace
} // namespace zarvona

// What the first clicks need is prepared once the window has been painted, never before it shows,
// and preparing it changes nothing on the screen.
#include "window_fixture.h"

#include "app/first_use.h"
#include "app/window_wiring.h"
#include "ui/qt/number_list.h"

#include <QTest>

namespace zarvona {
namespace {

class PaintCounter final : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// Remembers when it was asked to get ready: how many times the window had painted by then.
class PreparingCuePlayer final : public CuePlayer {
  public:
    explicit PreparingCuePlayer(const PaintCounter& counter) : m_counter(counter) {}
    void play(std::string_view) override {}
    void prepare() override { paintsWhenPrepared.push_back(m_counter.paints); }
    std::vector<int> paintsWhenPrepared;

  private:
    const PaintCounter& m_counter;
};

TEST(FirstUse, TheListTheAnswerAndTheSoundAreReadiedAfterTheFirstPaintOnly)
{
    PaintCounter counter;
    PreparingCuePlayer cues(counter);
    QtForm form(cues);
    form.window()->installEventFilter(&counter);
    wireEvents(form);
    prepareAfterFirstPaint(form, cues);
    form.fire(Control::Form1, Event::Load);
    QApplication::processEvents();
    EXPECT_TRUE(cues.paintsWhenPrepared.empty()) << "prepared before the window showed";
    EXPECT_EQ(form.window()->findChild<NumberList*>(), nullptr);

    form.window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.window()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !cues.paintsWhenPrepared.empty(); }));
    EXPECT_GT(cues.paintsWhenPrepared.front(), 0);
    const auto* list = form.window()->findChild<NumberList*>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 100);

    // Once only, and with the window as it was: list closed, answer hidden, same pixels as a
    // window that prepared nothing.
    form.window()->update();
    QTest::qWait(20);
    EXPECT_EQ(cues.paintsWhenPrepared.size(), 1u);
    EXPECT_FALSE(form.visible(Control::List1));
    EXPECT_FALSE(form.visible(Control::Label2));
    RecordingCuePlayer otherCues;
    QtForm unprepared(otherCues);
    wireEvents(unprepared);
    unprepared.fire(Control::Form1, Event::Load);
    EXPECT_EQ(form.window()->grab().toImage(), unprepared.window()->grab().toImage());

    // The prepared list opens and picks as one made on the spot does.
    form.activate(Control::Label4);
    ASSERT_TRUE(form.visible(Control::List1));
    QTest::keyClick(form.controlWidget(Control::List1), Qt::Key_Return);
    EXPECT_FALSE(form.visible(Control::List1));
    EXPECT_EQ(form.caption(Control::Label5), u"1");
}

} // namespace
} // namespace zarvona

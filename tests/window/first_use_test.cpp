// What the first clicks need is prepared once the window has been painted, never before it shows,
// and preparing it changes nothing on the screen; a click's cue sounds once the window has
// painted what the click changed.
#include "window_fixture.h"

#include "ui/riddle_count.h"

#include "app/cue_after_paint.h"
#include "app/first_use.h"
#include "app/window_wiring.h"
#include "window/controls/number_list.h"

#include <QTest>

namespace zarvona {
namespace {

// Remembers each time it was asked to get ready, and whether the window had painted by then.
class PreparingCuePlayer final : public CuePlayer, public QObject {
  public:
    void play(std::string_view) override {}
    void prepare() override { preparedAfterPaint.push_back(m_painted); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        m_painted = m_painted || event->type() == QEvent::Paint;
        return false;
    }
    std::vector<bool> preparedAfterPaint;

  private:
    bool m_painted = false;
};

TEST(FirstUse, TheListTheAnswerAndTheSoundAreReadiedAfterTheFirstPaintOnly)
{
    PreparingCuePlayer cues;
    QtForm form([&cues](std::string_view name) { cues.play(name); });
    form.window()->installEventFilter(&cues);
    wireEvents(form);
    prepareAfterFirstPaint(form, cues);
    form.fire(Control::Form1, Event::Load);
    QApplication::processEvents();
    EXPECT_TRUE(cues.preparedAfterPaint.empty()) << "prepared before the window showed";
    EXPECT_EQ(form.window()->findChild<NumberList*>(), nullptr);

    form.window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.window()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !cues.preparedAfterPaint.empty(); }));
    EXPECT_TRUE(cues.preparedAfterPaint.front());
    const auto* list = form.window()->findChild<NumberList*>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), RiddleCount);

    // Once only, and with the window as it was: list closed, answer hidden, same pixels as a
    // window that prepared nothing.
    form.window()->update();
    QTest::qWait(20);
    EXPECT_EQ(cues.preparedAfterPaint.size(), 1u);
    EXPECT_FALSE(form.visible(Control::List1));
    EXPECT_FALSE(form.visible(Control::Label2));
    RecordingCuePlayer otherCues;
    QtForm unprepared([&otherCues](std::string_view name) { otherCues.play(name); });
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

// Remembers, for each cue, whether anything had been painted since it was last reset.
class PaintWatchingCuePlayer final : public CuePlayer, public QObject {
  public:
    void play(std::string_view) override { heardAfterPaint.push_back(painted); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
    bool painted = false;
    std::vector<bool> heardAfterPaint;
};

TEST(FirstUse, AClicksCueSoundsOnceTheWindowHasPaintedWhatTheClickChanged)
{
    PaintWatchingCuePlayer cues;
    CueAfterPaint afterPaint(cues);
    QtForm form([&afterPaint](std::string_view name) { afterPaint.play(name); });
    wireEvents(form);
    form.fire(Control::Form1, Event::Load);
    form.window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.window()));
    QApplication::processEvents();
    QApplication::instance()->installEventFilter(&cues);
    for (const Control c : {Control::Next1, Control::Image2, Control::Back}) {
        cues.painted = false;
        const std::size_t heard = cues.heardAfterPaint.size();
        form.activate(c);
        ASSERT_TRUE(QTest::qWaitFor([&] { return cues.heardAfterPaint.size() > heard; }));
    }
    EXPECT_EQ(cues.heardAfterPaint, std::vector<bool>(3, true));
}

} // namespace
} // namespace zarvona

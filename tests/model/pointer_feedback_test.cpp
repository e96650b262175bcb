#include "browser/handlers.h"
#include "shell/event_table.h"
#include "tests/support/hit_test.h"
#include "tests/support/memory_form.h"
#include "tests/support/points.h"
#include "ui/runtime_error.h"

#include <gtest/gtest.h>

namespace zarvona {
namespace {

// Moves the pointer to a point of the client area (pixels), routed as the window routes it.
void moveTo(MemoryForm& form, int x, int y)
{
    const Control target =
        controlAt(form1Definition(), x, y, [&](Control c) { return form.visible(c); });
    raiseEvent(form, target, Event::MouseMove, [](const RuntimeError& e) { throw e; });
}

void moveTo(MemoryForm& form, Point point) { moveTo(form, point.x, point.y); }

bool hot(const MemoryForm& form, Control c) { return form.foreColor(c) == HotForeColor; }

TEST(PointerFeedback, GlyphsLightUnderThePointerAndRestOverTheBareWindow)
{
    const struct {
        Point point;
        Control glyph;
    } glyphs[] = {{points::next, Control::Next1},
                  {points::back, Control::Back},
                  {points::about, Control::About},
                  {points::opener, Control::Label4}};
    for (const auto& g : glyphs) {
        MemoryForm form;
        moveTo(form, g.point);
        EXPECT_TRUE(hot(form, g.glyph)) << controlName(g.glyph);
        moveTo(form, points::bare);
        EXPECT_FALSE(hot(form, g.glyph)) << controlName(g.glyph);
    }
}

TEST(PointerFeedback, GlyphsStayLitUntilThePointerReachesTheBareWindow)
{
    MemoryForm form;
    form.setVisible(Control::Label2, true);
    moveTo(form, points::next);
    moveTo(form, points::answer); // the shown answer's handler leaves glyphs alone
    moveTo(form, points::about);
    EXPECT_TRUE(hot(form, Control::Next1));
    EXPECT_TRUE(hot(form, Control::About));
    moveTo(form, points::counter); // the counter rests Back alone
    EXPECT_TRUE(hot(form, Control::Next1));
    moveTo(form, points::bare);
    EXPECT_FALSE(hot(form, Control::Next1));
    EXPECT_FALSE(hot(form, Control::About));
}

TEST(PointerFeedback, LeavingBackOntoTheCounterRestsBackOnly)
{
    MemoryForm form;
    moveTo(form, points::about);
    moveTo(form, points::back);
    moveTo(form, 394, 255); // Back, over the counter
    EXPECT_TRUE(hot(form, Control::Back));
    moveTo(form, points::counter);
    EXPECT_FALSE(hot(form, Control::Back));
    EXPECT_TRUE(hot(form, Control::About));
}

TEST(PointerFeedback, TheListOpensOnItsGlyphStaysOpenInsideAndClosesOutside)
{
    MemoryForm form;
    moveTo(form, points::opener);
    EXPECT_TRUE(form.visible(Control::List1));
    EXPECT_TRUE(hot(form, Control::Label4));
    form.clearLog();
    moveTo(form, points::listOverOpener);
    moveTo(form, points::list);
    EXPECT_TRUE(form.log().empty()); // no handler runs over the list
    moveTo(form, points::opener);
    EXPECT_TRUE(form.visible(Control::List1));
    moveTo(form, points::bare);
    EXPECT_FALSE(form.visible(Control::List1));
    EXPECT_FALSE(hot(form, Control::Label4));

    moveTo(form, points::opener);
    moveTo(form, points::picture);
    moveTo(form, points::question); // the question closes the list and changes nothing else
    EXPECT_FALSE(form.visible(Control::List1));
    EXPECT_TRUE(hot(form, Control::Label4));
    EXPECT_EQ(MemoryForm::pictureName(form.picture(Control::Image2)), "hover");
}

TEST(PointerFeedback, OnlyTheBareWindowAndTheShownAnswerGiveTheRestingPictureBack)
{
    for (const bool answerShowing : {true, false}) {
        MemoryForm form;
        form.setVisible(Control::Label2, answerShowing);
        moveTo(form, points::next);
        for (const Point point :
             {points::picture, points::question, points::counter, points::back, points::picture}) {
            moveTo(form, point);
            EXPECT_EQ(MemoryForm::pictureName(form.picture(Control::Image2)), "hover");
        }
        moveTo(form, points::answer);
        EXPECT_EQ(MemoryForm::pictureName(form.picture(Control::Image2)), "resting");
        // Over the hidden answer the window's own handler runs and rests the glyphs too.
        EXPECT_EQ(hot(form, Control::Next1), answerShowing);
    }
}

} // namespace
} // namespace zarvona

#include "browser/handlers.h"
#include "shell/event_table.h"
#include "tests/support/hit_test.h"
#include "tests/support/memory_form.h"
#include "ui/runtime_error.h"

#include <gtest/gtest.h>

namespace zarvona {
namespace {

const std::string Idle = std::to_string(IdleForeColor);
const std::string Hot = std::to_string(HotForeColor);

TEST(PointerFeedback, EachHandlerMakesItsAssignmentsInOrder)
{
    const struct {
        Handler handler;
        std::vector<std::string> writes;
    } cases[] = {
        {Next1_MouseMove, {"Next1.ForeColor=" + Hot}},
        {Back_MouseMove, {"Back.ForeColor=" + Hot}},
        {About_MouseMove, {"About.ForeColor=" + Hot}},
        {Label4_MouseMove, {"Label4.ForeColor=" + Hot, "List1.Visible=True"}},
        {Label5_MouseMove, {"Back.ForeColor=" + Idle}},
        {Image2_MouseMove, {"Image2.Picture=hover"}},
        {Label1_MouseMove, {"List1.Visible=False"}},
        {Label2_MouseMove, {"List1.Visible=False", "Image2.Picture=resting"}},
        {Form_MouseMove,
         {"Back.ForeColor=" + Idle, "Next1.ForeColor=" + Idle, "Label4.ForeColor=" + Idle,
          "About.ForeColor=" + Idle, "Image2.Picture=resting", "List1.Visible=False"}},
    };
    for (const auto& c : cases) {
        MemoryForm form;
        c.handler(form);
        c.handler(form); // a repeated movement assigns the same values again
        std::vector<std::string> twice = c.writes;
        twice.insert(twice.end(), c.writes.begin(), c.writes.end());
        EXPECT_EQ(form.log(), twice);
    }
}

// Moves the pointer to a point of the client area (pixels), routed as the window routes it.
void moveTo(MemoryForm& form, int x, int y)
{
    const Control target =
        controlAt(form1Definition(), x, y, [&](Control c) { return form.visible(c); });
    raiseEvent(form, target, Event::MouseMove, [](const RuntimeError& e) { throw e; });
}

struct Points {
    static constexpr int bare[2] = {200, 295};
    static constexpr int next[2] = {368, 284};
    static constexpr int back[2] = {384, 248};
    static constexpr int about[2] = {453, 202};
    static constexpr int opener[2] = {412, 220};
    static constexpr int list[2] = {409, 175};
    static constexpr int listOverOpener[2] = {412, 208};
    static constexpr int question[2] = {240, 100};
    static constexpr int answer[2] = {150, 240};
    static constexpr int counter[2] = {430, 275};
    static constexpr int picture[2] = {50, 240};
};

void moveTo(MemoryForm& form, const int (&point)[2]) { moveTo(form, point[0], point[1]); }

bool hot(const MemoryForm& form, Control c) { return form.foreColor(c) == HotForeColor; }

TEST(PointerFeedback, GlyphsLightUnderThePointerAndRestOverTheBareWindow)
{
    const struct {
        const int (*point)[2];
        Control glyph;
    } glyphs[] = {{&Points::next, Control::Next1},
                  {&Points::back, Control::Back},
                  {&Points::about, Control::About},
                  {&Points::opener, Control::Label4}};
    for (const auto& g : glyphs) {
        MemoryForm form;
        moveTo(form, *g.point);
        EXPECT_TRUE(hot(form, g.glyph)) << controlName(g.glyph);
        moveTo(form, Points::bare);
        EXPECT_FALSE(hot(form, g.glyph)) << controlName(g.glyph);
    }
}

TEST(PointerFeedback, GlyphsStayLitUntilThePointerReachesTheBareWindow)
{
    MemoryForm form;
    form.setVisible(Control::Label2, true);
    moveTo(form, Points::next);
    moveTo(form, Points::answer); // the shown answer's handler leaves glyphs alone
    moveTo(form, Points::about);
    EXPECT_TRUE(hot(form, Control::Next1));
    EXPECT_TRUE(hot(form, Control::About));
    moveTo(form, Points::counter); // the counter rests Back alone
    EXPECT_TRUE(hot(form, Control::Next1));
    moveTo(form, Points::bare);
    EXPECT_FALSE(hot(form, Control::Next1));
    EXPECT_FALSE(hot(form, Control::About));
}

TEST(PointerFeedback, LeavingBackOntoTheCounterRestsBackOnly)
{
    MemoryForm form;
    moveTo(form, Points::about);
    moveTo(form, Points::back);
    moveTo(form, 394, 255); // Back, over the counter
    EXPECT_TRUE(hot(form, Control::Back));
    moveTo(form, Points::counter);
    EXPECT_FALSE(hot(form, Control::Back));
    EXPECT_TRUE(hot(form, Control::About));
}

TEST(PointerFeedback, TheListOpensOnItsGlyphStaysOpenInsideAndClosesOutside)
{
    MemoryForm form;
    moveTo(form, Points::opener);
    EXPECT_TRUE(form.visible(Control::List1));
    EXPECT_TRUE(hot(form, Control::Label4));
    form.clearLog();
    moveTo(form, Points::listOverOpener);
    moveTo(form, Points::list);
    EXPECT_TRUE(form.log().empty()); // no handler runs over the list
    moveTo(form, Points::opener);
    EXPECT_TRUE(form.visible(Control::List1));
    moveTo(form, Points::bare);
    EXPECT_FALSE(form.visible(Control::List1));
    EXPECT_FALSE(hot(form, Control::Label4));

    moveTo(form, Points::opener);
    moveTo(form, Points::picture);
    moveTo(form, Points::question); // the question closes the list and changes nothing else
    EXPECT_FALSE(form.visible(Control::List1));
    EXPECT_TRUE(hot(form, Control::Label4));
    EXPECT_EQ(MemoryForm::pictureName(form.picture(Control::Image2)), "hover");
}

TEST(PointerFeedback, OnlyTheBareWindowAndTheShownAnswerGiveTheRestingPictureBack)
{
    for (const bool answerShowing : {true, false}) {
        MemoryForm form;
        form.setVisible(Control::Label2, answerShowing);
        moveTo(form, Points::next);
        for (const auto* point : {&Points::picture, &Points::question, &Points::counter,
                                  &Points::back, &Points::picture}) {
            moveTo(form, *point);
            EXPECT_EQ(MemoryForm::pictureName(form.picture(Control::Image2)), "hover");
        }
        moveTo(form, Points::answer);
        EXPECT_EQ(MemoryForm::pictureName(form.picture(Control::Image2)), "resting");
        // Over the hidden answer the window's own handler runs and rests the glyphs too.
        EXPECT_EQ(hot(form, Control::Next1), answerShowing);
    }
}

} // namespace
} // namespace zarvona

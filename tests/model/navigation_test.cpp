#include "browser/handlers.h"
#include "riddles/riddle_catalogue.h"
#include "riddles/show_riddle.h"
#include "tests/support/memory_form.h"
#include "ui/conversions.h"
#include "ui/runtime_error.h"

#include <gtest/gtest.h>

namespace zarvona {
namespace {

MemoryForm formAt(int riddle)
{
    MemoryForm form;
    form.setCaption(Control::Label5, toUtf16(std::to_string(riddle)));
    ShowRiddle(form);
    form.clearLog();
    return form;
}

void expectShowing(const MemoryForm& form, int riddle)
{
    EXPECT_EQ(form.caption(Control::Label5), toUtf16(std::to_string(riddle)));
    EXPECT_EQ(form.caption(Control::Label1), RiddleCatalogue[riddle - 1].question) << riddle;
    EXPECT_EQ(form.caption(Control::Label2), RiddleCatalogue[riddle - 1].answer) << riddle;
    EXPECT_FALSE(form.visible(Control::Label2)) << riddle;
}

TEST(Navigation, NextAndBackStepAndWrapOnlyAtTheEnds)
{
    const struct {
        int from;
        void (*move)(Form&);
        int to;
    } cases[] = {
        {1, Next1_Click, 2},
        {41, Next1_Click, 42},
        {RiddleCount - 1, Next1_Click, RiddleCount},
        {RiddleCount, Next1_Click, 1},
        {2, Back_Click, 1},
        {42, Back_Click, 41},
        {RiddleCount, Back_Click, RiddleCount - 1},
        {1, Back_Click, RiddleCount},
    };
    for (const auto& c : cases) {
        MemoryForm form = formAt(c.from);
        form.setVisible(Control::Label2, true);
        c.move(form);
        expectShowing(form, c.to);
        EXPECT_EQ(form.cues(), std::vector<std::string>{"click.wav"});
    }
}

TEST(Navigation, AWholeRoundEitherWayComesBackToTheStart)
{
    for (const int start : {1, 50, RiddleCount}) {
        for (void (*move)(Form&) : {Next1_Click, Back_Click}) {
            MemoryForm form = formAt(start);
            for (int i = 0; i < RiddleCount; ++i) {
                move(form);
                const std::u16string counter = form.caption(Control::Label5);
                ASSERT_FALSE(counter.empty());
                ASSERT_NE(counter.front(), u'0');
                ASSERT_EQ(counter.find_first_not_of(u"0123456789"), std::u16string::npos);
            }
            expectShowing(form, start);
            EXPECT_EQ(form.cues().size(), static_cast<std::size_t>(RiddleCount));
        }
    }
}

TEST(Navigation, EachMoveCuesFirstAndHidesTheAnswerBeforeLoadingTheNewOne)
{
    MemoryForm form = formAt(41);
    Next1_Click(form);
    ASSERT_EQ(form.log().size(), 5u);
    EXPECT_EQ(form.log()[0], "cue click.wav");
    EXPECT_EQ(form.log()[1], "Label2.Visible=False");
    EXPECT_EQ(form.log()[2], "Label5.Caption=42");
    EXPECT_EQ(form.log()[3].rfind("Label1.Caption=", 0), 0u);
    EXPECT_EQ(form.log()[4].rfind("Label2.Caption=", 0), 0u);
}

TEST(Navigation, NextAndBackLeaveTheListAndItsSelectionAlone)
{
    for (const bool listOpen : {false, true}) {
        MemoryForm form = formAt(10);
        form.setVisible(Control::List1, listOpen);
        form.selectListItem(4);
        Next1_Click(form);
        Back_Click(form);
        Back_Click(form);
        EXPECT_EQ(form.visible(Control::List1), listOpen);
        EXPECT_EQ(form.selectedListItem(), 4);
        expectShowing(form, 9);
    }
}

TEST(Navigation, APickJumpsToThePickedNumberAndClosesTheList)
{
    const struct {
        int from, picked;
    } cases[] = {{1, RiddleCount}, {RiddleCount, 1}, {37, 37}, {5, 64}};
    for (const auto& c : cases) {
        MemoryForm form = formAt(c.from);
        form.setVisible(Control::List1, true);
        form.setVisible(Control::Label2, true);
        form.selectListItem(c.picked - 1);
        form.clearLog();
        List1_Click(form);
        expectShowing(form, c.picked);
        EXPECT_FALSE(form.visible(Control::List1));
        EXPECT_EQ(form.selectedListItem(), c.picked - 1);
        ASSERT_EQ(form.log().size(), 6u);
        EXPECT_EQ(form.log()[0], "cue click.wav");
        EXPECT_EQ(form.log()[1], "Label5.Caption=" + std::to_string(c.picked));
        EXPECT_EQ(form.log()[2], "Label2.Visible=False");
        EXPECT_EQ(form.log()[5], "List1.Visible=False");
    }
}

TEST(Navigation, ACounterThatIsNoNumberStopsTheMoveAfterHidingTheAnswer)
{
    MemoryForm form = formAt(8);
    form.setVisible(Control::Label2, true);
    form.setCaption(Control::Label5, u"x");
    EXPECT_THROW(Next1_Click(form), RuntimeError);
    EXPECT_EQ(form.caption(Control::Label5), u"x");
    EXPECT_FALSE(form.visible(Control::Label2));
    EXPECT_EQ(form.caption(Control::Label1), RiddleCatalogue[7].question);
}

} // namespace
} // namespace zarvona

#include "riddles/riddle_catalogue.h"
#include "riddles/show_riddle.h"
#include "tests/support/memory_form.h"
#include "ui/conversions.h"
#include "ui/runtime_error.h"

#include <gtest/gtest.h>

namespace zarvona {
namespace {

struct Shown {
    std::u16string question, answer;
};

Shown showFor(MemoryForm& form, std::u16string_view counter)
{
    form.setCaption(Control::Label5, counter);
    ShowRiddle(form);
    return {form.caption(Control::Label1), form.caption(Control::Label2)};
}

TEST(ShowRiddle, ShowsTheEntryTheCounterNames)
{
    MemoryForm form;
    for (const RiddleEntry& entry : RiddleCatalogue) {
        const Shown shown = showFor(form, toUtf16(std::to_string(entry.number)));
        EXPECT_EQ(shown.question, entry.question) << entry.number;
        EXPECT_EQ(shown.answer, entry.answer) << entry.number;
    }
}

TEST(ShowRiddle, ComparesNumbersNotTexts)
{
    MemoryForm form;
    for (std::u16string_view counter : {u"42", u" 42", u"42.0", u"042", u"4.2E1"}) {
        EXPECT_EQ(showFor(form, u"1").question, RiddleCatalogue[0].question);
        EXPECT_EQ(showFor(form, counter).question, RiddleCatalogue[41].question)
            << std::string(counter.begin(), counter.end());
    }
}

TEST(ShowRiddle, ANumberWithNoEntryLeavesBothLabelsAsTheyWere)
{
    MemoryForm form;
    const Shown before = showFor(form, u"7");
    for (std::u16string_view counter : {u"0", u"101", u"7.5", u"-7", u"1e9"}) {
        form.clearLog();
        const Shown after = showFor(form, counter);
        EXPECT_EQ(after.question, before.question);
        EXPECT_EQ(after.answer, before.answer);
        EXPECT_EQ(form.log().size(), 1u); // only the counter write of this test
    }
}

TEST(ShowRiddle, WritesQuestionThenAnswerEachTimeAndLeavesVisibilityAlone)
{
    for (const bool answerShowing : {false, true}) {
        MemoryForm form;
        form.setVisible(Control::Label2, answerShowing);
        showFor(form, u"5");
        form.clearLog();
        ShowRiddle(form);
        ShowRiddle(form);
        ASSERT_EQ(form.log().size(), 4u);
        EXPECT_EQ(form.log()[0].rfind("Label1.Caption=", 0), 0u);
        EXPECT_EQ(form.log()[1].rfind("Label2.Caption=", 0), 0u);
        EXPECT_EQ(form.log()[2], form.log()[0]);
        EXPECT_EQ(form.log()[3], form.log()[1]);
        EXPECT_EQ(form.visible(Control::Label2), answerShowing);
        EXPECT_EQ(form.caption(Control::Label5), u"5");
    }
}

TEST(ShowRiddle, ACounterThatIsNoNumberRaisesTypeMismatchBeforeWritingAnything)
{
    MemoryForm form;
    const Shown before = showFor(form, u"3");
    for (std::u16string_view counter : {u"", u"abc", u"ثلاثة"}) {
        form.setCaption(Control::Label5, counter);
        form.clearLog();
        try {
            ShowRiddle(form);
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), TypeMismatch);
        }
        EXPECT_TRUE(form.log().empty());
        EXPECT_EQ(form.caption(Control::Label1), before.question);
    }
}

TEST(ShowRiddle, AFailedQuestionWriteStopsBeforeTheAnswer)
{
    MemoryForm form;
    const Shown before = showFor(form, u"3");
    form.failOn(Access::Write, Property::Caption, Control::Label1);
    form.setCaption(Control::Label5, u"4");
    EXPECT_THROW(ShowRiddle(form), RuntimeError);
    EXPECT_EQ(form.caption(Control::Label2), before.answer);
}

} // namespace
} // namespace zarvona

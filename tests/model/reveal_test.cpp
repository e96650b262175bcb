#include "browser/handlers.h"
#include "tests/support/memory_form.h"
#include "ui/runtime_error.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zarvona {
namespace {

int rightCues(const MemoryForm& form)
{
    return static_cast<int>(std::count(form.cues().begin(), form.cues().end(), "right.wav"));
}

TEST(Reveal, TheCueSoundsOnceForEachRiddleShown)
{
    const struct {
        std::vector<void (*)(Form&)> steps;
        int cues;
    } cases[] = {
        {{Image2_Click}, 1},
        {{Image2_Click, Image2_Click}, 1},
        {{Image2_Click, Next1_Click, Image2_Click}, 2},
        {{Next1_Click, Next1_Click, Image2_Click}, 1},
        {{Image2_Click, Back_Click, Image2_Click, Image2_Click}, 2},
        {{Next1_Click}, 0},
    };
    for (const auto& c : cases) {
        MemoryForm form;
        for (auto step : c.steps)
            step(form);
        EXPECT_EQ(rightCues(form), c.cues);
        EXPECT_EQ(form.visible(Control::Label2), c.steps.back() == Image2_Click);
    }
}

TEST(Reveal, ChangesNothingButTheAnswersVisibility)
{
    MemoryForm form;
    form.setCaption(Control::Label2, u"جواب");
    form.setVisible(Control::List1, true);
    form.clearLog();
    Image2_Click(form);
    EXPECT_EQ(form.log(), (std::vector<std::string>{"cue right.wav", "Label2.Visible=True"}));
    EXPECT_EQ(form.caption(Control::Label2), u"جواب");
}

TEST(Reveal, AFailedReadOfTheAnswersVisibilityNeitherCuesNorReveals)
{
    MemoryForm form;
    form.failOn(Access::Read, Property::Visible, Control::Label2);
    EXPECT_THROW(Image2_Click(form), RuntimeError);
    EXPECT_TRUE(form.log().empty());
}

} // namespace
} // namespace zarvona

#include "shell/about.h"
#include "tests/support/memory_form.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zarvona {
namespace {

TEST(About, TextIsThreeLinesJoinedByCarriageReturnsAlone)
{
    // Its words are checked where the real box shows them (browse_test.cpp).
    const std::u16string text = AboutText();
    EXPECT_EQ(std::count(text.begin(), text.end(), u'\r'), 2);
    EXPECT_EQ(text.find(u'\n'), std::u16string::npos);
    EXPECT_NE(text.back(), u'\r');
}

TEST(About, ClickShowsTheSameBoxEachTimeAndChangesNothingElse)
{
    MemoryForm form;
    form.setCaption(Control::Label5, u"42");
    form.setVisible(Control::Label2, true);
    form.clearLog();

    About_Click(form);
    About_Click(form);

    ASSERT_EQ(form.messages().size(), 2u);
    for (const MemoryForm::Message& message : form.messages()) {
        EXPECT_EQ(message.prompt, AboutText());
        EXPECT_EQ(message.style, MsgBoxRtlReading | MsgBoxRightAligned);
    }
    EXPECT_EQ(form.log(), (std::vector<std::string>{"msgbox", "msgbox"}));
    EXPECT_TRUE(form.cues().empty());
    EXPECT_EQ(form.caption(Control::Label5), u"42");
    EXPECT_TRUE(form.visible(Control::Label2));
}

} // namespace
} // namespace zarvona

#include "shell/event_table.h"
#include "tests/support/memory_form.h"
#include "ui/runtime_error.h"

#include <gtest/gtest.h>

namespace zarvona {
namespace {

TEST(EventTable, AnErrorEndsTheHandlerWhereItFailedAndIsReportedOnce)
{
    MemoryForm form;
    form.setVisible(Control::Label2, true);
    form.setCaption(Control::Label5, u"not a number");
    std::vector<int> reported;
    const bool ok = raiseEvent(form, Control::Next1, Event::Click,
                               [&](const RuntimeError& e) { reported.push_back(e.number()); });
    EXPECT_FALSE(ok);
    EXPECT_EQ(reported, std::vector<int>{TypeMismatch});
    // The steps before the failure stand; nothing is rolled back.
    EXPECT_EQ(form.cues(), std::vector<std::string>{"click.wav"});
    EXPECT_FALSE(form.visible(Control::Label2));

    // The program goes on: the next event runs normally.
    form.setCaption(Control::Label5, u"5");
    EXPECT_TRUE(raiseEvent(form, Control::Next1, Event::Click, [](const RuntimeError&) {}));
    EXPECT_EQ(form.caption(Control::Label5), u"6");
}

TEST(EventTable, AnEventWithNoHandlerDoesNothing)
{
    MemoryForm form;
    EXPECT_TRUE(raiseEvent(form, Control::Shape1, Event::Click,
                           [](const RuntimeError&) { ADD_FAILURE(); }));
    EXPECT_TRUE(form.log().empty());
}

} // namespace
} // namespace zarvona

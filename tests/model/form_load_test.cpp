#include "riddles/riddle_catalogue.h"
#include "shell/form_load.h"
#include "tests/support/memory_form.h"
#include "ui/runtime_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace zarvona {
namespace {

TEST(FormLoad, CentringRoundsHalvesToEvenThenHalvesTowardZero)
{
    const struct {
        float screen, window;
        std::int32_t offset;
    } cases[] = {
        {1825, 1000, 412},                     // odd differences are truncated, not rounded up
        {1695, 1000, 347},    {1000, 1000, 0}, // as large as the screen
        {1000, 1003, -1},                      // 3 wider: -3 \ 2 is -1, not -2
        {1000, 1001, 0},                       // 1 wider: -1 \ 2 is 0
        {1000.5f, 900, 50},                    // 100.5 rounds to 100
        {1001.5f, 900, 51},                    // 101.5 rounds to 102
        {28800, 7245, 10777},
    };
    for (const auto& c : cases)
        EXPECT_EQ(centredOffset(c.screen, c.window), c.offset) << c.screen << " - " << c.window;
}

// With a window manager's frame known beforehand, the window's Width and Height are its outer
// size, and the frame's top-left corner goes where the arithmetic says: the framed window stands
// centred, to within the pixel that the halving truncates.
TEST(FormLoad, TheFramedWindowIsCentredWithTheSameArithmetic)
{
    constexpr int ClientWidth = 475, ClientHeight = 305, Twips = 15;
    const struct {
        const char* name;
        int screenWidth, screenHeight;
        int left, top, right, bottom; // the frame, in pixels
        std::int32_t x, y;            // where the frame goes, in twips
    } cases[] = {
        {"no window manager", 1280, 800, 0, 0, 0, 0, 6037, 3712},
        {"a title bar and thin borders", 1280, 800, 1, 22, 1, 1, 6022, 3540},
        {"a thick frame on a wide screen", 1920, 1080, 4, 30, 4, 4, 10777, 5557},
        {"borders on one side only", 1024, 768, 0, 0, 8, 0, 4057, 3472},
        {"a screen smaller than the frame", 476, 320, 1, 22, 1, 1, -7, -60},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int outerWidth = ClientWidth + c.left + c.right;
        const int outerHeight = ClientHeight + c.top + c.bottom;
        MemoryForm form;
        form.setScreenSize(static_cast<float>(c.screenWidth * Twips),
                           static_cast<float>(c.screenHeight * Twips));
        form.setWindowSize(static_cast<float>(outerWidth * Twips),
                           static_cast<float>(outerHeight * Twips));
        form.clearLog();
        Form_Load(form);
        ASSERT_FALSE(form.log().empty());
        EXPECT_EQ(form.log()[0], "move " + std::to_string(c.x) + " " + std::to_string(c.y));
        // The gaps either side of the framed window differ by at most a pixel.
        const double x = c.x / double(Twips), y = c.y / double(Twips);
        EXPECT_LE(std::abs((c.screenWidth - outerWidth - x) - x), 1.0);
        EXPECT_LE(std::abs((c.screenHeight - outerHeight - y) - y), 1.0);
    }
}

TEST(FormLoad, DifferencesBeyondAnIntegerOrAFloatRaiseErrors)
{
    const float infinity = std::numeric_limits<float>::infinity();
    const struct {
        float screen, window;
        int error;
    } cases[] = {
        {5e9f, 0, 6},
        {-5e9f, 0, 6},
        {infinity, 0, 6},
        {infinity, infinity, 5},
    };
    for (const auto& c : cases) {
        try {
            centredOffset(c.screen, c.window);
            ADD_FAILURE() << "no error for " << c.screen << " - " << c.window;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), c.error);
        }
    }
}

TEST(FormLoad, CentresOnceThenGivesTheRestingPictureThenShowsRiddleOne)
{
    MemoryForm form;
    form.setScreenSize(7245 + 825, 4980 + 695);
    form.setWindowSize(7245, 4980);
    form.clearLog();

    Form_Load(form);

    ASSERT_EQ(form.log().size(), 4u);
    EXPECT_EQ(form.log()[0], "move 412 347");
    EXPECT_EQ(form.log()[1], "Image2.Picture=resting");
    EXPECT_EQ(form.log()[2].rfind("Label1.Caption=", 0), 0u);
    EXPECT_EQ(form.log()[3].rfind("Label2.Caption=", 0), 0u);
    EXPECT_EQ(form.width(), 7245);
    EXPECT_EQ(form.height(), 4980);
    // One picture object, shared: nothing is copied.
    EXPECT_EQ(form.picture(Control::Image2), form.picture(Control::Image4));
    EXPECT_EQ(form.caption(Control::Label1), RiddleCatalogue[0].question);
    EXPECT_EQ(form.caption(Control::Label2), RiddleCatalogue[0].answer);
    // The rest of the start-up state is the window's stored state, untouched.
    EXPECT_EQ(form.caption(Control::Label5), u"1");
    EXPECT_FALSE(form.visible(Control::Label2));
    EXPECT_FALSE(form.visible(Control::List1));
    EXPECT_TRUE(form.cues().empty());
}

TEST(FormLoad, AFailureEndsItAtTheFailingStep)
{
    MemoryForm failsToMove;
    failsToMove.failOn(Access::Write, Property::Move);
    EXPECT_THROW(Form_Load(failsToMove), RuntimeError);
    EXPECT_EQ(failsToMove.picture(Control::Image2), nullptr);
    EXPECT_EQ(failsToMove.caption(Control::Label1), u"");

    MemoryForm failsOnPicture;
    failsOnPicture.failOn(Access::Read, Property::Picture, Control::Image4);
    EXPECT_THROW(Form_Load(failsOnPicture), RuntimeError);
    EXPECT_EQ(failsOnPicture.log().size(), 1u); // moved, nothing more
    EXPECT_EQ(failsOnPicture.caption(Control::Label1), u"");
}

} // namespace
} // namespace zarvona

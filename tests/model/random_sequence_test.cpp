// Random pointer movements and clicks over the model, routed by position as the window routes
// them, checking the book's invariants after every step.
#include "riddles/riddle_catalogue.h"
#include "shell/event_table.h"
#include "shell/form_load.h"
#include "tests/support/book_invariants.h"
#include "tests/support/hit_test.h"
#include "tests/support/memory_form.h"
#include "tests/support/points.h"
#include "ui/conversions.h"
#include "ui/runtime_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace zarvona {
namespace {

TEST(RandomSequence, TheBooksInvariantsHoldAfterEveryStep)
{
    for (const unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        RandomSession session(seed, 4);
        MemoryForm form;
        Form_Load(form);
        const auto fail = [](const RuntimeError& e) { FAIL() << e.what(); };
        std::size_t moves = 0, firstReveals = 0;
        for (int step = 0; step < 2000; ++step) {
            const auto [at, click] = session.next();
            const Control target = controlAt(form, at.x, at.y);
            if (click && target == Control::List1)
                form.selectListItem(std::uniform_int_distribution(0, 99)(session.random()));
            const bool wasShowing = form.visible(Control::Label2);
            const std::size_t cuesBefore = form.cues().size();
            raiseEvent(form, target, click ? Event::Click : Event::MouseMove, fail);

            const bool moved = click && (target == Control::Next1 || target == Control::Back ||
                                         target == Control::List1);
            moves += moved;
            firstReveals += click && target == Control::Image2 && !wasShowing;
            ASSERT_EQ(form.cues().size(), moves + firstReveals) << "seed " << seed;
            if (moved) {
                ASSERT_EQ(form.cues().size(), cuesBefore + 1);
                ASSERT_FALSE(form.visible(Control::Label2));
            }
            ASSERT_EQ(brokenInvariant(form), "") << "seed " << seed << ", step " << step;
        }
        EXPECT_GT(moves, 20u) << "seed " << seed; // the walk really did browse
    }
}

} // namespace
} // namespace zarvona

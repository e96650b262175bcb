// Next, Back and a pick in the number list. Each move starts the click cue, hides the answer,
// rewrites the counter text and shows the riddle it now names. The counter wraps from the last
// riddle (100) to 1 and from 1 to the last, and only there: the tests are exact equalities, not
// range clamps.
#include "browser/handlers.h"

#include "riddles/show_riddle.h"
#include "ui/conversions.h"
#include "ui/form.h"
#include "ui/riddle_count.h"

namespace zarvona {

namespace {

constexpr std::string_view ClickCue = "click.wav";

// The riddle after the last is the first, and the one before the first is the last.
static_assert(RiddleCount >= 2, "a book of one riddle has nowhere to move");

// Next and Back differ only in the direction of the step (and so where the counter wraps).
void step(Form& form, int direction)
{
    form.playCue(ClickCue);
    form.setVisible(Control::Label2, false);
    const double n = textToNumber(form.caption(Control::Label5));
    const Wrap wrap = wrapOf(direction);
    if (n == wrap.at)
        form.setCaption(Control::Label5, integerToText(static_cast<std::int16_t>(wrap.to)));
    else
        form.setCaption(Control::Label5, numberToText(n + direction));
    ShowRiddle(form);
}

} // namespace

void Next1_Click(Form& form) { step(form, +1); }

void Back_Click(Form& form) { step(form, -1); }

void List1_Click(Form& form)
{
    form.playCue(ClickCue);
    form.setCaption(Control::Label5, form.text(Control::List1));
    form.setVisible(Control::Label2, false);
    ShowRiddle(form);
    form.setVisible(Control::List1, false);
}

} // namespace zarvona

// Next, Back and a pick in the number list. Each move starts the click cue, hides the answer,
// rewrites the counter text and shows the riddle it now names. The counter wraps from 100 to 1
// and from 1 to 100, and only there: the tests are exact equalities, not range clamps.
#include "browser/handlers.h"

#include "riddles/show_riddle.h"
#include "ui/conversions.h"
#include "ui/form.h"

namespace zarvona {

namespace {

constexpr std::string_view ClickCue = "click.wav";

} // namespace

void Next1_Click(Form& form)
{
    form.playCue(ClickCue);
    form.setVisible(Control::Label2, false);
    const double n = textToNumber(form.caption(Control::Label5));
    if (n == 100)
        form.setCaption(Control::Label5, integerToText(1));
    else
        form.setCaption(Control::Label5, numberToText(n + 1));
    ShowRiddle(form);
}

void Back_Click(Form& form)
{
    form.playCue(ClickCue);
    form.setVisible(Control::Label2, false);
    const double n = textToNumber(form.caption(Control::Label5));
    if (n == 1)
        form.setCaption(Control::Label5, integerToText(100));
    else
        form.setCaption(Control::Label5, numberToText(n - 1));
    ShowRiddle(form);
}

void List1_Click(Form& form)
{
    form.playCue(ClickCue);
    form.setCaption(Control::Label5, form.text(Control::List1));
    form.setVisible(Control::Label2, false);
    ShowRiddle(form);
    form.setVisible(Control::List1, false);
}

} // namespace zarvona

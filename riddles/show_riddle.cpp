#include "riddles/show_riddle.h"

#include "riddles/riddle_catalogue.h"
#include "ui/conversions.h"
#include "ui/form.h"

namespace zarvona {

void ShowRiddle(Form& form)
{
    // The counter is compared as a number, so any text that converts to exactly k shows entry
    // k; a number with no entry (0, 101, 7.5) leaves both labels as they were, and text that is
    // no number raises Type mismatch before anything is written.
    const double number = textToNumber(form.caption(Control::Label5));
    if (const RiddleEntry* entry = findRiddle(number)) {
        form.setCaption(Control::Label1, entry->question);
        form.setCaption(Control::Label2, entry->answer);
    }
}

} // namespace zarvona

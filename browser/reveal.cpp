// The reveal button: shows the answer already loaded into Label2. The right-answer cue plays
// only when the answer was hidden at the click, so it sounds once for each riddle shown.
#include "browser/handlers.h"

#include "ui/form.h"

namespace zarvona {

void Image2_Click(Form& form)
{
    const bool wasShowing = form.visible(Control::Label2);
    if (!wasShowing)
        form.playCue("right.wav");
    form.setVisible(Control::Label2, true);
}

} // namespace zarvona

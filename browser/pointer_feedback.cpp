// Hover feedback. There is no "pointer left" event and no stored hover state: whatever one
// area's handler turns on stays on until another area's handler turns it off, chiefly the
// window's own, which returns everything to rest. The handlers ignore the button, shift and
// position arguments, and assign without comparing first.
#include "browser/handlers.h"

#include "ui/form.h"

namespace zarvona {

void Next1_MouseMove(Form& form) { form.setForeColor(Control::Next1, HotForeColor); }

void Back_MouseMove(Form& form) { form.setForeColor(Control::Back, HotForeColor); }

void About_MouseMove(Form& form) { form.setForeColor(Control::About, HotForeColor); }

void Label4_MouseMove(Form& form)
{
    form.setForeColor(Control::Label4, HotForeColor);
    form.setVisible(Control::List1, true);
}

// The counter lies under Back's lower edge: leaving Back onto it returns Back, and only Back,
// to rest.
void Label5_MouseMove(Form& form) { form.setForeColor(Control::Back, IdleForeColor); }

void Image2_MouseMove(Form& form)
{
    form.setPicture(Control::Image2, form.picture(Control::Image3));
}

void Label1_MouseMove(Form& form) { form.setVisible(Control::List1, false); }

void Label2_MouseMove(Form& form)
{
    form.setVisible(Control::List1, false);
    form.setPicture(Control::Image2, form.picture(Control::Image4));
}

void Form_MouseMove(Form& form)
{
    form.setForeColor(Control::Back, IdleForeColor);
    form.setForeColor(Control::Next1, IdleForeColor);
    form.setForeColor(Control::Label4, IdleForeColor);
    form.setForeColor(Control::About, IdleForeColor);
    form.setPicture(Control::Image2, form.picture(Control::Image4));
    form.setVisible(Control::List1, false);
}

} // namespace zarvona

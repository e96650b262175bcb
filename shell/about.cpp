#include "shell/about.h"

#include "ui/form.h"

namespace zarvona {

std::u16string AboutText()
{
    // The author's address is on a domain reserved for documentation, so it names nobody.
    constexpr std::u16string_view credit = u"إعداد وتصميم Koravel";
    constexpr std::u16string_view contact = u"koravel@example.org";
    constexpr std::u16string_view years = u"1422 - 2001";
    constexpr char16_t lineBreak = u'\r';

    std::u16string text(credit);
    text += lineBreak;
    text += contact;
    text += lineBreak;
    text += years;
    return text;
}

void About_Click(Form& form) { form.msgBox(AboutText(), AboutStyle); }

} // namespace zarvona

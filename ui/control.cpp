#include "ui/control.h"

#include <array>

namespace zarvona {

std::string_view controlName(Control control)
{
    static constexpr std::array<std::string_view, ControlCount> names = {
        "Form1",  "List1",  "Line2",  "Line1", "Label1", "Shape2", "About",  "Image4",
        "Image3", "Image2", "Label4", "Next1", "Back",   "Label2", "Label5", "Shape1",
    };
    return names.at(static_cast<std::size_t>(control));
}

} // namespace zarvona

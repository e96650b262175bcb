#include "tests/support/hit_test.h"

namespace zarvona {

Control controlAt(const FormDefinition& form, int x, int y,
                  const std::function<bool(Control)>& isVisible)
{
    for (const ControlDefinition& control : form.controls) {
        if (!takesPointer(control.kind) || !isVisible(control.control))
            continue;
        if (inPixels(control.rect).contains(x, y))
            return control.control;
    }
    return Control::Form1;
}

} // namespace zarvona

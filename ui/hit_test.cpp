#include "ui/hit_test.h"

namespace zarvona {

Control controlAt(const FormDefinition& form, int x, int y,
                  const std::function<bool(Control)>& isVisible)
{
    for (const ControlDefinition& control : form.controls) {
        if (!takesPointer(control.kind) || !isVisible(control.control))
            continue;
        const TwipsRect& r = control.rect;
        const TwipsRect pixels{twipsToPixels(r.left), twipsToPixels(r.top),
                               twipsToPixels(r.width), twipsToPixels(r.height)};
        if (pixels.contains(x, y))
            return control.control;
    }
    return Control::Form1;
}

} // namespace zarvona

// Pointer routing decided from the window definition, as the in-memory model routes it: the first
// control in stacking order that is visible, takes pointer events and holds the point; the window
// itself where there is none. The real window routes through its own widget stack; the window
// tests check it against this rule.
#pragma once

#include "ui/form.h"
#include "ui/form_definition.h"

#include <functional>

namespace zarvona {

// x and y are pixels from the top-left corner of the client area.
Control controlAt(const FormDefinition& form, int x, int y,
                  const std::function<bool(Control)>& isVisible);

// The control of Form1 under the point, as the model's own visibility stands.
inline Control controlAt(const Form& model, int x, int y)
{
    return controlAt(form1Definition(), x, y, [&](Control c) { return model.visible(c); });
}

} // namespace zarvona

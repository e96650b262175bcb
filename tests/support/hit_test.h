// Pointer routing decided from the window definition: the first control in stacking order that
// is visible, takes pointer events and holds the point; the window itself where there is none.
// The Qt window routes through its own widget stack; this is the rule that stack must follow,
// and what the in-memory model uses.
#pragma once

#include "ui/form_definition.h"

#include <functional>

namespace zarvona {

// x and y are pixels from the top-left corner of the client area.
Control controlAt(const FormDefinition& form, int x, int y,
                  const std::function<bool(Control)>& isVisible);

} // namespace zarvona

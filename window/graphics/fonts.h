// The window's fonts. The faces the layout names are Windows faces; elsewhere each is replaced
// by a pinned face that the set-up installs (Amiri for the bold Naskh of the
// question, Noto Sans Arabic for the answer, Noto Sans for the counter's digits and the number
// list), asked for by its real family name, so that no machine's font matching decides how the
// riddles look and no lookup is spent on a family that is not there. A missing pinned face
// falls back to fontconfig's choice.
#pragma once

#include "ui/form_definition.h"

#include <QFont>
#include <QStringList>

namespace zarvona {

// arabicText: the label shows Arabic (it reads right to left), not digits alone.
QFont fontFor(const FontSpec& wanted, bool arabicText);

// A font of the given families (first choice first), size and weight.
QFont pinnedFont(const QStringList& families, int pixelSize, int weight);

// The families asked for, first choice first.
QStringList familiesFor(std::string_view face, bool arabicText);

// The layout is fixed in pixels at 96 dots per inch, so font sizes are too.
int pixelSizeOf(double points);

} // namespace zarvona

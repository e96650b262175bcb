// The window's fonts. The faces the layout names are Windows faces; each is replaced by a pinned
// face (Amiri for the bold Naskh of the question, Noto Sans Arabic for the answer, Noto Sans for
// the counter's digits and the number list), asked for by its real family name, so that no
// machine's font matching decides how the riddles look and no lookup is spent on a family that is
// not there. On Linux the set-up installs the faces; on Windows they travel beside the program and
// are registered for it alone at start. A missing pinned face falls back to the platform's choice.
#pragma once

#include "ui/form_definition.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace zarvona {

// arabicText: the label shows Arabic (it reads right to left), not digits alone.
QFont fontFor(const FontSpec& wanted, bool arabicText);

// A font of the given families (first choice first), size and weight.
QFont pinnedFont(const QStringList& families, int pixelSize, int weight);

// The families asked for, first choice first.
QStringList familiesFor(std::string_view face, bool arabicText);

// Registers every TrueType or OpenType face in the folder for this program alone; the number
// registered (none where the folder is missing).
int registerFacesIn(const QString& folder);

// The layout is fixed in pixels at 96 dots per inch, so font sizes are too.
int pixelSizeOf(double points);

} // namespace zarvona

// The window's modal message box: the text with its CR line breaks kept as breaks, one OK
// button, no icon, and the reading order and alignment that the style flags ask for.
#pragma once

#include <QString>

class QWidget;

namespace zarvona {

int showMessageBox(QWidget* parent, const QString& title, const QString& text, int style);

} // namespace zarvona

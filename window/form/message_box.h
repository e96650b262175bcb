// The window's modal message box: the text with its CR line breaks kept as breaks, one OK
// button, no icon, and the reading order and alignment that the style flags ask for. Under
// right-to-left reading every line reads right to left, a line of digits or Latin letters
// included, and the button speaks Arabic: Qt's own Arabic for its standard buttons where that
// translation is installed, otherwise the program's.
#pragma once

#include <QString>

#include <memory>

class QMessageBox;
class QWidget;

namespace zarvona {

int showMessageBox(QWidget* parent, const QString& title, const QString& text, int style);

// The box as showMessageBox shows it, not yet shown.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& title,
                                            const QString& text, int style);

// Installs Qt's own Arabic translation (its standard buttons, the list's scroll bar menu) for
// the running application, once; false where the translation is not installed.
bool installQtArabicTranslation();

} // namespace zarvona

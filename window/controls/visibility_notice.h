// What a control widget tells assistive technology when it is shown or hidden, beyond what Qt
// tells: the bus hears both states the reader reads, and the number list, which is the window's
// child only while it shows, is announced as it appears.
#pragma once

class QWidget;

namespace zarvona {

// appears: the widget joins the window's children as a reader lists them only while it shows.
void noteVisibility(QWidget* widget, bool appears = false);

} // namespace zarvona

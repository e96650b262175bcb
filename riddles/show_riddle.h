// ShowRiddle: puts the riddle whose number is the counter text (Label5) on the window, the
// question into Label1 and the answer into Label2. Whether the answer shows is left alone.
#pragma once

namespace zarvona {

class Form;

void ShowRiddle(Form& form);

} // namespace zarvona

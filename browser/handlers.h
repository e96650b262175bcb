// The riddle browser's event handlers, each named after its control and event. They keep no
// state: everything they read and write is a property of a control on the Form they are given.
#pragma once

namespace zarvona {

class Form;

// Moving through the book.
void Next1_Click(Form& form);
void Back_Click(Form& form);
void List1_Click(Form& form);

// Revealing the answer.
void Image2_Click(Form& form);

// Pointer feedback and the number list pop-up.
void Next1_MouseMove(Form& form);
void Back_MouseMove(Form& form);
void About_MouseMove(Form& form);
void Label4_MouseMove(Form& form);
void Label5_MouseMove(Form& form);
void Image2_MouseMove(Form& form);
void Label1_MouseMove(Form& form);
void Label2_MouseMove(Form& form);
void Form_MouseMove(Form& form);

} // namespace zarvona

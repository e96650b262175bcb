// The program reads no command line, with two exceptions that need no window: --version and
// --help print on standard output and end the program with status 0 before any display is
// opened. Any other argument is ignored, as it always was.
#pragma once

namespace zarvona {

// Returns only when neither question was asked.
void answerCommandLine(int argc, char** argv);

} // namespace zarvona

// The process entry: --help and --version answer on the command line; otherwise the program runs
// until its window is closed.
#include "app/program.h"

int main(int argc, char** argv) { return zarvona::runProgram(argc, argv); }

// The process entry: the program takes no command line and runs until its window is closed.
#include "app/program.h"

int main(int argc, char** argv) { return zarvona::runProgram(argc, argv); }

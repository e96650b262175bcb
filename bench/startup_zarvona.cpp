// The riddle book's real start-up, ended by the probe once its window is on the screen.
#include "app/program.h"
#include "shown_probe.h"

int main(int argc, char** argv) { return zarvona::runProgram(argc, argv, bench::reportWhenShown); }

// TERVANE 2015: the desktop program.
#include "ProgramMain.h"

int main(int argc, char** argv) {
    return tervane::RunProgram(argc, argv);
}

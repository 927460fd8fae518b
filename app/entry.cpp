// The executable's entry: everything else lives in the program library.
#include "app/main.h"

int main(int argc, char** argv) { return RunProgram(argc, argv); }

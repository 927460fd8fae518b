// The benchmark program: every comparison registered by the bench files.
#include "bench/ratio.h"

int main(int argc, char** argv) { return varne_bench::run(argc, argv); }

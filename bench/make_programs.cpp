// Writes the benchmark programs as program files:
//   bench_make_programs reference FILE          the reference program
//   bench_make_programs large FILE NEC RAW      NEC and raw IR rows with labels
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/ProgramGenerator.h"
#include "program/ProgramFile.h"

int main(int argc, char** argv)
{
    const std::string what = argc > 2 ? argv[1] : "";
    ProgramLines lines;
    if (what == "reference" && argc == 3) {
        lines = ReferenceProgram();
    } else if (what == "large" && argc == 5) {
        lines = LargeProgram(std::strtoul(argv[3], nullptr, 10), std::strtoul(argv[4], nullptr, 10));
    } else {
        std::fprintf(stderr, "usage: bench_make_programs reference FILE | large FILE NEC_ROWS RAW_ROWS\n");
        return 2;
    }
    if (!WriteProgramFile(argv[2], lines)) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

#pragma once
// Programs for the benchmarks, generated the same way on every run: the
// reference program that is written into and read back from the simulated
// controller, and large programs for the editor (NEC and raw IR rows with
// their labels). Every cell keeps the table rules, so the programs pass
// validation and save unchanged.
#include <cstddef>

#include "program/ProgramLines.h"

// 40 buttons, 40 macros, 100 NEC commands, 20 raw IR commands, 30 serial
// commands, 2 speeds, 20 aliases and the 12 remote parameters, with labels.
ProgramLines ReferenceProgram();

// necRows NEC commands and rawRows raw IR commands, each with its label.
ProgramLines LargeProgram(std::size_t necRows, std::size_t rawRows);

// The lines as the controller is sent them: label lines left out.
ProgramLines WithoutLabels(const ProgramLines& lines);

#pragma once
// A controller program as text lines, one record per line. The text is
// Windows-1252 bytes, exactly as stored in a program file and sent to the
// controller; it is converted only where it meets a window.
#include <string>
#include <vector>

using ProgramLines = std::vector<std::string>;

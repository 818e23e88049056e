#pragma once
// How program lines look on the controller's side of the link.
#include <string>

// A line that switches the wireless interface ("R ... HABILITADO ..."): it is
// never sent as it stands; the write ends with "R HABILITADO Y" when the last
// such line holds a Y or y.
bool IsWirelessSwitchLine(const std::string& line);
bool EnablesWireless(const std::string& switchLine);

// A line read back from the controller as the tables expect it: single spaces
// between fields, except serial commands and remote parameters, whose free
// text keeps its spaces. An empty result is dropped by the reader.
std::string NormalisedReadLine(const std::string& line);

#pragma once
// Whether this user can open a serial port now, and if not, why: the port
// is tried the way the link opens it (read and write, then an exclusive
// lock) and closed again at once.
#include <string>

// UTF-8: "disponible", "ocupado por otro programa",
// "sin permiso (únase al grupo dialout)", ...
std::string PortAccessText(const std::string& devicePath);

#pragma once
// ports: the serial ports that discovery finds, one per line on stdout:
// identifier, tab, name, tab, whether this user can open it now.
struct Invocation;

int RunPorts(const Invocation& invocation);

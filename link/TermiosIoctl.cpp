#include "link/TermiosIoctl.h"

// The kernel's own termios layout; <termios.h> must stay out of this file.
#include <asm/ioctls.h>
#include <asm/termbits.h>

extern "C" int ioctl(int fd, unsigned long request, ...);

bool SetTerminalFlags(int fd, const TerminalFlags& flags)
{
    struct termios settings {};
    // The top bit is the C library's own mark for an input speed of zero.
    settings.c_iflag = flags.iflag & 0x7FFFFFFFu;
    settings.c_oflag = flags.oflag;
    settings.c_cflag = flags.cflag;
    settings.c_lflag = flags.lflag;
    settings.c_line = flags.line;
    for (std::size_t i = 0; i < NCCS && i < flags.ccCount; ++i)
        settings.c_cc[i] = flags.cc[i];
    return ioctl(fd, TCSETS, &settings) == 0;
}

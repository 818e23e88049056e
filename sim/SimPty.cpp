#include "sim/SimPty.h"

#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace {

// Raw both ways, so that no byte value is translated, echoed or swallowed
// before the link configures its side.
void MakeRaw(int fd)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        return;
    cfmakeraw(&settings);
    settings.c_cflag |= CREAD | CLOCAL;
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    tcsetattr(fd, TCSANOW, &settings);
}

} // namespace

SimPty::SimPty()
{
    master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0)
        throw std::runtime_error("no pseudo-terminal available");
    char name[128];
    if (grantpt(master) != 0 || unlockpt(master) != 0 || ptsname_r(master, name, sizeof name) != 0) {
        Close();
        throw std::runtime_error("pseudo-terminal cannot be unlocked");
    }
    slavePath = name;
    slaveKeeper = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (slaveKeeper < 0) {
        Close();
        throw std::runtime_error("pseudo-terminal slave cannot be opened");
    }
    MakeRaw(slaveKeeper);
    MakeRaw(master);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
}

SimPty::~SimPty()
{
    Close();
}

void SimPty::Close()
{
    if (master >= 0)
        close(master);
    if (slaveKeeper >= 0)
        close(slaveKeeper);
    master = -1;
    slaveKeeper = -1;
}

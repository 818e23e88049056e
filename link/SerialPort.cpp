#include "link/SerialPort.h"

#include "link/TermiosIoctl.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Device paths live in a buffer of this size, terminator included.
constexpr std::size_t kPathBufferSize = 128;

// How long a write may wait for room in the output queue before the byte is
// given up. Writes report nothing; a lost byte shows up later as a timeout
// or a wrong reply.
constexpr int kWriteWaitMs = 10000;

bool SpeedFor(std::uint32_t baudRate, speed_t& speed)
{
    static const struct { std::uint32_t baud; speed_t speed; } table[] = {
        {1200, B1200},   {2400, B2400},   {4800, B4800},     {9600, B9600},
        {19200, B19200}, {38400, B38400}, {57600, B57600},   {115200, B115200},
        {230400, B230400},
    };
    for (const auto& entry : table) {
        if (entry.baud == baudRate) {
            speed = entry.speed;
            return true;
        }
    }
    return false;
}

bool SizeFor(std::uint8_t dataBits, tcflag_t& size)
{
    switch (dataBits) {
    case 5: size = CS5; return true;
    case 6: size = CS6; return true;
    case 7: size = CS7; return true;
    case 8: size = CS8; return true;
    default: return false;
    }
}

bool ParityFor(std::uint8_t parity, tcflag_t& flags)
{
    switch (parity) {
    case 0: flags = 0; return true;
    case 1: flags = PARENB | PARODD; return true;
    case 2: flags = PARENB; return true;
    case 3: flags = PARENB | PARODD | CMSPAR; return true;
    case 4: flags = PARENB | CMSPAR; return true;
    default: return false;
    }
}

// Rounded up, so that a wait is never shorter than asked for.
int RemainingMs(std::chrono::steady_clock::time_point deadline)
{
    auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

} // namespace

SerialPort::SerialPort(const std::string& portIdentifier, std::uint32_t baudRate,
                       std::uint8_t dataBits, std::uint8_t parity)
{
    Open(portIdentifier);
    try {
        Configure(baudRate, dataBits, parity);
    } catch (...) {
        ioctl(fd, TIOCNXCL);
        close(fd);
        throw;
    }
}

SerialPort::~SerialPort()
{
    // Another process (a simulated controller, a modem daemon) may keep the
    // tty open; the exclusive flag lives on the tty, not on our descriptor,
    // so it would outlast us and lock out the next link.
    ioctl(fd, TIOCNXCL);
    close(fd);
}

void SerialPort::Open(const std::string& portIdentifier)
{
    if (portIdentifier.empty() || portIdentifier.size() >= kPathBufferSize ||
        portIdentifier.find('\0') != std::string::npos)
        throw SerialPortCannotOpenException("can't open port");

    // Non-blocking, so that opening a real port does not wait for a carrier
    // before CLOCAL is set; reads and writes wait with poll() instead.
    int handle = open(portIdentifier.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (handle < 0)
        throw SerialPortCannotOpenException("can't open port");

    // The port is ours alone. TIOCEXCL refuses later opens by ordinary users
    // but not by root, which is what CI and development machines run as; the
    // lock on the open file stops root too and goes away with the descriptor.
    if (flock(handle, LOCK_EX | LOCK_NB) != 0) {
        close(handle);
        throw SerialPortCannotOpenException("can't open port");
    }
    ioctl(handle, TIOCEXCL);
    fd = handle;
}

void SerialPort::Configure(std::uint32_t baudRate, std::uint8_t dataBits, std::uint8_t parity)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        throw SerialPortCannotSetException("can't get port status");

    speed_t speed;
    tcflag_t size;
    tcflag_t parityFlags;
    if (!SpeedFor(baudRate, speed) || !SizeFor(dataBits, size) || !ParityFor(parity, parityFlags))
        throw SerialPortCannotSetException("can't set port status");

    // Raw bytes in both directions; of the rest only the line settings
    // change. Settings are not read back: a pseudo-terminal accepts PARENB
    // but reports it as cleared (see TermiosIoctl.h).
    cfmakeraw(&settings);
    settings.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB);
    settings.c_cflag |= size | parityFlags | CREAD | CLOCAL;
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    if (cfsetispeed(&settings, speed) != 0 || cfsetospeed(&settings, speed) != 0)
        throw SerialPortCannotSetException("can't set port status");
    const TerminalFlags flags{settings.c_iflag, settings.c_oflag, settings.c_cflag, settings.c_lflag,
                              settings.c_line, settings.c_cc, NCCS};
    if (!SetTerminalFlags(fd, flags))
        throw SerialPortCannotSetException("can't set port status");
}

void SerialPort::SetReadTimeout(std::uint32_t milliseconds)
{
    timeoutMs = milliseconds;
}

char SerialPort::ReadByte()
{
    if (receivedNext < receivedEnd)
        return static_cast<char>(received[receivedNext++]);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        pollfd waiting{fd, POLLIN, 0};
        int ready = poll(&waiting, 1, RemainingMs(deadline));
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            throw SerialPortTimeoutException("read port error");
        }
        if (ready == 0)
            throw SerialPortTimeoutException("timeout");
        if (!(waiting.revents & POLLIN))
            throw SerialPortTimeoutException("read port error");   // hung up, error

        ssize_t count = read(fd, received, sizeof received);
        if (count > 0) {
            receivedNext = 1;
            receivedEnd = static_cast<std::size_t>(count);
            return static_cast<char>(received[0]);
        }
        if (count < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        throw SerialPortTimeoutException("read port error");        // 0: the other end closed
    }
}

void SerialPort::WriteByte(char byte)
{
    WriteBytes(&byte, 1);
}

void SerialPort::WriteBytes(const char* bytes, std::size_t count)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWriteWaitMs);
    std::size_t written = 0;
    while (written < count) {
        ssize_t done = write(fd, bytes + written, count - written);
        if (done > 0) {
            written += static_cast<std::size_t>(done);
            continue;
        }
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0 && errno == EAGAIN) {
            pollfd room{fd, POLLOUT, 0};
            if (poll(&room, 1, RemainingMs(deadline)) > 0 && (room.revents & POLLOUT))
                continue;
        }
        return;
    }
}

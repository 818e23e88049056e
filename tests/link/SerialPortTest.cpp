// The serial port over a bare pseudo-terminal: the test plays the device on
// the master side.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <vector>

#include "link/SerialPort.h"
#include "sim/SimPty.h"
#include "LinkTestSupport.h"

namespace {

constexpr std::uint32_t kBaud = 9600;
constexpr std::uint8_t kBits = 8;
constexpr std::uint8_t kEven = 2;

std::vector<unsigned char> EveryByteValue()
{
    std::vector<unsigned char> bytes(256);
    for (int i = 0; i < 256; ++i)
        bytes[i] = static_cast<unsigned char>(i);
    return bytes;
}

void WriteToMaster(int master, const std::vector<unsigned char>& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t count = write(master, bytes.data() + done, bytes.size() - done);
        if (count > 0)
            done += static_cast<std::size_t>(count);
        else if (count < 0 && errno != EAGAIN && errno != EINTR)
            FAIL() << "write to master failed";
    }
}

std::vector<unsigned char> ReadFromMaster(int master, std::size_t wanted)
{
    std::vector<unsigned char> bytes;
    while (bytes.size() < wanted) {
        pollfd ready{master, POLLIN, 0};
        if (poll(&ready, 1, 5000) <= 0)
            break;
        unsigned char buffer[256];
        ssize_t count = read(master, buffer, std::min(sizeof buffer, wanted - bytes.size()));
        if (count > 0)
            bytes.insert(bytes.end(), buffer, buffer + count);
    }
    return bytes;
}

template <typename Exception>
std::string FailureText(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& failure) {
        return failure.what();
    } catch (const std::exception& other) {
        return std::string("wrong exception: ") + other.what();
    }
    return "no exception";
}

class SerialPortTest : public ::testing::Test {
protected:
    SimPty pty;
};

TEST_F(SerialPortTest, EveryByteValuePassesUnchangedBothWays)
{
    SerialPort port(pty.SlavePath(), kBaud, kBits, kEven);
    port.SetReadTimeout(2000);
    const std::vector<unsigned char> all = EveryByteValue();

    for (unsigned char byte : all)
        port.WriteByte(static_cast<char>(byte));
    EXPECT_EQ(ReadFromMaster(pty.Master(), all.size()), all);

    WriteToMaster(pty.Master(), all);
    std::vector<unsigned char> received;
    for (std::size_t i = 0; i < all.size(); ++i)
        received.push_back(static_cast<unsigned char>(port.ReadByte()));
    EXPECT_EQ(received, all);
}

TEST_F(SerialPortTest, QueuedByteIsReturnedEvenWithZeroTimeout)
{
    SerialPort port(pty.SlavePath(), kBaud, kBits, kEven);
    WriteToMaster(pty.Master(), {'A'});
    port.SetReadTimeout(2000);
    // Wait until the byte is queued on our side, then read without waiting.
    EXPECT_EQ(port.ReadByte(), 'A');
    WriteToMaster(pty.Master(), {'B', 'C'});
    port.SetReadTimeout(2000);
    EXPECT_EQ(port.ReadByte(), 'B');
    port.SetReadTimeout(0);
    EXPECT_EQ(port.ReadByte(), 'C');
}

TEST_F(SerialPortTest, NothingArrivingIsATimeout)
{
    SerialPort port(pty.SlavePath(), kBaud, kBits, kEven);
    port.SetReadTimeout(50);
    EXPECT_EQ(FailureText<SerialPortTimeoutException>([&] { port.ReadByte(); }), "timeout");
    // The port stays usable after a timeout.
    WriteToMaster(pty.Master(), {'z'});
    port.SetReadTimeout(2000);
    EXPECT_EQ(port.ReadByte(), 'z');
}

TEST_F(SerialPortTest, HangupIsAReadPortError)
{
    SerialPort port(pty.SlavePath(), kBaud, kBits, kEven);
    port.SetReadTimeout(2000);
    pty.Close();
    EXPECT_EQ(FailureText<SerialPortTimeoutException>([&] { port.ReadByte(); }), "read port error");
    port.WriteByte('x');   // never raises, even with nobody at the other end
}

TEST_F(SerialPortTest, SecondOpenIsRefusedUntilTheFirstCloses)
{
    // Runs as root on CI too, where the tty's exclusive flag alone would
    // not stop the second open.
    {
        SerialPort first(pty.SlavePath(), kBaud, kBits, kEven);
        EXPECT_EQ(FailureText<SerialPortCannotOpenException>(
                      [&] { SerialPort second(pty.SlavePath(), kBaud, kBits, kEven); }),
                  "can't open port");
        // The refused open left the first one working.
        first.WriteByte('q');
        EXPECT_EQ(ReadFromMaster(pty.Master(), 1), std::vector<unsigned char>{'q'});
    }
    // The simulated side keeps the terminal open, so the exclusive flag
    // would outlive the first port unless it is cleared on close.
    SerialPort again(pty.SlavePath(), kBaud, kBits, kEven);
    SUCCEED();
}

TEST_F(SerialPortTest, PathsThatCannotBeOpened)
{
    TempFolder folder;
    // A path to the very same terminal, too long for the path buffer.
    std::filesystem::path deep = folder.path;
    while (deep.string().size() < 140)
        deep /= "deeper-folder-name";
    std::filesystem::create_directories(deep);
    const std::filesystem::path longLink = deep / "port";
    std::filesystem::create_symlink(pty.SlavePath(), longLink);
    const std::filesystem::path shortLink = folder.path / "p";
    std::filesystem::create_symlink(pty.SlavePath(), shortLink);

    const std::string cases[] = {"", "/dev/zentrola-no-such-port", longLink.string(),
                                 std::string("/dev/pts/0\0x", 12)};
    for (const std::string& path : cases) {
        SCOPED_TRACE(path);
        EXPECT_EQ(FailureText<SerialPortCannotOpenException>([&] { SerialPort port(path, kBaud, kBits, kEven); }),
                  "can't open port");
    }
    SerialPort viaShortLink(shortLink.string(), kBaud, kBits, kEven);
}

TEST_F(SerialPortTest, AFileThatIsNoTerminalCannotBeConfigured)
{
    TempFolder folder;
    const std::string plain = (folder.path / "plain").string();
    std::ofstream(plain) << "x";
    EXPECT_EQ(FailureText<SerialPortCannotSetException>([&] { SerialPort port(plain, kBaud, kBits, kEven); }),
              "can't get port status");
    EXPECT_EQ(FailureText<SerialPortCannotSetException>([&] { SerialPort port(pty.SlavePath(), 12345, kBits, kEven); }),
              "can't set port status");
    // Neither failure left the terminal locked.
    SerialPort port(pty.SlavePath(), kBaud, kBits, kEven);
}

TEST_F(SerialPortTest, OnlyTheLineSettingsChange)
{
    termios before{};
    ASSERT_EQ(tcgetattr(pty.Master(), &before), 0);
    before.c_iflag |= IXOFF;
    before.c_cflag |= CSTOPB;
    before.c_cc[VSTART] = 0x05;
    ASSERT_EQ(tcsetattr(pty.Master(), TCSANOW, &before), 0);

    SerialPort port(pty.SlavePath(), kBaud, kBits, kEven);
    termios after{};
    ASSERT_EQ(tcgetattr(pty.Master(), &after), 0);
    EXPECT_EQ(after.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(after.c_cflag & CSTOPB, 0u);
    EXPECT_NE(after.c_cflag & CREAD, 0u);
    EXPECT_NE(after.c_cflag & CLOCAL, 0u);
    EXPECT_EQ(after.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(after.c_iflag & (ICRNL | INLCR | IGNCR | IXON | ISTRIP), 0u);
    EXPECT_EQ(after.c_oflag & OPOST, 0u);
    EXPECT_EQ(cfgetispeed(&after), static_cast<speed_t>(B9600));
    EXPECT_EQ(after.c_cc[VMIN], 1);
    EXPECT_EQ(after.c_cc[VTIME], 0);
    // Input flow control and the special characters stay as they were.
    EXPECT_NE(after.c_iflag & IXOFF, 0u);
    EXPECT_EQ(after.c_cc[VSTART], 0x05);
}

} // namespace

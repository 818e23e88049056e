#include "link/MvcpLink.h"

#include <sstream>

#include "link/CommPortList.h"
#include "link/LinkSettings.h"
#include "link/SerialPort.h"

namespace {

constexpr std::uint32_t kBaudRate = 9600;
constexpr std::uint8_t kDataBits = 8;
constexpr std::uint8_t kEvenParity = 2;
constexpr std::size_t kAckGroup = 32;
// Longest block taken from the controller. Its blocks hold one raw IR code
// (512 bytes); a count far beyond that is a broken header, and believing it
// would keep the link reading for as long as bytes keep coming.
constexpr long long kMaxReadBlock = 64 * 1024;

const char* const kHardwareNotFound = "hardware not found";

std::string FindControllerPort()
{
    if (!PortOverride().empty())
        return PortOverride();
    CommPortList list;
    list.InitializeCom();
    std::vector<std::string> ids;
    std::vector<std::string> names;
    list.ListPorts(ids, names);
    for (std::size_t i = 0; i < ids.size() && i < names.size(); ++i) {
        if (names[i].find(kControllerDeviceName) != std::string::npos)
            return ids[i];
    }
    throw MvcpException(kHardwareNotFound);
}

std::unique_ptr<WireChannel> OpenChannel()
{
    if (ActiveChannelOpener()) {
        std::unique_ptr<WireChannel> channel = ActiveChannelOpener()();
        if (!channel)
            throw MvcpException(kHardwareNotFound);
        return channel;
    }
    return std::make_unique<SerialPort>(FindControllerPort(), kBaudRate, kDataBits, kEvenParity);
}

bool IsAck(char byte)
{
    return byte == '.' || byte == '/';
}

} // namespace

MvcpLink::MvcpLink(const std::string& expectedIdentification)
{
    try {
        port = OpenChannel();
        port->SetReadTimeout(ActiveLinkTimeouts().normalMs);
        Flush();
        if (!expectedIdentification.empty()) {
            std::vector<std::string> lines;
            Command("*", lines);
            // A reply without any data line is as wrong as a different one.
            if (lines.empty() || lines.front() != expectedIdentification)
                throw MvcpException(kHardwareNotFound);
        }
    } catch (...) {
        port.reset();
        throw MvcpException(kHardwareNotFound);
    }
}

MvcpLink::~MvcpLink() = default;

char MvcpLink::ReadWireByte()
{
    char byte = port->ReadByte();
    if (ActiveWireTrace())
        ActiveWireTrace()('<', static_cast<unsigned char>(byte));
    return byte;
}

void MvcpLink::WriteWireByte(char byte)
{
    WriteWireBytes(&byte, 1);
}

// One system call for a whole command line or group of block bytes; the
// bytes on the wire are the same as one by one.
void MvcpLink::WriteWireBytes(const char* bytes, std::size_t count)
{
    if (ActiveWireTrace()) {
        for (std::size_t i = 0; i < count; ++i)
            ActiveWireTrace()('>', static_cast<unsigned char>(bytes[i]));
    }
    port->WriteBytes(bytes, count);
}

void MvcpLink::Flush()
{
    port->SetReadTimeout(ActiveLinkTimeouts().drainMs);
    try {
        for (;;)
            ReadWireByte();
    } catch (const std::exception&) {
        // The first quiet gap (or a failed read) ends the draining.
    }
    port->SetReadTimeout(ActiveLinkTimeouts().normalMs);
}

std::string MvcpLink::ReadLine()
{
    if (!port)
        throw MvcpException(kHardwareNotFound);
    std::string line;
    for (;;) {
        char byte = ReadWireByte();
        if (byte == '\n')
            return line;
        if (byte == '\r')
            continue;
        // No reply line of the controller comes near this; a device that
        // keeps talking without a line end is broken, and the exchange fails
        // rather than the memory.
        if (line.size() >= kMaxLineLength)
            throw MvcpException("error: " + lastCommand);
        line += byte;
    }
}

void MvcpLink::SendLine(const std::string& command)
{
    if (!port)
        throw MvcpException(kHardwareNotFound);
    lastCommand = command;
    const std::string line = command + '\r';
    WriteWireBytes(line.data(), line.size());
    ReadLine();
}

void MvcpLink::Command(const std::string& command, std::vector<std::string>& lines)
{
    Flush();
    SendLine(command);
    for (;;) {
        std::string line = ReadLine();
        if (line == "ok")
            return;
        if (line == "?")
            throw MvcpException("error: " + command);
        if (!line.empty() && line[0] != '.')
            lines.push_back(line);
    }
}

void MvcpLink::EraseProgram()
{
    std::vector<std::string> dropped;
    Command("@", dropped);
}

long long MvcpLink::ReadHeaderCount(const std::string& command)
{
    // A word, white space, a decimal count; a header without a count
    // leaves the size of the block unknown, so the exchange fails.
    std::istringstream header(ReadLine());
    std::string word;
    long long count = 0;
    if (!(header >> word >> count))
        throw MvcpException("error: " + command);
    return count;
}

void MvcpLink::ReadBlock(const std::string& command, std::vector<unsigned char>& block)
{
    Flush();
    block.clear();
    SendLine(command);
    long long count = ReadHeaderCount(command);
    if (count < 0 || count > kMaxReadBlock)
        throw MvcpException("error: " + command);
    for (long long i = 0; i < count; ++i)
        block.push_back(static_cast<unsigned char>(ReadWireByte()));
    for (int i = 0; i < 3; ++i)
        ReadLine();
    if (ReadLine() != "ok")
        throw MvcpException("error: " + command);
}

void MvcpLink::WriteBlock(const std::string& command, const std::vector<unsigned char>& block)
{
    Flush();
    SendLine(command);
    long long count = ReadHeaderCount(command);
    // The controller may only ask for bytes the caller has; anything else
    // fails before a byte of the block is sent.
    if (count < 0 || static_cast<unsigned long long>(count) > block.size())
        throw MvcpException("error: " + command);

    const std::size_t total = static_cast<std::size_t>(count);
    const std::size_t grouped = total - total % kAckGroup;
    std::size_t sent = 0;
    bool acknowledged = true;
    while (acknowledged && sent < grouped) {
        WriteWireBytes(reinterpret_cast<const char*>(block.data() + sent), kAckGroup);
        sent += kAckGroup;
        for (std::size_t i = 0; i < kAckGroup && acknowledged; ++i)
            acknowledged = IsAck(ReadWireByte());
    }
    while (acknowledged && sent < total) {
        WriteWireByte(static_cast<char>(block[sent++]));
        acknowledged = IsAck(ReadWireByte());
    }
    if (!acknowledged) {
        Flush();
        throw MvcpException("error: " + command);
    }
    ReadLine();
    if (ReadLine() != "ok")
        throw MvcpException("error: " + command);
}

void ProbeController()
{
    try {
        MvcpLink link("");
    } catch (...) {
    }
}

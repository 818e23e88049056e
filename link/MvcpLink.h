#pragma once
// One connection to the controller: finds its port, opens it at 9600 8E1,
// drains stale input and checks the identification; then exchanges commands,
// reply lines and counted blocks. A link lives for one controller operation.
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class WireChannel;

class MvcpException : public std::runtime_error {
public:
    explicit MvcpException(const std::string& text) : std::runtime_error(text) {}
};

class MvcpLink {
public:
    // Raises MvcpException "hardware not found" on any failure, with the
    // port closed first. An empty identification sends no command.
    explicit MvcpLink(const std::string& expectedIdentification);
    ~MvcpLink();
    MvcpLink(const MvcpLink&) = delete;
    MvcpLink& operator=(const MvcpLink&) = delete;

    void Flush();
    std::string ReadLine();
    void SendLine(const std::string& command);
    void Command(const std::string& command, std::vector<std::string>& lines);
    void EraseProgram();
    void ReadBlock(const std::string& command, std::vector<unsigned char>& block);
    void WriteBlock(const std::string& command, const std::vector<unsigned char>& block);

    // Longest reply line accepted; a controller that sends more without a
    // line end fails the exchange instead of filling memory.
    static constexpr std::size_t kMaxLineLength = 64 * 1024;

private:
    char ReadWireByte();
    void WriteWireByte(char byte);
    void WriteWireBytes(const char* bytes, std::size_t count);
    long long ReadHeaderCount(const std::string& command);

    std::unique_ptr<WireChannel> port;
    std::string lastCommand;   // the command whose reply is being read
};

// The start-up probe: construct and destroy a link without identification,
// every error dropped.
void ProbeController();

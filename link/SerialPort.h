#pragma once
// One serial port, opened exclusively by its device path, raw, with a
// per-byte read timeout. Bytes pass unchanged in both directions.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "link/WireChannel.h"

class SerialPortException : public std::runtime_error {
public:
    explicit SerialPortException(const std::string& text) : std::runtime_error(text) {}
};
class SerialPortCannotOpenException : public SerialPortException {
public:
    explicit SerialPortCannotOpenException(const std::string& text) : SerialPortException(text) {}
};
class SerialPortCannotSetException : public SerialPortException {
public:
    explicit SerialPortCannotSetException(const std::string& text) : SerialPortException(text) {}
};
class SerialPortTimeoutException : public SerialPortException {
public:
    explicit SerialPortTimeoutException(const std::string& text) : SerialPortException(text) {}
};

class SerialPort : public WireChannel {
public:
    // Parity codes: 0 none, 1 odd, 2 even, 3 mark, 4 space.
    SerialPort(const std::string& portIdentifier, std::uint32_t baudRate,
               std::uint8_t dataBits, std::uint8_t parity);
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    void SetReadTimeout(std::uint32_t milliseconds) override;
    // Returns a byte already taken from the system if there is one; else
    // waits for the next with the read timeout.
    char ReadByte() override;
    void WriteByte(char byte) override;
    void WriteBytes(const char* bytes, std::size_t count) override;

private:
    void Open(const std::string& portIdentifier);
    void Configure(std::uint32_t baudRate, std::uint8_t dataBits, std::uint8_t parity);

    int fd = -1;
    std::uint32_t timeoutMs = 0;
    // What one read took from the system beyond the byte it was asked for:
    // one system call per arrival instead of one per byte.
    unsigned char received[256];
    std::size_t receivedNext = 0;
    std::size_t receivedEnd = 0;
};

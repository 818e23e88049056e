#pragma once
// The byte pipe a link talks through: normally the controller's serial port.
// Reads wait at most the read timeout and raise a SerialPortException when no
// byte comes; writes report nothing.
#include <cstdint>

class WireChannel {
public:
    virtual ~WireChannel() = default;
    virtual void SetReadTimeout(std::uint32_t milliseconds) = 0;
    virtual char ReadByte() = 0;
    virtual void WriteByte(char byte) = 0;
};

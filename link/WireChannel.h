#pragma once
// The byte pipe a link talks through: normally the controller's serial port.
// Reads wait at most the read timeout and raise a SerialPortException when no
// byte comes; writes report nothing.
#include <cstddef>
#include <cstdint>

class WireChannel {
public:
    virtual ~WireChannel() = default;
    virtual void SetReadTimeout(std::uint32_t milliseconds) = 0;
    virtual char ReadByte() = 0;
    virtual void WriteByte(char byte) = 0;
    // The same bytes as WriteByte one by one, in order; a channel may hand
    // them to the system in one go.
    virtual void WriteBytes(const char* bytes, std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i)
            WriteByte(bytes[i]);
    }
};

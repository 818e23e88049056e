#pragma once
// A controller played from a script, for driving the link without a port.
//
// The script is a byte string cut into bursts at every kBurstBreak. The first
// burst is waiting on the line when the link opens (stale input). Each later
// burst arrives when the link, having written something since the previous
// burst arrived, waits for a byte that is not there: the controller answers
// whatever it was sent. A read with nothing waiting and nothing new written
// times out like a quiet line, and so does every read after the last burst.
#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "link/SerialPort.h"
#include "link/WireChannel.h"

namespace fuzzwire {

inline const std::string kBurstBreak = "<|>";

inline std::vector<std::string> SplitBursts(const std::string& script)
{
    std::vector<std::string> bursts;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = script.find(kBurstBreak, start);
        if (end == std::string::npos) {
            bursts.push_back(script.substr(start));
            return bursts;
        }
        bursts.push_back(script.substr(start, end - start));
        start = end + kBurstBreak.size();
    }
}

// The controller's side; outlives the channels opened on it.
class ScriptedController {
public:
    explicit ScriptedController(const std::string& script) : bursts(SplitBursts(script)) {}

    char Read()
    {
        if (position == Current().size()) {
            if (!wroteSinceBurst || next == bursts.size())
                throw SerialPortTimeoutException("timeout");
            ++next;
            position = 0;
            wroteSinceBurst = false;
            if (Current().empty())
                throw SerialPortTimeoutException("timeout");
        }
        const char byte = Current()[position++];
        wire.push_back({'<', byte});
        return byte;
    }

    void Write(char byte)
    {
        wire.push_back({'>', byte});
        wroteSinceBurst = true;
    }

    // Every byte that crossed the wire, in order: '>' written by the link,
    // '<' read by it.
    std::vector<std::pair<char, char>> wire;

private:
    const std::string& Current() const { return bursts[next - 1]; }

    std::vector<std::string> bursts;
    std::size_t next = 1;        // bursts that have arrived
    std::size_t position = 0;    // in the latest burst
    bool wroteSinceBurst = false;
};

class ScriptedChannel : public WireChannel {
public:
    explicit ScriptedChannel(ScriptedController& controller) : controller(controller) {}
    void SetReadTimeout(std::uint32_t) override {}
    char ReadByte() override { return controller.Read(); }
    void WriteByte(char byte) override { controller.Write(byte); }

private:
    ScriptedController& controller;
};

}  // namespace fuzzwire

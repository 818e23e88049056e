#pragma once
// Settings of the controller link that are fixed for users: the device name
// searched among the ports, the line settings, the identification and the
// per-byte timeouts. Tests shorten the timeouts through LinkTimeouts; the
// command-line tool may name the port instead of searching for it.
#include <functional>
#include <memory>
#include <string>

class WireChannel;

extern const char* const kControllerDeviceName;      // "Mirvak VCP"
extern const char* const kExpectedIdentification;    // "QMT471 2012.02.07"

struct LinkTimeouts {
    unsigned normalMs = 10000;   // per byte, between and during exchanges
    unsigned drainMs = 100;      // per byte while draining stale input
};

// The timeouts every new link uses. Only tests change them.
LinkTimeouts& ActiveLinkTimeouts();

// When not empty, links open this device path instead of searching the
// port names (the identification check still runs).
std::string& PortOverride();

// Observer of every byte on the wire, for the command-line --trace option.
// direction: '>' to the controller, '<' from it. Empty when nobody listens.
using WireTrace = std::function<void(char direction, unsigned char byte)>;
WireTrace& ActiveWireTrace();

// When set, links talk through the channel this opens instead of searching
// for and opening the controller's serial port; an empty result counts as a
// port that cannot be opened. Only tests and fuzzers set it.
using ChannelOpener = std::function<std::unique_ptr<WireChannel>()>;
ChannelOpener& ActiveChannelOpener();

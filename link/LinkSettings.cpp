#include "link/LinkSettings.h"

#include "link/WireChannel.h"

const char* const kControllerDeviceName = "Mirvak VCP";
const char* const kExpectedIdentification = "QMT471 2012.02.07";

LinkTimeouts& ActiveLinkTimeouts()
{
    static LinkTimeouts timeouts;
    return timeouts;
}

std::string& PortOverride()
{
    static std::string path;
    return path;
}

WireTrace& ActiveWireTrace()
{
    static WireTrace trace;
    return trace;
}

ChannelOpener& ActiveChannelOpener()
{
    static ChannelOpener opener;
    return opener;
}

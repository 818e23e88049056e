// Links opened through an installed channel opener instead of a serial port
// (what the fuzzers use): the opener's channel carries the whole exchange, and
// an opener that gives nothing is a controller that is not there.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fuzz/ScriptedChannel.h"
#include "link/LinkSettings.h"
#include "link/MvcpLink.h"

namespace {

using fuzzwire::ScriptedChannel;
using fuzzwire::ScriptedController;

class ChannelOpenerTest : public ::testing::Test {
protected:
    void TearDown() override { ActiveChannelOpener() = nullptr; }

    static std::string Written(const ScriptedController& controller)
    {
        std::string bytes;
        for (const auto& [direction, byte] : controller.wire)
            if (direction == '>') bytes += byte;
        return bytes;
    }
};

TEST_F(ChannelOpenerTest, TheOpenedChannelCarriesTheExchange)
{
    ScriptedController controller("stale\r\nok\r\n<|>*\r\nQMT471 2012.02.07\r\nok\r\n<|>B\r\nB1 0 1\r\n.\r\nok\r\n");
    int opened = 0;
    ActiveChannelOpener() = [&] {
        ++opened;
        return std::make_unique<ScriptedChannel>(controller);
    };

    MvcpLink link(kExpectedIdentification);
    std::vector<std::string> lines;
    link.Command("B", lines);

    EXPECT_EQ(opened, 1);
    EXPECT_EQ(lines, std::vector<std::string>{"B1 0 1"});
    EXPECT_EQ(Written(controller), "*\rB\r");
}

TEST_F(ChannelOpenerTest, NoChannelIsHardwareNotFound)
{
    ActiveChannelOpener() = [] { return std::unique_ptr<WireChannel>(); };
    try {
        MvcpLink link(kExpectedIdentification);
        FAIL() << "the link opened without a channel";
    } catch (const MvcpException& e) {
        EXPECT_STREQ(e.what(), "hardware not found");
    }
}

}  // namespace

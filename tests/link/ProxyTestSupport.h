#pragma once
// Shared by the controller operation tests: a feedback fake that records what
// the user would see, a program source fake, and a fixture that runs a local
// ControllerProxy against a simulated controller with short timeouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "link/ControllerFeedback.h"
#include "link/ControllerProxy.h"
#include "link/LinkSettings.h"
#include "sim/SimController.h"

namespace proxytest {

// Events in the order the user sees them: "+text" a notice opens, "-text" it
// closes, "!text" a message.
class RecordingFeedback : public ControllerFeedback {
public:
    void ShowMessage(const std::string& text) override
    {
        events.push_back("!" + text);
        messages.push_back(text);
    }

    std::unique_ptr<BusyNotice> ShowBusy(const std::string& text) override
    {
        events.push_back("+" + text);
        ++openNotices;
        return std::make_unique<Notice>(*this, text);
    }

    std::vector<std::string> events;
    std::vector<std::string> messages;
    int openNotices = 0;

private:
    class Notice : public BusyNotice {
    public:
        Notice(RecordingFeedback& owner, std::string text) : owner(owner), text(std::move(text)) {}
        ~Notice() override
        {
            owner.events.push_back("-" + text);
            --owner.openNotices;
        }

    private:
        RecordingFeedback& owner;
        std::string text;
    };
};

class FakeProgramSource : public ProgramSource {
public:
    ProgramLines CurrentProgram() override { return program; }
    ProgramLines program;
};

inline std::vector<unsigned char> PatternBytes(unsigned seed)
{
    std::vector<unsigned char> bytes(512);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>((i * 7 + seed) & 0xFF);
    return bytes;
}

inline std::string UpperHex(const std::vector<unsigned char>& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    return text;
}

inline std::string LowerHex(const std::vector<unsigned char>& bytes)
{
    std::string text = UpperHex(bytes);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return text;
}

inline long Count(const std::vector<std::string>& items, const std::string& item)
{
    return std::count(items.begin(), items.end(), item);
}

// Short timeouts: a silent controller fails an operation within a second.
class TimeoutsShortened {
public:
    TimeoutsShortened() : saved(ActiveLinkTimeouts()), savedPort(PortOverride())
    {
        ActiveLinkTimeouts().normalMs = 1000;
        ActiveLinkTimeouts().drainMs = 20;
    }
    ~TimeoutsShortened()
    {
        ActiveLinkTimeouts() = saved;
        PortOverride() = savedPort;
    }

private:
    LinkTimeouts saved;
    std::string savedPort;
};

inline SimController::Options QuietOptions()
{
    SimController::Options options;
    options.announce = false;
    return options;
}

class ProxyFixture : public ::testing::Test {
protected:
    ProxyFixture() : sim(std::make_unique<SimController>(QuietOptions()))
    {
        PortOverride() = sim->DevicePath();
        proxy.SetFeedback(&feedback);
        proxy.SetProgramSource(&source);
    }

    // The commands the controller received since the last call.
    std::vector<std::string> TakeCommands()
    {
        std::vector<std::string> commands = sim->CommandsReceived();
        sim->ClearRecording();
        return commands;
    }

    // Every notice opened was closed again.
    void ExpectNoticesBalanced() const
    {
        EXPECT_EQ(feedback.openNotices, 0);
        long opened = std::count_if(feedback.events.begin(), feedback.events.end(),
                                    [](const std::string& e) { return e[0] == '+'; });
        long closed = std::count_if(feedback.events.begin(), feedback.events.end(),
                                    [](const std::string& e) { return e[0] == '-'; });
        EXPECT_EQ(opened, closed);
    }

    TimeoutsShortened timeouts;
    std::unique_ptr<SimController> sim;
    RecordingFeedback feedback;
    FakeProgramSource source;
    ControllerProxy proxy;
};

}  // namespace proxytest

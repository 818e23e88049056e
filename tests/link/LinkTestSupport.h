#pragma once
// Shared by the link tests: shortened timeouts, a simulated controller that
// the link reaches through PortOverride, and a private temporary folder.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "link/CommPortList.h"
#include "link/LinkSettings.h"
#include "sim/SimController.h"

// A temporary folder removed with its contents at the end of the test.
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zentrola-link-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            ADD_FAILURE() << "no temporary folder";
        path = pattern;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::filesystem::path path;
};

// Waits until the simulated controller has done something the test needs;
// false when it never happens.
inline bool WaitUntil(const std::function<bool()>& done)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

class LinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedTimeouts = ActiveLinkTimeouts();
        savedOverride = PortOverride();
        // Long enough for a loaded machine; short enough for the tests that
        // wait for a timeout on purpose.
        ActiveLinkTimeouts().normalMs = 2000;
        ActiveLinkTimeouts().drainMs = 30;
        // Nothing of the machine's own is found by accident.
        CommPortList::SetDiscoveryRootsForTesting((folder.path / "sys").string(),
                                                  (folder.path / "ports").string());
    }

    void TearDown() override
    {
        ActiveLinkTimeouts() = savedTimeouts;
        PortOverride() = savedOverride;
        ActiveWireTrace() = nullptr;
        ActiveChannelOpener() = nullptr;
        CommPortList::SetDiscoveryRootsForTesting("", "");
    }

    // A simulated controller that new links reach.
    SimController& StartSim(SimController::Options options = SimController::Options())
    {
        options.announce = false;
        sim = std::make_unique<SimController>(options);
        PortOverride() = sim->DevicePath();
        return *sim;
    }

    // A simulated controller that new links find by the port search, over
    // this test's private announce folder.
    SimController& StartAnnouncedSim(SimController::Options options = SimController::Options())
    {
        options.announce = true;
        options.announceDir = AnnounceFolder();
        sim = std::make_unique<SimController>(options);
        PortOverride().clear();
        return *sim;
    }

    std::string AnnounceFolder() const { return (folder.path / "ports").string(); }

    TempFolder folder;
    std::unique_ptr<SimController> sim;

private:
    LinkTimeouts savedTimeouts;
    std::string savedOverride;
};

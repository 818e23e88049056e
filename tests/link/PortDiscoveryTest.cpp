// The port search over recorded sysfs trees and private announce folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "link/CommPortList.h"
#include "link/MvcpLink.h"
#include "LinkTestSupport.h"

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

void WriteFile(const fs::path& file, const std::string& text)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

// A sysfs tree as the kernel lays it out: class/tty/<name> entries whose
// "device" links into devices/, USB strings on the USB device above the
// interface.
class FakeSysfs {
public:
    explicit FakeSysfs(fs::path root) : root(std::move(root)) { fs::create_directories(this->root / "class" / "tty"); }

    void VirtualConsole(const std::string& tty) { WriteFile(Entry(tty) / "dev", "4:0\n"); }

    void PlatformPort(const std::string& tty, const std::string& type)
    {
        const fs::path device = root / "devices" / "platform" / "serial8250" / tty;
        fs::create_directories(device);
        WriteFile(Entry(tty) / "type", type + "\n");
        fs::create_directory_symlink(fs::relative(device, Entry(tty)), Entry(tty) / "device");
    }

    void UsbPort(const std::string& tty, const std::string& usbDevice, const std::string& manufacturer,
                 const std::string& product)
    {
        const fs::path usb = root / "devices" / "pci0000:00" / "usb1" / usbDevice;
        const fs::path interface = usb / (usbDevice + ":1.0");
        fs::create_directories(interface / tty);
        WriteFile(usb / "idVendor", "1a2b\n");
        if (!manufacturer.empty())
            WriteFile(usb / "manufacturer", manufacturer + "\n");
        if (!product.empty())
            WriteFile(usb / "product", product + "\n");
        fs::create_directories(Entry(tty));
        fs::create_directory_symlink(fs::relative(interface, Entry(tty)), Entry(tty) / "device");
    }

    const fs::path root;

private:
    fs::path Entry(const std::string& tty) const { return root / "class" / "tty" / tty; }
};

class PortDiscoveryTest : public LinkTest {
protected:
    void List()
    {
        CommPortList list;
        list.InitializeCom();
        list.ListPorts(ids, names);
        ASSERT_EQ(ids.size(), names.size());
    }

    fs::path Sysfs() const { return folder.path / "sys"; }
    fs::path Announce() const { return folder.path / "ports"; }

    Names ids = {"left over"};
    Names names = {"left over", "and more"};
};

TEST_F(PortDiscoveryTest, NoPortsGiveEmptyLists)
{
    List();
    EXPECT_TRUE(ids.empty());
    EXPECT_TRUE(names.empty());
}

TEST_F(PortDiscoveryTest, SystemPortsInNameOrderWithUsbNames)
{
    FakeSysfs sysfs(Sysfs());
    sysfs.VirtualConsole("tty0");
    sysfs.PlatformPort("ttyS0", "4");
    sysfs.PlatformPort("ttyS1", "0");   // a slot without a UART
    sysfs.UsbPort("ttyUSB10", "1-3", "FTDI", "FT232R USB UART");
    sysfs.UsbPort("ttyUSB2", "1-2", "Mirvak", "Mirvak VCP");
    sysfs.UsbPort("ttyUSB0", "1-1", "Mirvak", "VCP");
    sysfs.UsbPort("ttyACM0", "2-1", "", "Mirvak VCP");
    List();
    EXPECT_EQ(ids, (Names{"/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyUSB2", "/dev/ttyUSB10"}));
    EXPECT_EQ(names, (Names{"Mirvak VCP (ttyACM0)", "ttyS0", "Mirvak VCP (ttyUSB0)", "Mirvak VCP (ttyUSB2)",
                            "FTDI FT232R USB UART (ttyUSB10)"}));
}

TEST_F(PortDiscoveryTest, AnnouncedPortsFollowTheSystemPortsAndStaleOnesAreSkipped)
{
    FakeSysfs sysfs(Sysfs());
    sysfs.PlatformPort("ttyS0", "4");
    const std::string present = (folder.path / "present-device").string();
    WriteFile(present, "");
    const std::string self = std::to_string(getpid());
    WriteFile(Announce() / "sim-1-1", present + "\tMirvak VCP (simulated)\t" + self + "\n");
    WriteFile(Announce() / "sim-1-2", "/dev/zentrola-gone\tMirvak VCP gone\t" + self + "\n");
    WriteFile(Announce() / "sim-1-3", present + "\tMirvak VCP dead\t2147483000\n");
    WriteFile(Announce() / ".sim-1-4", present + "\tMirvak VCP half written\n");
    WriteFile(Announce() / "sim-1-5", "no fields here\n");
    WriteFile(Announce() / "sim-1-10", present + "\tNamed by hand\n");
    List();
    EXPECT_EQ(ids, (Names{"/dev/ttyS0", present, present}));
    EXPECT_EQ(names, (Names{"ttyS0", "Mirvak VCP (simulated)", "Named by hand"}));
}

// Announce files name devices to open; a folder someone else controls is
// not believed.
TEST_F(PortDiscoveryTest, AnnounceFolderOfAnotherUserIsIgnored)
{
    const std::string present = (folder.path / "present-device").string();
    WriteFile(present, "");
    const fs::path elsewhere = folder.path / "elsewhere";
    WriteFile(elsewhere / "sim-1-1", present + "\tMirvak VCP\n");
    fs::create_directory_symlink(elsewhere, Announce());
    List();
    EXPECT_TRUE(ids.empty()) << "followed a link";

    fs::remove(Announce());
    fs::rename(elsewhere, Announce());
    List();
    EXPECT_EQ(ids, Names{present});
    if (chown(Announce().c_str(), 65534, 65534) != 0)
        GTEST_SKIP() << "cannot give the folder away without root";
    List();
    EXPECT_TRUE(ids.empty()) << "believed another user's folder";
}

TEST_F(PortDiscoveryTest, SimulatorAnnouncesItselfWhileConnected)
{
    StartAnnouncedSim();
    List();
    EXPECT_EQ(ids, Names{sim->DevicePath()});
    EXPECT_EQ(names, Names{"Mirvak VCP (simulated)"});

    sim->Disconnect();
    List();
    EXPECT_TRUE(ids.empty());

    StartAnnouncedSim();
    sim.reset();
    List();
    EXPECT_TRUE(ids.empty());
    EXPECT_TRUE(fs::is_empty(Announce()));
}

TEST_F(PortDiscoveryTest, LinkUsesTheFirstPortCarryingTheDeviceName)
{
    SimController::Options options;
    options.announce = true;
    options.announceDir = AnnounceFolder();
    options.announceName = "Other device";
    SimController other(options);
    options.announceName = "Mirvak VCP (first)";
    SimController first(options);
    options.announceName = "Mirvak VCP (second)";
    SimController second(options);
    PortOverride().clear();

    { MvcpLink link(kExpectedIdentification); }
    EXPECT_TRUE(other.BytesIn().empty());
    EXPECT_EQ(first.CommandsReceived(), Names{"*"});
    EXPECT_TRUE(second.BytesIn().empty());
}

TEST_F(PortDiscoveryTest, DeviceNameIsMatchedCaseSensitively)
{
    SimController::Options options;
    options.announceName = "mirvak vcp (simulated)";
    StartAnnouncedSim(options);
    try {
        MvcpLink link(kExpectedIdentification);
        ADD_FAILURE() << "found a port named in other letters";
    } catch (const MvcpException& failure) {
        EXPECT_STREQ(failure.what(), "hardware not found");
    }
    EXPECT_TRUE(sim->BytesIn().empty());
}

} // namespace

// ports: the ports discovery finds, each with whether this user can open it.
// Each test announces its own simulated controller in a private folder that
// the tool reads through XDG_RUNTIME_DIR, so ports of parallel tests are
// neither listed nor touched.
#include "tests/cli/CliTestSupport.h"

#include <filesystem>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include "link/SerialPort.h"
#include "sim/SimController.h"

namespace clitest {
namespace {

const uid_t kNobody = 65534;

class PortsTest : public ::testing::Test {
protected:
    std::string AnnounceFolder() const { return folder.Root() + "/zentrola/ports"; }

    std::unique_ptr<SimController> StartAnnouncedSim(const std::string& name)
    {
        SimController::Options options;
        options.announce = true;
        options.announceDir = AnnounceFolder();
        options.announceName = name;
        return std::make_unique<SimController>(options);
    }

    CliResult ListPorts(bool asNobody = false) const
    {
        CliOptions options;
        options.environment = {"XDG_RUNTIME_DIR=" + folder.Root()};
        options.asNobody = asNobody;
        return RunCli({"ports"}, options);
    }

    TempFolder folder;
};

TEST_F(PortsTest, ListsAnAnnouncedControllerAsAvailable)
{
    auto sim = StartAnnouncedSim("Mirvak VCP (simulado)");
    const CliResult result = ListPorts();
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find(sim->DevicePath() + "\tMirvak VCP (simulado)\tdisponible\n"), std::string::npos)
        << result.out;
}

TEST_F(PortsTest, PortHeldByAnotherProgramIsBusy)
{
    auto sim = StartAnnouncedSim("Mirvak VCP (simulado)");
    const SerialPort holder(sim->DevicePath(), 9600, 8, 2);
    const CliResult result = ListPorts();
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find(sim->DevicePath() + "\tMirvak VCP (simulado)\tocupado por otro programa\n"),
              std::string::npos)
        << result.out;
}

// A device the user may not open names the group that may. Root opens
// anything, so under root the tool runs as nobody; the device belongs to
// a group nobody is not in, with read and write for the group.
TEST_F(PortsTest, PortWithoutPermissionNamesTheGroupToJoin)
{
    SimController::Options quiet;
    quiet.announce = false;
    SimController sim(quiet);
    const bool root = geteuid() == 0;
    const group* dialout = getgrnam("dialout");
    if (!root || !dialout)
        GTEST_SKIP() << "needs root to run the tool as another user, and the group dialout";

    ASSERT_EQ(chown(sim.DevicePath().c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(chmod(sim.DevicePath().c_str(), 0660), 0);
    // nobody reads only announcements in a folder of its own.
    ASSERT_EQ(chmod(folder.Root().c_str(), 0755), 0);
    std::filesystem::create_directories(AnnounceFolder());
    for (const std::string& path : {folder.Root() + "/zentrola", AnnounceFolder()})
        ASSERT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
    WriteBytes(AnnounceFolder() + "/sim",
               sim.DevicePath() + "\tMirvak VCP (simulado)\t" + std::to_string(getpid()) + "\n");
    ASSERT_EQ(chmod((AnnounceFolder() + "/sim").c_str(), 0644), 0);

    const CliResult result = ListPorts(true);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find(sim.DevicePath() + "\tMirvak VCP (simulado)\tsin permiso (\u00fanase al grupo dialout)\n"),
              std::string::npos)
        << result.out;
}

}  // namespace
}  // namespace clitest

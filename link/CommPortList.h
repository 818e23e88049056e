#pragma once
// The serial ports the system knows, each with the device path SerialPort
// opens and a human-readable name; the link picks the controller's port by
// its name. First the machine's own ports (from sysfs; USB devices are named
// by their product and manufacturer strings), then the ports announced by
// running simulated controllers.
#include <stdexcept>
#include <string>
#include <vector>

class CommPortListException : public std::runtime_error {
public:
    explicit CommPortListException(const std::string& text) : std::runtime_error(text) {}
};

class CommPortList {
public:
    // Prepares the listing once per process. Nothing needs preparing here;
    // the flag is kept so that callers need not know.
    void InitializeCom();
    // Clears both lists and fills them in parallel: ids[i] is named names[i].
    void ListPorts(std::vector<std::string>& ids, std::vector<std::string>& names);

    // The folder in which simulated controllers announce their ports:
    // $XDG_RUNTIME_DIR/zentrola/ports, else /tmp/zentrola-<uid>/ports, unless
    // a test chose another.
    static std::string AnnounceDirectory();

    // Tests list a recorded sysfs tree (holding class/tty/...) and a private
    // announce folder instead of the machine's. Empty texts restore the
    // machine's own.
    static void SetDiscoveryRootsForTesting(const std::string& sysfsRoot,
                                            const std::string& announceDir);
};

// Writes and removes announce files; used by the simulated controller.
// An announce file holds "devicepath\tname\tpid\n".
std::string WriteAnnounceFile(const std::string& directory, const std::string& devicePath,
                              const std::string& name);   // returns the file's path or ""

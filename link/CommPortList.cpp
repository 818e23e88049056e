#include "link/CommPortList.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::atomic<bool> listingPrepared{false};

struct DiscoveryRoots {
    std::mutex mutex;
    std::string sysfsRoot;     // empty: "/sys"
    std::string announceDir;   // empty: the standard folder
};

DiscoveryRoots& Roots()
{
    static DiscoveryRoots roots;
    return roots;
}

std::string SysfsRoot()
{
    DiscoveryRoots& roots = Roots();
    std::lock_guard<std::mutex> lock(roots.mutex);
    return roots.sysfsRoot.empty() ? std::string("/sys") : roots.sysfsRoot;
}

std::string StandardAnnounceDirectory()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime)
        return std::string(runtime) + "/zentrola/ports";
    return "/tmp/zentrola-" + std::to_string(getuid()) + "/ports";
}

std::string TrimmedEnd(std::string text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.pop_back();
    return text;
}

// The first line of a small attribute file, without its line end; empty
// when it cannot be read.
std::string ReadAttribute(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::string line;
    if (!in || !std::getline(in, line))
        return {};
    return TrimmedEnd(line);
}

// Orders ttyS2 before ttyS10: runs of digits compare by value.
bool NaturalLess(const std::string& a, const std::string& b)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        bool digitA = std::isdigit(static_cast<unsigned char>(a[i]));
        bool digitB = std::isdigit(static_cast<unsigned char>(b[j]));
        if (digitA && digitB) {
            std::size_t endA = i, endB = j;
            while (endA < a.size() && std::isdigit(static_cast<unsigned char>(a[endA]))) ++endA;
            while (endB < b.size() && std::isdigit(static_cast<unsigned char>(b[endB]))) ++endB;
            std::string numA = a.substr(i, endA - i), numB = b.substr(j, endB - j);
            numA.erase(0, std::min(numA.find_first_not_of('0'), numA.size()));
            numB.erase(0, std::min(numB.find_first_not_of('0'), numB.size()));
            if (numA.size() != numB.size())
                return numA.size() < numB.size();
            if (numA != numB)
                return numA < numB;
            i = endA;
            j = endB;
        } else {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

std::vector<std::string> SortedEntries(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end(), NaturalLess);
    return names;
}

// The name of a USB serial device: its manufacturer and product strings,
// read from the USB device (the first folder above the tty's device that
// carries idVendor).
std::string UsbName(const fs::path& device, const fs::path& sysfsRoot)
{
    std::error_code error;
    fs::path folder = fs::canonical(device, error);
    const fs::path root = fs::canonical(sysfsRoot, error);
    if (error)
        return {};
    for (int level = 0; level < 8 && folder != root && folder.has_relative_path(); ++level) {
        if (fs::exists(folder / "idVendor", error)) {
            std::string manufacturer = ReadAttribute(folder / "manufacturer");
            std::string product = ReadAttribute(folder / "product");
            if (product.find(manufacturer) != std::string::npos)
                return product;
            if (product.empty())
                return manufacturer;
            return manufacturer + " " + product;
        }
        folder = folder.parent_path();
    }
    return {};
}

void ListSystemPorts(std::vector<std::string>& ids, std::vector<std::string>& names)
{
    const fs::path sysfsRoot = SysfsRoot();
    const fs::path classTty = sysfsRoot / "class" / "tty";
    for (const std::string& tty : SortedEntries(classTty)) {
        const fs::path entry = classTty / tty;
        std::error_code error;
        // Virtual consoles and pseudo-terminals have no device behind them.
        if (!fs::exists(entry / "device", error))
            continue;
        // Serial 8250 slots without a UART behind them report type 0.
        if (ReadAttribute(entry / "type") == "0")
            continue;
        std::string usb = UsbName(entry / "device", sysfsRoot);
        ids.push_back("/dev/" + tty);
        names.push_back(usb.empty() ? tty : usb + " (" + tty + ")");
    }
}

// Announce files name devices to open; only a folder that belongs to this
// user (and its parent, which could otherwise swap it) may say which.
bool FolderIsOurs(const fs::path& folder)
{
    for (const fs::path& each : {folder, folder.parent_path()}) {
        struct stat status;
        if (lstat(each.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != getuid())
            return false;
    }
    return true;
}

bool ProcessGone(const std::string& pidText)
{
    if (pidText.empty() || pidText.find_first_not_of("0123456789") != std::string::npos)
        return false;
    long pid = std::strtol(pidText.c_str(), nullptr, 10);
    return pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

void ListAnnouncedPorts(std::vector<std::string>& ids, std::vector<std::string>& names)
{
    const fs::path folder = CommPortList::AnnounceDirectory();
    if (!FolderIsOurs(folder))
        return;
    for (const std::string& file : SortedEntries(folder)) {
        if (file.empty() || file[0] == '.')
            continue;   // a file still being written
        std::string line = ReadAttribute(folder / file);
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');)
            fields.push_back(field);
        if (fields.size() < 2 || fields[0].empty())
            continue;
        struct stat status;
        if (stat(fields[0].c_str(), &status) != 0)
            continue;   // the simulator has gone
        if (fields.size() >= 3 && ProcessGone(fields[2]))
            continue;   // it died without tidying up; the path may be another's now
        ids.push_back(fields[0]);
        names.push_back(fields[1]);
    }
}

} // namespace

void CommPortList::InitializeCom()
{
    listingPrepared = true;
}

void CommPortList::ListPorts(std::vector<std::string>& ids, std::vector<std::string>& names)
{
    ids.clear();
    names.clear();
    ListSystemPorts(ids, names);
    ListAnnouncedPorts(ids, names);
}

std::string CommPortList::AnnounceDirectory()
{
    DiscoveryRoots& roots = Roots();
    std::lock_guard<std::mutex> lock(roots.mutex);
    return roots.announceDir.empty() ? StandardAnnounceDirectory() : roots.announceDir;
}

void CommPortList::SetDiscoveryRootsForTesting(const std::string& sysfsRoot,
                                               const std::string& announceDir)
{
    DiscoveryRoots& roots = Roots();
    std::lock_guard<std::mutex> lock(roots.mutex);
    roots.sysfsRoot = sysfsRoot;
    roots.announceDir = announceDir;
}

std::string WriteAnnounceFile(const std::string& directory, const std::string& devicePath,
                              const std::string& name)
{
    static std::atomic<unsigned> serial{0};
    const fs::path folder(directory);
    // Folders made here are private; existing ones are left as they are.
    std::error_code error;
    const bool parentExisted = fs::exists(folder.parent_path(), error);
    const bool folderExisted = fs::exists(folder, error);
    fs::create_directories(folder, error);
    if (!parentExisted)
        chmod(folder.parent_path().c_str(), 0700);
    if (!folderExisted)
        chmod(folder.c_str(), 0700);
    if (!FolderIsOurs(folder))
        return {};

    const std::string base = "sim-" + std::to_string(getpid()) + "-" + std::to_string(serial++);
    const fs::path temporary = folder / ("." + base);
    const fs::path target = folder / base;
    const std::string text = devicePath + "\t" + name + "\t" + std::to_string(getpid()) + "\n";
    int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return {};
    bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    written = close(fd) == 0 && written;
    // Readers see the whole file or none.
    if (!written || rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return {};
    }
    return target.string();
}

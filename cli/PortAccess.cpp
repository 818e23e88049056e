#include "cli/PortAccess.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "program/Cp1252.h"

namespace {

// Owns a descriptor of the port being tried.
class TriedPort {
public:
    explicit TriedPort(const std::string& path)
        : fd(open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)), error(fd < 0 ? errno : 0)
    {
    }
    ~TriedPort()
    {
        if (fd >= 0)
            close(fd);
    }
    TriedPort(const TriedPort&) = delete;
    TriedPort& operator=(const TriedPort&) = delete;

    int Error() const { return error; }
    // 0, or the errno of an exclusive lock another program holds.
    int LockError() const
    {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            flock(fd, LOCK_UN);
            return 0;
        }
        return errno;
    }

private:
    int fd;
    int error;
};

bool InGroup(gid_t group)
{
    if (getegid() == group)
        return true;
    const int count = getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = getgroups(count, groups.data());
    for (int i = 0; i < got; ++i) {
        if (groups[static_cast<std::size_t>(i)] == group)
            return true;
    }
    return false;
}

// The group that may use the device, when joining it would help.
std::string GroupToJoin(const std::string& path)
{
    struct stat status;
    if (stat(path.c_str(), &status) != 0)
        return {};
    if ((status.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP) || InGroup(status.st_gid))
        return {};
    const group* entry = getgrgid(status.st_gid);
    return entry && entry->gr_name ? std::string(entry->gr_name) : std::to_string(status.st_gid);
}

std::string Text(const char* cp1252)
{
    return Cp1252ToUtf8(cp1252);
}

std::string NoPermission(const std::string& path)
{
    const std::string group = GroupToJoin(path);
    if (group.empty())
        return Text("sin permiso");
    return Text("sin permiso (\xFAnase al grupo ") + group + ")";
}

}  // namespace

std::string PortAccessText(const std::string& devicePath)
{
    const TriedPort port(devicePath);
    switch (port.Error()) {
    case 0:
        break;
    case EACCES:
    case EPERM:
        return NoPermission(devicePath);
    case EBUSY:
        return Text("ocupado por otro programa");
    case ENOENT:
        return Text("no existe");
    case ENXIO:
    case ENODEV:
        return Text("sin dispositivo detr\xE1s");
    default:
        return Text("no se puede abrir: ") + std::strerror(port.Error());
    }
    const int lockError = port.LockError();
    if (lockError == EWOULDBLOCK || lockError == EAGAIN)
        return Text("ocupado por otro programa");
    return Text("disponible");
}

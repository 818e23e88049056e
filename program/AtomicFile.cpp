#include "program/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

std::string FolderOf(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

const char kTempMark[] = ".tmp";
const std::size_t kRandomLength = 8;

// The start of the temporary file's path: the target's, its name shortened
// where the mark and the random part would make it longer than a file name
// may be.
std::string TempStem(const std::string& target) {
    const std::string::size_type slash = target.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t room = NAME_MAX - (sizeof kTempMark - 1) - kRandomLength;
    return target.size() - nameStart <= room ? target : target.substr(0, nameStart + room);
}

std::string RandomSuffix() {
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<int> pick(0, sizeof kChars - 2);
    std::string suffix;
    for (std::size_t i = 0; i < kRandomLength; ++i) suffix += kChars[pick(generator)];
    return suffix;
}

bool SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    // Some file systems cannot sync a folder; the rename itself has happened.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    const bool closed = ::close(fd) == 0;
    return synced && closed;
}

}  // namespace

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)), folder_(FolderOf(target_)) {
    // Created by hand rather than with mkstemp so that the kernel applies the
    // umask to 0666, the mode any new file of the user gets.
    const std::string stem = TempStem(target_);
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        const std::string name = stem + kTempMark + RandomSuffix();
        fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) tempName_ = name;
        else if (errno != EEXIST) break;
    }
}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_ && !tempName_.empty()) ::unlink(tempName_.c_str());
}

bool AtomicFile::Write(std::string_view bytes) {
    if (fd_ < 0) return false;
    std::string_view::size_type done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::string_view::size_type>(written);
    }
    return true;
}

bool AtomicFile::CloseTemp() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
}

bool AtomicFile::Commit() {
    if (fd_ < 0 || committed_) return false;
    struct stat existing;
    if (::stat(target_.c_str(), &existing) == 0) {
        if (::fchmod(fd_, existing.st_mode & 07777) != 0) return false;
    } else if (errno != ENOENT) {
        return false;
    }
    if (::fsync(fd_) != 0) return false;
    if (!CloseTemp()) return false;
    if (::rename(tempName_.c_str(), target_.c_str()) != 0) return false;
    committed_ = true;
    return SyncFolder(folder_);
}

#pragma once
// A file that replaces its target only when complete: the bytes go to a new
// file beside the target, which is flushed to disk and renamed over the
// target by Commit(). Until then the target is untouched; a file that was
// never committed is removed when the object dies.
#include <string>
#include <string_view>

class AtomicFile {
public:
    explicit AtomicFile(std::string target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // False when the temporary file could not be created.
    bool IsOpen() const { return fd_ >= 0; }

    bool Write(std::string_view bytes);

    // Flushes, closes and renames over the target, then flushes the folder.
    // An existing target keeps its mode; a new file gets 0666 less the umask.
    bool Commit();

private:
    bool CloseTemp();

    std::string target_;
    std::string folder_;
    std::string tempName_;
    int fd_ = -1;
    bool committed_ = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/sound/cuefile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kRiffTagAt = 0;
constexpr std::size_t kWaveTagAt = 8;
constexpr std::size_t kTagLength = 4;

// Closes the descriptor on every way out.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

bool hasTag(const std::vector<std::uint8_t>& bytes, std::size_t at, const char* tag) {
    return bytes.size() >= at + kTagLength &&
           std::equal(tag, tag + kTagLength, bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

} // namespace

std::optional<std::vector<std::uint8_t>> readCueFile(const std::string& path,
                                                     std::size_t maxBytes) {
    // Non-blocking open: opening a pipe with no writer must not wait.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > maxBytes)
        return std::nullopt;

    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.get(), bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break; // the file shrank while being read: keep what is there
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

bool hasWavSignature(const std::vector<std::uint8_t>& bytes) {
    return hasTag(bytes, kRiffTagAt, "RIFF") && hasTag(bytes, kWaveTagAt, "WAVE");
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/files/smallfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

SmallFile failed(SmallFile::Status status, int error = 0) {
    return {.status = status, .error = error, .bytes = {}};
}

} // namespace

SmallFile readSmallFile(const std::string& path, std::size_t maxBytes) {
    // Non-blocking open: opening a pipe with no writer must not wait.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT)
            return failed(SmallFile::Status::Missing);
        return failed(errno == EISDIR ? SmallFile::Status::Folder : SmallFile::Status::Unreadable,
                      errno);
    }
    struct stat info = {};
    if (::fstat(file.get(), &info) != 0)
        return failed(SmallFile::Status::Unreadable, errno);
    if (S_ISDIR(info.st_mode))
        return failed(SmallFile::Status::Folder);
    if (!S_ISREG(info.st_mode))
        return failed(SmallFile::Status::NotAFile);
    if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > maxBytes)
        return failed(SmallFile::Status::TooLarge);

    SmallFile read{.status = SmallFile::Status::Read,
                   .error = 0,
                   .bytes = std::vector<std::uint8_t>(static_cast<std::size_t>(info.st_size))};
    std::size_t done = 0;
    while (done < read.bytes.size()) {
        const ssize_t got = ::read(file.get(), read.bytes.data() + done, read.bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failed(SmallFile::Status::Unreadable, errno);
        if (got == 0)
            break; // the file shrank while being read: keep what is there
        done += static_cast<std::size_t>(got);
    }
    read.bytes.resize(done);
    return read;
}

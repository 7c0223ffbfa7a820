// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A small file read whole, or what stood in the way.
struct SmallFile {
    enum class Status { Read, Missing, Folder, NotAFile, TooLarge, Unreadable };
    Status status = Status::Missing;
    int error = 0; // errno, for Unreadable
    std::vector<std::uint8_t> bytes;
};

// Reads `path` if it is a regular file of at most `maxBytes`. A folder, a
// pipe or a device is refused without being read, so that no path can block
// the caller; a path that names nothing is Missing.
SmallFile readSmallFile(const std::string& path, std::size_t maxBytes);

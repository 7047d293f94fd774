// Reading a whole file, and writing one so that the old file survives any failure.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tq {

// The call that puts bytes into an open file (::write by default). Tests swap it to make a
// write fail part way, as a full disk would.
using WriteCall = ssize_t (*)(int fd, const void* data, size_t size);
extern WriteCall WriteToFile;

// Reads the whole file into bytes. Returns 1 when it was read, 0 when there is no such file,
// -1 when it exists but cannot be read (a directory, no permission, a read error part way;
// bytes then holds what was read before the error).
int32_t ReadFileBytes(const std::string& path, std::string& bytes);

// Writes bytes to a new file beside path, flushes it to disk and renames it over path.
// Returns 1 when the new file is in place; 0 when anything failed, and then path is as it was
// and no new file is left behind. A symbolic link at path is followed, not replaced.
int32_t WriteFileSafely(const std::string& path, std::string_view bytes);

}  // namespace tq

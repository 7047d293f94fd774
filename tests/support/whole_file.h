// Whole files as byte strings, for tests that write a file and compare what comes back.
#pragma once

#include <filesystem>
#include <string>

namespace tq::test {

// The file's bytes, or "" when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);
// Replaces the file's content with `bytes`.
void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace tq::test

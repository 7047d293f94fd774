// The export file written after each search: one line with the result text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tq {

// The directory export files go to (the data directory); set by start-up.
extern std::string ExportDirectory;

// "Lösung" (UTF-8) + number as four digits + ".txt".
std::string ExportFileName(int32_t number);
// Writes text + CR LF to ExportDirectory/ExportFileName(Random(9999)).
// Returns 1 when the file was written, 0 otherwise.
int32_t ExportSolution(std::string_view text);

}  // namespace tq

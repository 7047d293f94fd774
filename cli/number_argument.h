// Whole numbers given as option values (--seed, --moves, --max-trials).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cli/arguments.h"
#include "cli/console.h"

namespace tq::cli {

// Decimal digits only, no sign or spaces, from min to max; nothing otherwise.
std::optional<uint64_t> ParseWholeNumber(std::string_view text, uint64_t min, uint64_t max);

struct NumberOption {
  std::string_view Name;
  uint64_t Min;
  uint64_t Max;
  uint64_t Default;
};

// The option's value, its default when absent, or nothing after reporting a usage problem.
std::optional<uint64_t> ReadNumberOption(Console& console, const ParsedArguments& args,
                                         const NumberOption& option, std::string_view usage);

}  // namespace tq::cli

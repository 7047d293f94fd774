// Strict number reading: "12abc" or "-3" is a mistake to report, not a number to guess at.
#include "cli/number_argument.h"

#include <charconv>

namespace tq::cli {

std::optional<uint64_t> ParseWholeNumber(std::string_view text, uint64_t min, uint64_t max) {
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if (value < min || value > max) return std::nullopt;
  return value;
}

std::optional<uint64_t> ReadNumberOption(Console& console, const ParsedArguments& args,
                                         const NumberOption& option, std::string_view usage) {
  const std::string* text = args.Value(option.Name);
  if (text == nullptr) return option.Default;
  std::optional<uint64_t> value = ParseWholeNumber(*text, option.Min, option.Max);
  if (!value) {
    ReportUsage(console,
                std::string(option.Name) + " needs a whole number from " + std::to_string(option.Min) + " to " +
                    std::to_string(option.Max) + ", not '" + *text + "'",
                usage);
  }
  return value;
}

}  // namespace tq::cli

// The scale factor's check: parsed without the locale, as Qt reads it, before Qt sees it.
#include "ui/qt/scale_factor.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tq {

namespace {
constexpr const char* Variable = "QT_SCALE_FACTOR";
constexpr std::string_view Spaces = " \t\n\r\f\v";
}  // namespace

std::optional<double> UsableScaleFactor(std::string_view value) {
  const size_t first = value.find_first_not_of(Spaces);
  if (first == std::string_view::npos) return std::nullopt;
  value = value.substr(first, value.find_last_not_of(Spaces) + 1 - first);
  if (value.starts_with('+')) value.remove_prefix(1);
  double factor = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), factor);
  if (error != std::errc() || end != value.data() + value.size() || !std::isfinite(factor)) return std::nullopt;
  if (factor < SmallestScaleFactor || factor > LargestScaleFactor) return std::nullopt;
  return factor;
}

std::string UnusableScaleFactorLine(const std::string& program, std::string_view value) {
  return program + ": " + Variable + "=\"" + std::string(value) + "\" is no scale factor a window can be shown at " +
         "(from 1/16 to 16); going on at 1";
}

void KeepScaleFactorUsable(const std::string& program) {
  const char* value = std::getenv(Variable);
  if (value == nullptr || *value == '\0' || UsableScaleFactor(value)) return;
  std::fprintf(stderr, "%s\n", UnusableScaleFactorLine(program, value).c_str());
  ::setenv(Variable, "1", 1);
}

}  // namespace tq

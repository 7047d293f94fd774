// The session kept between runs as a few lines of text, and read back whatever became of them.
//
//   trommelquirl-session 1
//   layout 30000_111132222_444435555_
//   solution <start, "_" for empty> <digits 1 to 5, nothing for a solved start>
//   step <0 to the solution's length>
//
// The solution and step lines are there only with a solution. Lines of other names are skipped,
// so that a later version may add some that this one reads past.
#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

#include "model/field.h"
#include "model/layout_check.h"
#include "model/layout_moves.h"
#include "model/moves.h"
#include "session/solving_session.h"

namespace tq::session {

namespace {

constexpr std::string_view Header = "trommelquirl-session 1";

// The value of the first line named `name`, or nothing.
std::optional<std::string_view> Value(std::string_view text, std::string_view name) {
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > name.size() && line.substr(0, name.size()) == name && line[name.size()] == ' ') {
      return line.substr(name.size() + 1);
    }
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return std::nullopt;
}

bool IsLayout(std::string_view layout) {
  const LayoutFault::Kind what = FindLayoutFault(layout).What;
  return what != LayoutFault::Kind::Length && what != LayoutFault::Kind::Character;
}

// True when `moves` are digits 1 to 5 that take the valid `start` to a solved position.
bool Solves(const std::string& start, std::string_view moves) {
  if (FindLayoutFault(start).What != LayoutFault::Kind::None) return false;
  if (!std::all_of(moves.begin(), moves.end(), [](char c) { return c >= '1' && c <= '5'; })) return false;
  const SolutionPath path(start, moves);
  return CorrectColumns(FieldOfLayout(path.PositionAt(path.Length()))) == 5;
}

}  // namespace

std::string SolvingSession::SavedText() const {
  std::string text(Header);
  text += "\nlayout " + TextOfLayout(state_.Layout) + "\n";
  if (!state_.Path.Empty()) {
    text += "solution " + TextOfLayout(state_.Path.Start()) + " " + state_.Path.Moves() + "\n";
    text += "step " + std::to_string(state_.Step) + "\n";
  }
  return text;
}

SolvingSession SolvingSession::FromSavedText(std::string_view text) {
  const size_t firstEnd = text.find('\n');
  std::string_view first = text.substr(0, firstEnd);
  if (!first.empty() && first.back() == '\r') first.remove_suffix(1);
  const std::optional<std::string_view> layoutValue = Value(text, "layout");
  if (first != Header || !layoutValue) return SolvingSession(StartLayout);
  const std::string layout = LayoutFromText(*layoutValue);
  if (!IsLayout(layout)) return SolvingSession(StartLayout);
  SolvingSession session(layout);

  const std::optional<std::string_view> solution = Value(text, "solution");
  if (!solution) return session;
  const size_t space = solution->find(' ');
  const std::string start = LayoutFromText(solution->substr(0, space));
  const std::string_view moves = space == std::string_view::npos ? std::string_view() : solution->substr(space + 1);
  if (!Solves(start, moves)) return session;
  SolutionPath path(start, moves);

  int step = -1;
  if (const std::optional<std::string_view> stepValue = Value(text, "step")) {
    const char* end = stepValue->data() + stepValue->size();
    const auto read = std::from_chars(stepValue->data(), end, step);
    if (read.ec != std::errc() || read.ptr != end) step = -1;
  }
  // A step that does not show the layout is damage: the nearest step that does, if any.
  if (step < 0 || step > path.Length() || path.PositionAt(step) != layout) step = path.StepOf(layout, std::max(step, 0));
  if (step < 0) return session;
  session.state_.Path = std::move(path);
  session.state_.Step = step;
  return session;
}

std::string LayoutFromText(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  std::string layout(text);
  std::replace(layout.begin(), layout.end(), '_', ' ');
  return layout;
}

std::string TextOfLayout(std::string_view layout) {
  std::string text(layout);
  std::replace(text.begin(), text.end(), ' ', '_');
  return text;
}

}  // namespace tq::session

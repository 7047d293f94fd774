// Feeds any bytes to the session's saved-text reader: it must open a session that keeps its
// invariants, and what that session saves must read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/layout_check.h"
#include "session/solving_session.h"

namespace {

void Require(bool holds) {
  if (!holds) std::abort();
}

void RequireConsistent(const tq::session::SolvingSession& session) {
  const bool valid = tq::FindLayoutFault(session.Layout()).What == tq::LayoutFault::Kind::None;
  Require(session.Layout().size() == 26);
  Require(session.Valid() == valid && session.Faults().empty() == valid);
  Require(session.Path().Empty() == (session.Step() < 0));
  if (session.Step() >= 0) Require(session.Path().PositionAt(session.Step()) == session.Layout());
  if (session.AtEnd()) Require(session.Solved());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const tq::session::SolvingSession session = tq::session::SolvingSession::FromSavedText(text);
  RequireConsistent(session);
  const tq::session::SolvingSession again = tq::session::SolvingSession::FromSavedText(session.SavedText());
  Require(again.Layout() == session.Layout() && again.Path() == session.Path() && again.Step() == session.Step());
  return 0;
}

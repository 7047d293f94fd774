// The solving session for the web page's main thread: every call the page makes, under the
// session's own names, and View(), everything the page draws, as one JSON text, so that the
// page holds no rule of the puzzle and asks for its whole picture in one call.
#include <emscripten/bind.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "session/solving_session.h"
#include "web/core/json_text.h"

namespace tq::web {

namespace {

using session::ChangeKind;
using session::SolvingSession;

const char* KindName(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::Move: return "move";
    case ChangeKind::Step: return "step";
    case ChangeKind::Edit: return "edit";
    case ChangeKind::Paste: return "paste";
    case ChangeKind::Scramble: return "scramble";
    case ChangeKind::Reset: return "reset";
  }
  return "move";
}

// The model's fault kinds in the page's spelling.
const char* FaultKindName(LayoutFault::Kind kind) {
  switch (kind) {
    case LayoutFault::Kind::None: return "none";
    case LayoutFault::Kind::Length: return "length";
    case LayoutFault::Kind::Character: return "character";
    case LayoutFault::Kind::EmptyCount: return "emptyCount";
    case LayoutFault::Kind::ColourCount: return "colourCount";
    case LayoutFault::Kind::EmptyPlace: return "emptyPlace";
  }
  return "none";
}

void PutKind(JsonText& json, const char* name, std::optional<ChangeKind> kind) {
  if (kind) {
    json.Field(name, KindName(*kind));
  } else {
    json.NullField(name);
  }
}

}  // namespace

// One session, as the page holds it (new core.Session(layout); .delete() when replaced).
// Thread-compatible, as the session is.
class WebSession {
 public:
  explicit WebSession(const std::string& layout) : session_(layout) {}
  explicit WebSession(SolvingSession session) : session_(std::move(session)) {}

  bool Move(int code) { return session_.Move(code); }
  bool Edit(int slot, int value) { return session_.Edit(slot, value); }
  // Seeds come from JavaScript as numbers; anything outside 0 to 2^32 - 1 is brought into it.
  bool Scramble(double seed) {
    const double whole = seed >= 0 && seed < 4294967296.0 ? seed : 0;
    return session_.Scramble(static_cast<uint64_t>(whole));
  }
  bool Reset() { return session_.Reset(); }
  bool Undo() { return session_.Undo(); }
  bool Redo() { return session_.Redo(); }
  bool StepTo(int step) { return session_.StepTo(step); }
  bool Next() { return session_.Next(); }
  bool Previous() { return session_.Previous(); }
  bool First() { return session_.First(); }
  bool Last() { return session_.Last(); }
  bool Play() { return session_.Play(); }
  bool PlayTick() { return session_.PlayTick(); }
  void Pause() { session_.Pause(); }

  std::string Paste(const std::string& text) {
    switch (session_.Paste(text)) {
      case session::PasteResult::Pasted: return "pasted";
      case session::PasteResult::Same: return "same";
      case session::PasteResult::Refused: return "refused";
    }
    return "refused";
  }

  bool RequestSolution() { return session_.RequestSolution(); }
  bool RequestHint() { return session_.RequestHint(); }

  // "" when there is nothing to pass on, else {"number":N,"layout":"..."}.
  std::string TakeSolveRequest() {
    const std::optional<session::SolveRequest> request = session_.TakeSolveRequest();
    if (!request) return "";
    JsonText json;
    json.Open();
    json.Field("number", static_cast<double>(request->Number));
    json.Field("layout", request->Layout);
    json.Close();
    return json.Text();
  }

  // Request numbers travel as JavaScript numbers: exact far beyond any session's count.
  std::string Answer(double number, const std::string& moves) {
    if (!(number >= 0)) return "stale";
    switch (session_.Answer(static_cast<uint64_t>(number), moves)) {
      case session::AnswerUse::Taken: return "taken";
      case session::AnswerUse::Stale: return "stale";
      case session::AnswerUse::Refused: return "refused";
    }
    return "refused";
  }
  void AnswerFailed(double number) {
    if (number >= 0) session_.AnswerFailed(static_cast<uint64_t>(number));
  }

  std::string SavedText() const { return session_.SavedText(); }

  std::string View() const {
    JsonText json;
    json.Open();
    json.Field("layout", session_.Layout());
    json.Field("valid", session_.Valid());
    json.Field("solved", session_.Solved());
    json.Field("longColumnsUp", session_.LongColumnsUp());
    json.Field("lastMove", session_.LastMove());
    json.Key("faults");
    json.OpenList();
    for (const session::MarkedFault& fault : session_.Faults()) PutFault(json, fault.Fault, fault.Slots);
    json.CloseList();
    json.Key("pasteFault");
    if (const LayoutFault paste = session_.PasteFault(); paste.What != LayoutFault::Kind::None) {
      PutFault(json, paste, {});
    } else {
      json.Null();
    }
    json.Field("canUndo", session_.CanUndo());
    json.Field("canRedo", session_.CanRedo());
    PutKind(json, "undoKind", session_.UndoKind());
    PutKind(json, "redoKind", session_.RedoKind());
    const session::Waiting waiting = session_.WaitingFor();
    json.Field("waiting", waiting == session::Waiting::Solution ? "solution"
                          : waiting == session::Waiting::Hint   ? "hint"
                                                                : "nothing");
    json.Key("path");
    const session::SolutionPath& path = session_.Path();
    if (path.Empty()) {
      json.Null();
    } else {
      json.Open();
      json.Field("start", path.Start());
      json.Field("moves", path.Moves());
      json.Field("length", path.Length());
      json.Key("positions");
      json.OpenList();
      for (int step = 0; step <= path.Length(); ++step) json.Value(path.PositionAt(step));
      json.CloseList();
      json.Close();
    }
    json.Field("step", session_.Step());
    json.Field("nextMove", session_.NextMove());
    json.Field("hintMove", session_.HintMove());
    json.Field("atEnd", session_.AtEnd());
    json.Field("playing", session_.Playing());
    json.Close();
    return json.Text();
  }

 private:
  static void PutFault(JsonText& json, const LayoutFault& fault, const std::vector<int>& slots) {
    json.Open();
    // An empty slot in a short column is a fault of its own to the page, which words it so.
    const bool shortColumn = fault.What == LayoutFault::Kind::EmptyPlace && fault.Column >= 0;
    json.Field("kind", shortColumn ? "emptyInShortColumn" : FaultKindName(fault.What));
    json.Field("count", fault.Count);
    json.Field("needed", fault.Needed);
    json.Field("colour", fault.Colour);
    json.Field("position", fault.Position);
    json.Field("character", fault.Character == '\0' ? std::string() : std::string(1, fault.Character));
    json.Field("column", fault.Column);
    json.Key("slots");
    json.OpenList();
    for (int slot : slots) json.Value(slot);
    json.CloseList();
    json.Close();
  }

  SolvingSession session_;
};

WebSession SessionFromSavedText(const std::string& text) { return WebSession(SolvingSession::FromSavedText(text)); }

EMSCRIPTEN_BINDINGS(tq_session) {
  emscripten::class_<WebSession>("Session")
      .constructor<const std::string&>()
      .function("Move", &WebSession::Move)
      .function("Edit", &WebSession::Edit)
      .function("Scramble", &WebSession::Scramble)
      .function("Reset", &WebSession::Reset)
      .function("Undo", &WebSession::Undo)
      .function("Redo", &WebSession::Redo)
      .function("StepTo", &WebSession::StepTo)
      .function("Next", &WebSession::Next)
      .function("Previous", &WebSession::Previous)
      .function("First", &WebSession::First)
      .function("Last", &WebSession::Last)
      .function("Play", &WebSession::Play)
      .function("PlayTick", &WebSession::PlayTick)
      .function("Pause", &WebSession::Pause)
      .function("Paste", &WebSession::Paste)
      .function("RequestSolution", &WebSession::RequestSolution)
      .function("RequestHint", &WebSession::RequestHint)
      .function("TakeSolveRequest", &WebSession::TakeSolveRequest)
      .function("Answer", &WebSession::Answer)
      .function("AnswerFailed", &WebSession::AnswerFailed)
      .function("View", &WebSession::View)
      .function("SavedText", &WebSession::SavedText);
  emscripten::function("SessionFromSavedText", &SessionFromSavedText);
}

}  // namespace tq::web

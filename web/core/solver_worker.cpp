// The solver's half of the web page, bound for the Web Worker's script (solver-worker.js): the
// two tables, built or loaded from the bytes the script keeps in the browser's storage, and the
// search on the best table at hand.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "solver/optimal/optimal_solver.h"
#include "solver/optimal/table_shape.h"

namespace tq::web {

namespace {

using optimal::LoadStatus;
using optimal::PatternTable;
using optimal::TableKind;

std::optional<TableKind> KindOf(const std::string& name) {
  if (name == "full") return TableKind::Full;
  if (name == "small") return TableKind::Small;
  return std::nullopt;
}

const char* StatusName(LoadStatus status) {
  switch (status) {
    case LoadStatus::Loaded: return "loaded";
    case LoadStatus::Missing: return "missing";
    case LoadStatus::Unreadable: return "unreadable";
    case LoadStatus::Foreign: return "foreign";
    case LoadStatus::Damaged: return "damaged";
  }
  return "damaged";
}

// WebAssembly built without exceptions ends the whole module where a table's memory cannot be
// had; asking the heap for the block first (it keeps what it grew) turns that into an answer.
bool HeapCanHold(uint64_t bytes) {
  if (bytes >= SIZE_MAX) return false;
  void* block = std::malloc(static_cast<size_t>(bytes));
  if (block == nullptr) return false;
  std::free(block);
  return true;
}

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

// One worker's tables. Thread-compatible: a worker has one thread and one of these.
class WebSolver {
 public:
  // Builds the table of `kind` ("small" or "full"), calling progress(percent) after each level
  // of the build. False for an unknown kind or where the memory cannot be had.
  bool Build(const std::string& kind, emscripten::val progress) {
    const std::optional<TableKind> which = KindOf(kind);
    if (!which || !Room(*which)) return false;
    const auto report = [&progress](const optimal::BuildProgress& p) {
      if (!progress.isUndefined() && !progress.isNull()) progress(static_cast<double>(p.Filled * 100 / p.Total));
    };
    Slot(*which) = PatternTable::Build(*which, 1, report);
    return true;
  }

  // Loads the table of `kind` from a stored file of `size` bytes that read(at, view) copies into
  // the Uint8Array view (true when it could). Gives "loaded", or why the file was refused
  // ("foreign", "damaged", "unreadable"), or "memory"; a refused file leaves no table.
  std::string Load(const std::string& kind, double size, emscripten::val read) {
    const std::optional<TableKind> which = KindOf(kind);
    if (!which || size < 0) return "foreign";
    if (!Room(*which)) return "memory";
    const auto copy = [&read](uint64_t at, uint8_t* into, uint64_t count) {
      const emscripten::val view(emscripten::typed_memory_view(static_cast<size_t>(count), into));
      return read(static_cast<double>(at), view).as<bool>();
    };
    optimal::TableLoad load = PatternTable::LoadFrom(static_cast<uint64_t>(size), *which, copy);
    Slot(*which) = std::move(load.Table);
    return StatusName(load.Status);
  }

  bool Has(const std::string& kind) const {
    const std::optional<TableKind> which = KindOf(kind);
    return which && ConstSlot(*which) != nullptr;
  }

  // The size of the stored file of a table of `kind`, built or not.
  double FileSize(const std::string& kind) const {
    const std::optional<TableKind> which = KindOf(kind);
    if (!which) return 0;
    return static_cast<double>(PatternTable::FileHeaderBytes + optimal::EntryCountOf(*which));
  }

  // The file's header as a new Uint8Array, and its entries as a view of the module's memory
  // (valid until the memory next grows): written one after the other they make the stored file.
  emscripten::val FileHeader(const std::string& kind) const {
    const PatternTable* table = TableOf(kind);
    if (table == nullptr) return emscripten::val::null();
    const std::string header = table->FileHeader();
    const emscripten::val view(emscripten::typed_memory_view(header.size(), reinterpret_cast<const uint8_t*>(header.data())));
    return emscripten::val::global("Uint8Array").new_(view);
  }
  emscripten::val FileEntries(const std::string& kind) const {
    const PatternTable* table = TableOf(kind);
    if (table == nullptr) return emscripten::val::null();
    return emscripten::val(emscripten::typed_memory_view(static_cast<size_t>(table->EntryCount()), table->Entries()));
  }

  void Drop(const std::string& kind) {
    if (const std::optional<TableKind> which = KindOf(kind)) Slot(*which) = nullptr;
  }

  // A shortest solution of `layout` from the Full table where it is there, else the Small one,
  // as JSON: {"status":"solved","moves":"digits","table":"full"|"small","ms":n,"nodes":n}, or
  // {"status":"noTable"} or {"status":"badLayout"}.
  // Layouts may write an empty slot as "_", as links do.
  std::string Solve(std::string layout) const {
    for (char& c : layout) c = c == '_' ? ' ' : c;
    const bool full = full_ != nullptr;
    const PatternTable* table = full ? full_.get() : small_.get();
    if (table == nullptr) return R"({"status":"noTable"})";
    const auto start = std::chrono::steady_clock::now();
    const optimal::SearchResult result = optimal::Solve(*table, layout);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (result.Status != optimal::SearchStatus::Solved) return R"({"status":"badLayout"})";
    return R"({"status":"solved","moves":)" + Quoted(result.Solution) + R"(,"table":")" + (full ? "full" : "small") +
           R"(","ms":)" + std::to_string(ms) + R"(,"nodes":)" + std::to_string(result.Nodes) + "}";
  }

 private:
  // Room for a table of `kind` beside those kept; a table being replaced is let go first.
  bool Room(TableKind kind) {
    Slot(kind) = nullptr;
    return HeapCanHold(optimal::EntryCountOf(kind));
  }

  std::shared_ptr<const PatternTable>& Slot(TableKind kind) { return kind == TableKind::Full ? full_ : small_; }
  const std::shared_ptr<const PatternTable>& ConstSlot(TableKind kind) const { return kind == TableKind::Full ? full_ : small_; }
  const PatternTable* TableOf(const std::string& kind) const {
    const std::optional<TableKind> which = KindOf(kind);
    return which ? ConstSlot(*which).get() : nullptr;
  }

  std::shared_ptr<const PatternTable> full_;
  std::shared_ptr<const PatternTable> small_;
};

EMSCRIPTEN_BINDINGS(tq_solver) {
  emscripten::class_<WebSolver>("Solver")
      .constructor<>()
      .function("Build", &WebSolver::Build)
      .function("Load", &WebSolver::Load)
      .function("Has", &WebSolver::Has)
      .function("FileSize", &WebSolver::FileSize)
      .function("FileHeader", &WebSolver::FileHeader)
      .function("FileEntries", &WebSolver::FileEntries)
      .function("Drop", &WebSolver::Drop)
      .function("Solve", &WebSolver::Solve);
}

}  // namespace tq::web

// Shortest solutions for any position the moves can reach: an iterative-deepening search guided
// by a table of exact distances of a simplified puzzle.
//
// What it computes: for a layout (26 characters, " " for an empty slot and "0" to "5" for a
// ball, as the model writes it; the slide state is the one the layout shows), a move sequence of
// the fewest moves that leaves five correct columns, written as a solution text (digits 1 to 5,
// every move code counting as one move). A solved layout gets the empty text. Of several shortest
// sequences it returns the same one every time, whatever the number of threads. In the fast mode
// it returns a sequence 1.2 moves longer than the shortest on average, in under a third of the
// time; no bound on its length is promised. Measured with bench/optimal/bench_optimal on 100
// positions of 2,000 random moves (seeds 1 to 100), on one thread: 1.3 to 1.5 s against 4.8 to
// 4.9 s for all 100, with 35 % of the positions looked up; 45 of them got a shortest solution
// all the same, 18 one move more, and the most was 6 moves more, on one position.
//
// The table: the distance to the nearest solved position of the puzzle in which only the three
// colour-3 balls and a class of balls are told apart (the Full table: two of the 4-ball colours
// as one class, looked up for each of the ten pairs; the Small table: one 4-ball colour, looked up
// for each of the five). The largest of the lookups never exceeds the true distance. Positions
// that differ by the left-right mirror or the upside-down flip share an entry.
//
// Memory and first-use cost: the Full table takes 115,010,610 bytes (110 MB), built in about
// 9 seconds of processor time (about 5 seconds on two free cores); the Small table 4,423,485
// bytes, built in a quarter of a second. Build once and keep the file with Save, or let
// LoadOrBuild do both: a saved table loads in a few tens of milliseconds. On the Full table a
// search takes about 0.035 s for a median random position on one thread, 0.33 s for the
// hardest in a hundred. A search allocates nothing per position it visits; its stack holds a
// few tens of kilobytes per thread.
//
// Threads: a table, once built or loaded, is read-only; any number of searches on any threads
// may use one table at once. Each call to Solve may use several threads of its own.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "solver/instruction_set.h"

namespace tq::optimal {

enum class TableKind : uint8_t {
  Full,   // colour 3 and two 4-ball colours as one class: the strong estimate
  Small,  // colour 3 and one 4-ball colour: builds at once, for tests and small machines
};

// After each level of the build: the entries filled so far of all.
struct BuildProgress {
  int Level;
  uint64_t Filled;
  uint64_t Total;
};
using BuildProgressCall = std::function<void(const BuildProgress&)>;

enum class LoadStatus {
  Loaded,
  Missing,     // no file at the path
  Unreadable,  // the file cannot be opened or read
  Foreign,     // not a table file of this kind and format version
  Damaged,     // truncated, too long, or its checksum does not match
};

class PatternTable;

struct TableLoad {
  std::shared_ptr<const PatternTable> Table;  // null unless Status is Loaded
  LoadStatus Status;
  std::string Problem = {};  // the system's words for why, when Status is Unreadable; else empty
};

class PatternTable {
 public:
  // Builds the table by breadth-first search from every solved position, on `threads`
  // threads (the calling one among them). `progress`, when set, is called on the calling
  // thread after each level. `shouldStop`, when set, is called on the calling thread after
  // each block of entries it handles: about 12,000 times in a build of the Full table, 99 % of
  // the gaps under 50 ms even on two cores loaded seven times over. Once it gives true the
  // build ends within a block of each thread and gives null. Throws std::bad_alloc when the
  // memory cannot be had.
  static std::shared_ptr<const PatternTable> Build(TableKind kind, int threads, const BuildProgressCall& progress = {},
                                                   const std::function<bool()>& shouldStop = {});

  // Reads a file written by Save. Any file that is not a complete, intact table of this kind
  // and format version is refused with the reason.
  static TableLoad Load(const std::string& path, TableKind kind);

  // Writes the table to a new file beside `path` and renames it over `path`, so that `path`
  // is at any moment either missing, its old content or the complete table, also when other
  // processes save at the same time. The new file has no name until it is complete, so a
  // save cut short leaves nothing beside `path`. The file is a cache, the program's own: a
  // symbolic link at `path` is replaced, never written through, and the new file gets the
  // permissions of any new file. Gives false when it could not be written, with the system's
  // words for why in `problem`.
  bool Save(const std::string& path, std::string& problem) const;
  bool Save(const std::string& path) const;

  TableKind Kind() const { return kind_; }
  uint64_t EntryCount() const { return entryCount_; }
  // The estimate (a lower bound of the number of moves) for a layout that Solve accepts, or -1.
  int Estimate(std::string_view layout) const;

  ~PatternTable();
  PatternTable(const PatternTable&) = delete;
  PatternTable& operator=(const PatternTable&) = delete;

  // The entries, for the search and the tests: indexed as the search computes.
  const uint8_t* Entries() const;

 private:
  explicit PatternTable(TableKind kind);
  uint8_t* MutableEntries();
  friend class TableBuilder;
  friend struct TableFile;

  TableKind kind_;
  uint64_t entryCount_;
  std::unique_ptr<class LargeBlock> block_;
};

// The file name under which a program keeps the table of a kind in its cache directory.
std::string TableFileName(TableKind kind);

// How LoadOrBuild came by its table.
enum class TableSource {
  Loaded,           // from the file
  BuiltAndSaved,    // the file was missing or refused; built and written
  BuiltNotSaved,    // built, but the file could not be written: building again next time
  Stopped,          // the build was stopped: no table
};

struct CachedTable {
  std::shared_ptr<const PatternTable> Table;  // null when Source is Stopped
  TableSource Source;
  LoadStatus FileStatus;  // what Load said of the file before any build
  // The system's words for why the file could not be read, when FileStatus is Unreadable; else empty.
  std::string LoadProblem;
  // Why the built table could not be kept, when Source is BuiltNotSaved; else empty.
  std::string SaveProblem;
};

// Loads the table from `path`, or builds it and saves it there (creating the directory) when
// the file is missing or refused. `progress` and `shouldStop` are given to Build. The caller
// chooses the path; nothing here reads the environment (table_cache.h gives the usual one).
CachedTable LoadOrBuild(const std::string& path, TableKind kind, int threads, const BuildProgressCall& progress = {},
                        const std::function<bool()>& shouldStop = {});

// After each finished depth of a search, on the calling thread.
struct SearchProgress {
  int Depth;       // every sequence this long (weighted, in the fast mode) is searched
  uint64_t Nodes;  // positions looked up so far
};

struct SearchOptions {
  bool Fast = false;
  int Threads = 1;
  // The copy of the search that runs (solver/instruction_set.h): any the processor has gives
  // the same answers; the fastest by default.
  InstructionSet Instructions = ProcessorInstructionSet();
  // Called now and then (every few thousand positions) on the calling thread; true stops the search.
  std::function<bool()> ShouldStop;
  std::function<void(const SearchProgress&)> Progress;
};

enum class SearchStatus {
  Solved,
  Stopped,     // ShouldStop said so; no solution
  BadLayout,   // not a position the moves can reach from the start
};

struct SearchResult {
  SearchStatus Status;
  std::string Solution;  // digits 1 to 5; empty for a solved layout
  uint64_t Nodes;        // positions whose estimate was looked up
};

// Searches for a shortest solution of `layout` (see the top of this file).
SearchResult Solve(const PatternTable& table, std::string_view layout, const SearchOptions& options = {});

}  // namespace tq::optimal

// A plain search: full passes over every position, the global Field, string layouts.
#include "reference_search.h"

#include <vector>

#include "model/field.h"
#include "model/moves.h"
#include "solver/search.h"
#include "solver/search_host.h"
#include "store/solutions.h"

namespace tq {

namespace {

const SearchHost& Host() { return InstalledSearchHost(); }

struct Buffer {
  explicit Buffer(int32_t limit) : v(static_cast<size_t>(limit) + 2, 0) {}
  uint8_t Get(int64_t p) const { return p >= 1 && p < static_cast<int64_t>(v.size()) ? v[p] : 0; }
  void Set(int64_t p, uint8_t x) {
    if (p >= 1 && p < static_cast<int64_t>(v.size())) v[p] = x;
  }
  std::vector<uint8_t> v;  // positions 1 to limit + 1
};

void Prune(Buffer& b, int32_t limit) {
  for (int64_t i = 1; i <= limit; ++i) {
    const uint8_t first = b.Get(i);
    const uint8_t next = b.Get(i + 1);
    if (first == 5) {
      ++i;
      if (b.Get(i) == 5) b.Set(i, 6);
    } else if (first == 1 && next == 2) {
      b.Set(i, 2);
    } else if (first == 2 && next == 1) {
      b.Set(i, 3);
    } else if (first == 3 && next == 4) {
      b.Set(i, 4);
    } else if (first == 4 && next == 3) {
      b.Set(i, 5);
    }
    const uint8_t c = b.Get(i);
    if (c >= 1 && c <= 4 && b.Get(i + 1) == c && b.Get(i + 2) == c) {
      static const uint8_t to[5][2] = {{0, 0}, {3, 2}, {0, 1}, {5, 4}, {2, 3}};
      b.Set(i, to[c][0]);
      b.Set(i + 1, to[c][1]);
      b.Set(i + 2, to[c][1]);
    }
  }
}

void ApplyWalkMove(uint8_t code, int32_t& slide) {
  switch (code) {
    case 1: RotateRing(0, +1); RotateRing(1, +1); break;
    case 2: RotateRing(0, -1); RotateRing(1, -1); break;
    case 3: RotateRing(2, +1); RotateRing(3, +1); break;
    case 4: RotateRing(2, -1); RotateRing(3, -1); break;
    case 5: slide = SlideColumns(slide); break;
    default: break;
  }
}

}  // namespace

void ReferencePrune(std::vector<uint8_t>& moves, int32_t limit) {
  Buffer b(limit);
  b.v = moves;
  Prune(b, limit);
  moves = b.v;
}

namespace {

std::string Done(const std::string& start, std::string result) {
  SolverRunning = 0;
  Host().SetSearchProgress(0);
  LayoutToField(start);
  SlideState = ReadSlideState();
  Host().RefreshField();
  return result;
}

}  // namespace

std::string ReferenceSolve(int32_t limit) {
  SolverRunning = 1;
  Buffer b(limit);
  const std::string start = FieldToLayout();
  std::string stored = LookupSolution(start);
  if (!stored.empty()) {
    Host().AddListLine("Saved Field...");
    return Done(start, stored);
  }
  b.Set(1, 1);
  int32_t length = 1, trials = 0, estimate = 1;
  uint32_t mark = Host().TickCount();
  for (;;) {
    ++trials;
    for (int64_t p = 1; p <= limit; ++p) {
      if (b.Get(p) <= 5) continue;
      b.Set(p, 1);
      b.Set(p + 1, static_cast<uint8_t>(b.Get(p + 1) + 1));
      if (p + 1 > length) {
        Host().AddListLine("Status: " + std::to_string(length) + "/" + std::to_string(limit) + " Time: " +
                           std::to_string(Host().TickCount() - mark) + " ms");
        mark = Host().TickCount();
        uint32_t e = 1;
        for (int k = 0; k < length; ++k) e *= 3;
        estimate = static_cast<int32_t>(e);
        trials = 0;
        ++length;
      }
    }
    Host().SetSearchProgress(static_cast<int32_t>(static_cast<uint32_t>(trials) * 100u) / estimate);
    Host().DrainEvents();
    Prune(b, limit);
    Host().DrainEvents();
    LayoutToField(start);
    int32_t slide = SlideState;
    int64_t i = 1;
    bool solved = false;
    std::string applied;
    for (;;) {
      const uint8_t code = b.Get(i);
      ApplyWalkMove(code, slide);
      if (code >= 1 && code <= 5) applied += static_cast<char>('0' + code);
      const int32_t n = IsSolved();
      if (n == 5) {
        solved = true;
        break;
      }
      if (n >= 1) Host().AddListLine("Richtige Spalten: " + std::to_string(n));
      ++i;
      if (b.Get(i) == 0) break;
    }
    stored = LookupSolution(FieldToLayout());
    if (solved || !stored.empty()) {
      const std::string result = applied + stored;
      StoreSolution(start, result);
      return Done(start, result);
    }
    b.Set(1, static_cast<uint8_t>(b.Get(1) + 1));
    if (b.Get(limit) == 5 || StopRequested != 0) return Done(start, "No Result");
  }
}

}  // namespace tq

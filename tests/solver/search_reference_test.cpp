// The search against a plain, literal one: same lines, progress, results and store,
// on consistent and on arbitrary positions, with and without known positions.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "model/field.h"
#include "model/moves.h"
#include "model/random.h"
#include "model/scramble.h"
#include "reference_search.h"
#include "search_fixture.h"
#include "solver/notation.h"

namespace tq {
namespace {

struct Observed {
  std::string Result;
  std::vector<std::string> Lines;
  std::vector<int32_t> Progress;
  std::vector<std::string> Store;
  std::string FieldAfter;
  int32_t SlideAfter;
};

// Runs at the start of every trial, where the window's commands may run inside a search.
using Midway = std::function<void(int64_t trial)>;

template <typename SolveFn>
Observed Observe(SolveFn solve, const std::string& layout, int32_t slide, int32_t limit, int64_t maxTrials,
                 const std::vector<SolutionEntry>& known, const Midway& midway) {
  ResetHeadless();
  Headless.Clock = [] { return 77u; };
  Headless.RecordProgress = true;
  ClearSolutions();
  for (const auto& e : known) StoreSolution(e.Layout, e.Solution);
  LayoutToField(layout);
  SlideState = slide;
  Headless.OnProgress = [maxTrials, &midway](int32_t) {
    if (midway) midway(Headless.ProgressCalls);
    if (Headless.ProgressCalls == maxTrials) StopRequested = 1;
  };
  Observed o;
  o.Result = solve(limit);
  StopRequested = 0;
  o.Lines = Headless.Lines;
  o.Progress = Headless.Progress;
  for (size_t i = 0; i < SolutionCount(); ++i) o.Store.push_back(SolutionAt(i).Layout + "|" + SolutionAt(i).Solution);
  o.FieldAfter = FieldToLayout();
  o.SlideAfter = SlideState;
  return o;
}

void ExpectSame(const std::string& layout, int32_t slide, int32_t limit, int64_t maxTrials,
                const std::vector<SolutionEntry>& known = {}, const Midway& midway = {}) {
  const Observed want = Observe(ReferenceSolve, layout, slide, limit, maxTrials, known, midway);
  const Observed got = Observe(Solve, layout, slide, limit, maxTrials, known, midway);
  const std::string where = "layout '" + layout + "' slide " + std::to_string(slide) + " limit " + std::to_string(limit);
  ASSERT_EQ(got.Result, want.Result) << where;
  ASSERT_EQ(got.Lines, want.Lines) << where;
  ASSERT_EQ(got.Progress, want.Progress) << where;
  ASSERT_EQ(got.Store, want.Store) << where;
  ASSERT_EQ(got.FieldAfter, want.FieldAfter) << where;
  ASSERT_EQ(got.SlideAfter, want.SlideAfter) << where;
}

std::string Scrambled(int32_t moves) {
  LayoutToField(StartLayout);
  SlideState = ReadSlideState();
  Scramble(moves);
  return FieldToLayout();
}

TEST_F(SearchTest, MatchesPlainSearchOnScrambledPositions) {
  SeedRandom(4711);
  for (int k = 0; k < 150; ++k) {
    const std::string layout = Scrambled(1 + k % 9);
    LayoutToField(layout);
    ExpectSame(layout, ReadSlideState(), 100, 1500);
  }
}

TEST_F(SearchTest, MatchesPlainSearchOnArbitraryText) {
  // Layouts no move reaches, odd characters, short text and slide states that do not fit.
  std::mt19937 gen(99);
  const std::string alphabet = " 0123456789A\t";
  for (int k = 0; k < 120; ++k) {
    std::string layout;
    const int length = k % 10 == 0 ? static_cast<int>(gen() % 30) : 26;
    for (int i = 0; i < length; ++i) layout += alphabet[gen() % alphabet.size()];
    const int32_t slides[] = {0, 1, 2, -1};
    ExpectSame(layout, slides[k % 4], 100, 400);
  }
}

TEST_F(SearchTest, MatchesPlainSearchWhenPositionsAreKnown) {
  SeedRandom(321);
  std::vector<SolutionEntry> known;
  for (int k = 0; k < 400; ++k) {
    const std::string layout = Scrambled(1 + k % 4);
    known.push_back({layout, k % 7 == 0 ? "" : std::to_string(k)});  // empty ones never answer
  }
  for (int k = 0; k < 60; ++k) {
    const std::string layout = Scrambled(3 + k % 5);
    LayoutToField(layout);
    ExpectSame(layout, ReadSlideState(), 100, 3000, known);
  }
}

// Every position a few moves from `layout` takes, as a known solution text.
std::vector<std::string> Around(const std::string& layout, int32_t moves) {
  std::vector<std::string> found;
  for (int32_t code = 1; code <= 5; ++code) {
    LayoutToField(layout);
    int32_t slide = ReadSlideState();
    ApplyMoveCode(code, slide);
    found.push_back(FieldToLayout());
    if (moves > 1) {
      const std::vector<std::string> further = Around(found.back(), moves - 1);
      found.insert(found.end(), further.begin(), further.end());
    }
  }
  return found;
}

TEST_F(SearchTest, MatchesPlainSearchWhenCommandsChangeThingsMidway) {
  // The window's commands run inside a search's drains: they may turn the slide state, add
  // solutions the search then reaches, or empty the list. The search walks ahead of what it
  // has listed, and must still see each change at the trial it happened in.
  SeedRandom(2024);
  for (int k = 0; k < 36; ++k) {
    const std::string layout = Scrambled(5 + k % 4);
    const std::vector<std::string> near = Around(layout, 3);
    const int64_t change = 20 + 7 * k;
    const Midway midway = [k, change, &near](int64_t trial) {
      if (k % 3 == 0 && trial % 29 == 0) SlideState = trial % 58 == 0 ? 2 : 1 - (SlideState & 1);
      if (k % 3 == 1 && trial == change) {
        for (const std::string& reached : near) StoreSolution(reached, "4");
      }
      if (k % 3 == 2 && trial == change) ClearSolutions();
    };
    std::vector<SolutionEntry> known = {{StartLayout, "9"}};  // never reached, but the list is not empty
    if (k % 6 == 2) known.clear();
    LayoutToField(layout);
    ExpectSame(layout, ReadSlideState(), 100, 600, known, midway);
  }
}

TEST_F(SearchTest, MatchesPlainSearchAtTinyLimits) {
  SeedRandom(8);
  // A list that is not empty makes the search run ahead: the count must still run out
  // after the same trial.
  const std::vector<SolutionEntry> unreached = {{StartLayout, "9"}};
  for (int32_t limit = 1; limit <= 5; ++limit) {
    for (int k = 0; k < 12; ++k) {
      const std::string layout = Scrambled(6 + k);
      LayoutToField(layout);
      ExpectSame(layout, ReadSlideState(), limit, 100000, k % 2 == 0 ? std::vector<SolutionEntry>{} : unreached);
    }
  }
  // The last trial of a count that runs out is never walked ahead of: a known position
  // there must still be found. At limit 1 that trial is the slide.
  for (int k = 0; k < 12; ++k) {
    const std::string layout = Scrambled(6 + k);
    const std::vector<SolutionEntry> lastKnown = {{StartLayout, "9"}, {Around(layout, 1).back(), "3"}};
    LayoutToField(layout);
    ExpectSame(layout, ReadSlideState(), 1, 100000, lastKnown);
  }
}

}  // namespace
}  // namespace tq

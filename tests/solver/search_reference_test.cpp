// The search against a plain, literal one: same lines, progress, results and store,
// on consistent and on arbitrary positions, with and without known positions.
#include <gtest/gtest.h>

#include <random>

#include "model/field.h"
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

template <typename SolveFn>
Observed Observe(SolveFn solve, const std::string& layout, int32_t slide, int32_t limit, int64_t maxTrials,
                 const std::vector<SolutionEntry>& known) {
  ResetHeadless();
  Headless.Clock = [] { return 77u; };
  Headless.RecordProgress = true;
  ClearSolutions();
  for (const auto& e : known) StoreSolution(e.Layout, e.Solution);
  LayoutToField(layout);
  SlideState = slide;
  Headless.OnProgress = [maxTrials](int32_t) {
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
                const std::vector<SolutionEntry>& known = {}) {
  const Observed want = Observe(ReferenceSolve, layout, slide, limit, maxTrials, known);
  const Observed got = Observe(Solve, layout, slide, limit, maxTrials, known);
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

TEST_F(SearchTest, MatchesPlainSearchAtTinyLimits) {
  SeedRandom(8);
  for (int32_t limit = 1; limit <= 5; ++limit) {
    for (int k = 0; k < 12; ++k) {
      const std::string layout = Scrambled(6 + k);
      LayoutToField(layout);
      ExpectSame(layout, ReadSlideState(), limit, 100000);
    }
  }
}

}  // namespace
}  // namespace tq

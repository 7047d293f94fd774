// The odometer's order of candidates and the rewrite rules, seen as the sequences it yields.
#include "solver/move_buffer.h"

#include "reference_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tq {
namespace {

// Runs the count as the search does and collects each candidate (positions 1 to length,
// as digits) until `trials` candidates were made.
struct Counter {
  explicit Counter(int32_t limit) : buffer(limit + MoveBuffer::Padding), count(limit, buffer, [this](int32_t l) {
    finished.push_back({l, trial});
  }) {
    count.Start();
  }

  std::string Next() {
    ++trial;
    count.CarryPass();
    count.PrunePass();
    std::string digits;
    for (int32_t p = 1; p <= count.Length(); ++p) digits += static_cast<char>('0' + count.Moves()[p]);
    return digits;
  }

  std::vector<uint8_t> buffer;
  MoveBuffer count;
  int64_t trial = 0;
  std::vector<std::pair<int32_t, int64_t>> finished;  // (length finished, trial it happened in)
};

TEST(MoveBuffer, FirstCandidatesInOrder) {
  const std::vector<std::string> expected = {
      "1", "2", "3", "4", "5", "11", "31", "41", "51", "22", "32", "42", "52", "13",
      "23", "33", "53", "14", "24", "44", "54", "15", "25", "35", "45", "56", "322"};
  Counter c(100);
  for (size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(c.Next(), expected[k]) << "candidate " << k + 1;
    c.count.Advance();
  }
}

TEST(MoveBuffer, LengthsFinishAtKnownTrialsAndCountsPerLength) {
  const int64_t perLength[] = {5, 21, 49, 162, 451, 1170, 3082, 8108, 21310, 56048};
  Counter c(100);
  while (c.finished.size() < 10) {
    c.Next();
    c.count.Advance();
  }
  int64_t firstTrialOfLength = 1;
  for (size_t k = 0; k < 10; ++k) {
    EXPECT_EQ(c.finished[k].first, static_cast<int32_t>(k + 1));
    EXPECT_EQ(c.finished[k].second - firstTrialOfLength, perLength[k]) << "length " << k + 1;
    firstTrialOfLength = c.finished[k].second;
  }
  EXPECT_EQ(c.finished[0].second, 6);
  EXPECT_EQ(c.finished[1].second, 27);
  EXPECT_EQ(c.finished[2].second, 76);
  EXPECT_EQ(c.finished[3].second, 238);
}

TEST(MoveBuffer, NoCandidateHoldsThreeEqualTurnsInARow) {
  Counter c(100);
  for (int k = 0; k < 200000; ++k) {
    const std::string digits = c.Next();
    for (size_t i = 0; i + 2 < digits.size(); ++i) {
      const char d = digits[i];
      if (d >= '1' && d <= '4') {
        ASSERT_FALSE(digits[i + 1] == d && digits[i + 2] == d) << digits;
      }
    }
    c.count.Advance();
  }
}

TEST(MoveBuffer, SomeInversePairsSurviveBecauseTheSweepNeverLooksBack) {
  Counter c(100);
  for (int k = 1; k < 80; ++k) {
    c.Next();
    c.count.Advance();
  }
  EXPECT_EQ(c.Next(), "1231");
}

// Both passes stop early where they can tell the rest would change nothing; full passes
// over every position must leave the same candidate, trial after trial, into long lengths.
TEST(MoveBuffer, ShortenedSweepLeavesWhatAFullSweepLeaves) {
  for (int32_t limit : {100, 12}) {
    std::vector<uint8_t> buffer(limit + MoveBuffer::Padding);
    MoveBuffer count(limit, buffer, [](int32_t) {});
    count.Start();
    for (int trial = 0; trial < 1500000; ++trial) {
      std::vector<uint8_t> full(buffer.begin(), buffer.begin() + limit + 2);
      for (int32_t p = 1; p <= limit; ++p) {
        if (full[p] > 5) {
          full[p] = 1;
          ++full[p + 1];
        }
      }
      count.CarryPass();
      ASSERT_TRUE(std::equal(full.begin(), full.end(), buffer.begin())) << "carry, trial " << trial + 1;
      ReferencePrune(full, limit);
      count.PrunePass();
      ASSERT_TRUE(std::equal(full.begin(), full.end(), buffer.begin())) << "trial " << trial + 1;
      if (count.Advance()) break;
    }
  }
}

TEST(MoveBuffer, CountRunsOutWhenTheLastPositionReachesFive) {
  // With one position the candidates are the four codes before 5 stands there.
  std::vector<uint8_t> buffer(1 + MoveBuffer::Padding);
  MoveBuffer count(1, buffer, [](int32_t) {});
  count.Start();
  int trials = 0;
  do {
    count.CarryPass();
    count.PrunePass();
    ++trials;
  } while (!count.Advance());
  EXPECT_EQ(trials, 4);
}

}  // namespace
}  // namespace tq

// The list's rules: order, first match with a solution, and replace-or-append on store.
#include <gtest/gtest.h>

#include <random>

#include "store/layout_hash.h"
#include "store/solutions.h"
#include "store_test_support.h"

namespace tq {
namespace {

using test::Layout;
using test::ListedEntries;
using test::Pairs;

class StoreRules : public ::testing::Test {
 protected:
  void SetUp() override { ClearSolutions(); }
  const std::string a = Layout("30000 111132222 444435555");
  const std::string b = Layout("03000 111132222 444435555");
};

TEST_F(StoreRules, NewLayoutsAreAppendedInStoreOrder) {
  StoreSolution(a, "121");
  StoreSolution(b, "34");
  EXPECT_EQ(ListedEntries(), (Pairs{{a, "121"}, {b, "34"}}));
  EXPECT_EQ(LookupSolution(a), "121");
  EXPECT_EQ(LookupSolution(b), "34");
}

TEST_F(StoreRules, ShorterSolutionReplacesInPlace) {
  StoreSolution(a, "123451234512");
  StoreSolution(b, "5");
  StoreSolution(a, "123451234");
  EXPECT_EQ(ListedEntries(), (Pairs{{a, "123451234"}, {b, "5"}}));
}

TEST_F(StoreRules, EqualOrLongerSolutionIsAppendedAndTheFirstStillAnswers) {
  StoreSolution(a, "123451234");
  StoreSolution(b, "5");
  StoreSolution(a, "543215432");
  StoreSolution(a, "123451234512");
  EXPECT_EQ(ListedEntries(), (Pairs{{a, "123451234"}, {b, "5"}, {a, "543215432"}, {a, "123451234512"}}));
  EXPECT_EQ(LookupSolution(a), "123451234");
}

TEST_F(StoreRules, EveryLongerEntryOfTheLayoutIsReplaced) {
  LoadSolutionsFromBytes(a + "12345123451234\r\n" + b + "1\r\n" + a + "123451234512\r\n" + a + "12\r\n");
  StoreSolution(a, "1234512345");
  EXPECT_EQ(ListedEntries(), (Pairs{{a, "1234512345"}, {b, "1"}, {a, "1234512345"}, {a, "12"}}));
  EXPECT_EQ(LookupSolution(a), "1234512345");
}

TEST_F(StoreRules, EntryWithoutSolutionDoesNotHideALaterOne) {
  LoadSolutionsFromBytes(a + "\r\n" + a + "55\r\n");
  EXPECT_EQ(LookupSolution(a), "55");
  EXPECT_EQ(FindSolution(a), "55");

  LoadSolutionsFromBytes(a + "\r\n");
  EXPECT_EQ(FindSolution(a), "");
  StoreSolution(a, "1234");
  EXPECT_EQ(ListedEntries(), (Pairs{{a, ""}, {a, "1234"}}));
  EXPECT_EQ(LookupSolution(a), "1234");
  StoreSolution(a, "1234");  // answered now, so a search would not store again; the rule still appends
  EXPECT_EQ(SolutionCount(), 3u);
}

TEST_F(StoreRules, StoringAnEmptySolutionEmptiesEveryEntryAndAfterwardsANewOneAnswers) {
  StoreSolution(a, "12");
  StoreSolution(a, "12");
  StoreSolution(a, "");
  EXPECT_EQ(ListedEntries(), (Pairs{{a, ""}, {a, ""}}));
  EXPECT_EQ(LookupSolution(a), "");
  StoreSolution(a, "");
  StoreSolution(a, "3");
  EXPECT_EQ(ListedEntries(), (Pairs{{a, ""}, {a, ""}, {a, ""}, {a, "3"}}));
  EXPECT_EQ(LookupSolution(a), "3");
}

TEST_F(StoreRules, OnlyTheSameBytesMatch) {
  StoreSolution(a, "12");
  StoreSolution("short", "3");
  for (const std::string& other : {b, a.substr(0, 25), a + " ", std::string("30000 111132222 444435555\t"), std::string()}) {
    EXPECT_EQ(LookupSolution(other), "") << "'" << other << "'";
  }
  EXPECT_EQ(LookupSolution("short"), "3");
}

// A plain walk of the list, the way the rules read, to hold the indexed list against.
struct WalkedList {
  Pairs entries;
  void Store(const std::string& layout, const std::string& solution) {
    bool replaced = false;
    for (auto& [stored, text] : entries) {
      if (stored == layout && text.size() > solution.size()) text = solution, replaced = true;
    }
    if (!replaced) entries.emplace_back(layout, solution);
  }
  std::string Lookup(const std::string& layout) const {
    for (const auto& [stored, text] : entries) {
      if (stored == layout && !text.empty()) return text;
    }
    return "";
  }
};

TEST_F(StoreRules, IndexAgreesWithAPlainWalkThroughManyStoresAndLoads) {
  std::mt19937 random(7);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  WalkedList walked;
  for (int step = 0; step < 4000; ++step) {
    const std::string layout = Layout(std::to_string(pick(step < 2000 ? 30 : 1500)));
    if (pick(500) == 0) {
      const std::string bytes = SolutionsToBytes();
      LoadSolutionsFromBytes(bytes);
    }
    const std::string solution(static_cast<size_t>(pick(6)), static_cast<char>('1' + pick(5)));
    walked.Store(layout, solution);
    StoreSolution(layout, solution);
    const std::string probe = Layout(std::to_string(pick(1500)));
    ASSERT_EQ(LookupSolution(probe), walked.Lookup(probe)) << "step " << step;
  }
  EXPECT_EQ(ListedEntries(), walked.entries);
}

// A deliberately poor key, so that the filter says "maybe" often and the index must decide.
uint64_t FirstByteKey(std::string_view layout) { return layout.empty() ? 0 : uint64_t{0x9E3779B97F4A7C15} * static_cast<unsigned char>(layout[0]); }
uint64_t LengthKey(std::string_view layout) { return uint64_t{0xC2B2AE3D27D4EB4F} * (layout.size() + 1); }

TEST_F(StoreRules, AnyKeyOfTheFilterGivesTheSameAnswers) {
  std::mt19937 random(11);
  WalkedList walked;
  const LayoutKey keys[] = {nullptr, &FirstByteKey, &LengthKey};
  for (int step = 0; step < 3000; ++step) {
    if (step % 1000 == 0) KeySolutionFilter(keys[step / 1000]);  // the filter is filled anew
    const std::string layout = Layout(std::to_string(random() % 900));
    const std::string solution(random() % 4, '3');
    walked.Store(layout, solution);
    StoreSolution(layout, solution);
    const std::string probe = Layout(std::to_string(random() % 900));
    ASSERT_EQ(LookupSolution(probe), walked.Lookup(probe)) << "step " << step;
  }
  KeySolutionFilter(nullptr);
}

TEST_F(StoreRules, FilterViewHoldsEveryStoredLayoutAndKnowsWhenItIsOutOfDate) {
  KeySolutionFilter(&FirstByteKey);
  EXPECT_FALSE(CurrentSolutionFilter().Usable());  // nothing stored: nothing to ask
  for (int k = 0; k < 500; ++k) StoreSolution(Layout(std::to_string(k * 7919)), "1");
  const SolutionFilter filter = CurrentSolutionFilter();
  ASSERT_TRUE(filter.Usable());
  for (int k = 0; k < 500; ++k) EXPECT_TRUE(filter.MayHold(FirstByteKey(Layout(std::to_string(k * 7919)))));
  EXPECT_TRUE(filter.IsUpToDate());
  StoreSolution(a, "11");  // a new layout: the filter may have been made anew
  EXPECT_FALSE(filter.IsUpToDate());
  const SolutionFilter again = CurrentSolutionFilter();
  StoreSolution(a, "1");  // a shorter text in place changes no key
  EXPECT_TRUE(again.IsUpToDate());
  ClearSolutions();
  EXPECT_FALSE(again.IsUpToDate());
  KeySolutionFilter(nullptr);
  for (int k = 0; k < 200; ++k) StoreSolution(Layout(std::to_string(k)), "2");
  const SolutionFilter hashed = CurrentSolutionFilter();
  for (int k = 0; k < 200; ++k) EXPECT_TRUE(hashed.MayHold(HashLayout(Layout(std::to_string(k)))));
}

TEST_F(StoreRules, FoundSolutionIsTheFirstLiveEntryOfAChainThatStartedAfresh) {
  StoreSolution(b, "1");
  StoreSolution(a, "");
  StoreSolution(a, "22");
  EXPECT_EQ(FindSolution(a), "22");
  EXPECT_EQ(ListedEntries(), (Pairs{{b, "1"}, {a, ""}, {a, "22"}}));
  EXPECT_EQ(SolutionAt(3).Layout, "");  // past the end
}

// Texts past what an entry's own word can count take a longer form; they must behave alike.
TEST_F(StoreRules, LongLayoutsAndSolutionsKeepTheirTextsThroughStoresShorteningAndTheFile) {
  const std::string longLayout(300, '4');
  const std::string longSolution(70000, '5');
  StoreSolution(a, longSolution);
  StoreSolution(longLayout, "12");
  StoreSolution(b, std::string(65535, '1'));
  EXPECT_EQ(LookupSolution(a), longSolution);
  EXPECT_EQ(LookupSolution(longLayout), "12");
  StoreSolution(a, std::string(65534, '3'));  // shorter: in place, the long form stays
  StoreSolution(longLayout, "1");
  EXPECT_EQ(ListedEntries(), (Pairs{{a, std::string(65534, '3')}, {longLayout, "1"}, {b, std::string(65535, '1')}}));
  const std::string bytes = SolutionsToBytes();
  LoadSolutionsFromBytes(bytes);
  EXPECT_EQ(SolutionsToBytes(), bytes);
  // Read back from the file, a long line is cut after 26 characters like any other.
  EXPECT_EQ(LookupSolution(longLayout.substr(0, 26)), std::string(274, '4') + "1");
}

}  // namespace
}  // namespace tq

// Shared set-up for search tests: a clean headless host, an empty store, a fixed clock.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "model/field.h"
#include "solver/headless/headless_host.h"
#include "solver/search.h"
#include "store/solutions.h"
#include "tests/support/positions.h"

namespace tq {

class SearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetHeadless();
    Headless.Clock = [] { return 5000u; };
    ClearSolutions();
    StopRequested = 0;
    SolverRunning = 0;
  }
  void TearDown() override {
    ResetHeadless();
    ClearSolutions();
    StopRequested = 0;
  }

  static void SetPosition(const std::string& layout) {
    LayoutToField(layout);
    SlideState = ReadSlideState();
  }

  // Asks for a stop during trial `trial`, as an Escape would, so the search ends after it.
  static void StopAtTrial(int64_t trial) {
    Headless.OnProgress = [trial](int32_t) {
      if (Headless.ProgressCalls == trial) StopRequested = 1;
    };
  }
};

}  // namespace tq

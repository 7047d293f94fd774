// The end by a signal happens once, and never while the last hold's flush is under way,
// whichever thread comes first.
#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cli/end_gate.h"

namespace tq::cli {
namespace {

class EndGateTest : public ::testing::Test {
 protected:
  void Record(const std::string& event) {
    std::lock_guard lock(mutex);
    events.push_back(event);
  }
  std::mutex mutex;
  std::vector<std::string> events;
  EndGate gate{[this](int signal) { Record("end " + std::to_string(signal)); }};
};

TEST_F(EndGateTest, TheFirstSignalEndsOnceAtOnceOrAfterTheLastHoldsFlush) {
  gate.Hold();
  gate.Release([this] { Record("flush without a signal"); });
  gate.Hold();
  gate.Hold();
  gate.Arrive(1);
  gate.Release([this] { Record("flush too soon"); });
  EXPECT_TRUE(events.empty());
  gate.Release([this] { Record("flush"); });
  gate.Arrive(15);
  EXPECT_EQ(gate.Signal(), 1);
  EXPECT_EQ(events, (std::vector<std::string>{"flush", "end 1"}));
}

// The signal's thread arrives while the last hold's flush runs: it must wait for the flush
// rather than end the process under it. The pause gives it every chance to cut in.
TEST_F(EndGateTest, ASignalDuringTheFinalFlushWaitsForIt) {
  gate.Hold();
  gate.Arrive(15);
  std::thread signalThread;
  gate.Release([&] {
    signalThread = std::thread([&] { gate.Arrive(15); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    Record("flush");
  });
  signalThread.join();
  EXPECT_EQ(events, (std::vector<std::string>{"flush", "end 15"}));
}

}  // namespace
}  // namespace tq::cli

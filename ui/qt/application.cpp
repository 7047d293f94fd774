// The QApplication and its start, the event pumps and the end of the process.
#include <QApplication>
#include <QScreen>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "solver/search_host.h"
#include "ui/qt/desktop_identity.h"
#include "ui/qt/end_requests.h"
#include "ui/qt/event_pump.h"
#include "ui/qt/images.h"
#include "ui/qt/main_window.h"
#include "ui/qt/no_display.h"
#include "ui/qt/platform_choice.h"
#include "ui/qt/result_list.h"
#include "ui/window_toolkit.h"

namespace tq {

namespace {

using Clock = std::chrono::steady_clock;
// The search drains twice per trial, over ten million times a second, while a real drain
// costs about a microsecond even with nothing pending and a look at the clock some 20 ns.
// So only every CheckEvery-th call looks at the clock, and events are handled once
// DrainInterval has passed: often enough to repaint, to drag and to let Escape stop a
// search at once.
constexpr uint64_t CheckEvery = 256;
constexpr auto DrainInterval = std::chrono::milliseconds(4);

// The progress bar is brought up to date at most this often.
constexpr auto ProgressInterval = std::chrono::milliseconds(40);

// Announcing a batch of lines costs the list view time in proportion to the rows it holds
// (about 2 ms at a million), so a longer list is flushed less often: 40 ms for a short one,
// a quarter of a second for a full one.
std::chrono::microseconds FlushInterval(size_t rows) {
  return std::chrono::microseconds(40'000 + static_cast<int64_t>(rows / 5));
}

std::atomic<uint64_t> DrainCalls{0};
Clock::time_point LastDrain;
Clock::time_point LastFlush;
Clock::time_point LastProgress;
int PumpDepth = 0;

// Handles Qt's events, counting how deeply pumps are nested.
void ProcessEvents(QEventLoop::ProcessEventsFlags flags) {
  ++PumpDepth;
  QCoreApplication::processEvents(flags);
  --PumpDepth;
}

// QApplication keeps its arguments for its whole life. The program takes none of its own; the
// only one it passes is the platform it prefers.
int ArgumentCount = 1;
char ProgramName[] = "trommelquirl";
char PlatformOption[] = "-platform";
std::string Platform;
char* Arguments[] = {ProgramName, nullptr, nullptr, nullptr};

void MakeApplication() {
  const PlatformEnvironment environment{std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                        std::getenv("WAYLAND_DISPLAY")};
  Platform = ChoosePlatform(environment);
  if (!Platform.empty()) {
    Arguments[1] = PlatformOption;
    Arguments[2] = Platform.data();
    ArgumentCount = 3;
  }
  MakeApplicationOrExit(ProgramName, environment, [] { new QApplication(ArgumentCount, Arguments); });
}

}  // namespace

int32_t StartToolkit() {
  if (QCoreApplication::instance() == nullptr) MakeApplication();
  QApplication::setQuitOnLastWindowClosed(false);
  InstallSearchHost({AddListLine, SetSearchProgress, DrainEvents, RefreshField, TickCount});
  WatchEndRequests();
  ShowDesktopIdentity();
  // The window opens centred on the primary screen, so the field is drawn for that screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) SetDrawingRatio(screen->devicePixelRatio());
  return 0;
}

uint64_t DrainEventsCalls() { return DrainCalls.load(std::memory_order_relaxed); }

int32_t DrainEvents() {
  // Only this thread writes the counter, so a plain load and store suffice; the atomic lets a
  // benchmark thread read it.
  const uint64_t calls = DrainCalls.load(std::memory_order_relaxed) + 1;
  DrainCalls.store(calls, std::memory_order_relaxed);
  if (calls % CheckEvery != 0) return 0;
  if (Clock::now() - LastDrain < DrainInterval) return 0;
  return DrainEventsNow();
}

int32_t DrainEventsNow() {
  const Clock::time_point now = Clock::now();
  LastDrain = now;
  if (now - LastProgress >= ProgressInterval) {
    LastProgress = now;
    ShowSearchProgress();
  }
  if (now - LastFlush >= FlushInterval(ResultList != nullptr ? ResultList->Lines()->LineCount() : 0)) {
    LastFlush = now;
    FlushResultList();
  }
  ProcessEvents(QEventLoop::AllEvents);
  return 0;
}

bool InsideEventPump() { return PumpDepth > 0; }

void FlushPendingOutput() {
  LastFlush = LastProgress = Clock::now();
  FlushResultList();
  ShowSearchProgress();
}

int32_t WaitForEvent() {
  FlushPendingOutput();
  ProcessEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  return 0;
}

void ShutDown() {
  // QCoreApplication::quit() is refused while a window refuses to close, and nothing may run
  // after this: end here.
  std::fflush(nullptr);
  std::_Exit(0);
}

}  // namespace tq

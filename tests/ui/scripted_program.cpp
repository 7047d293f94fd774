// Scripts of key presses played inside the program's own event loop.
#include "tests/ui/scripted_program.h"

#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "model/field.h"
#include "tests/ui/ui_support.h"
#include "ui/startup.h"
#include "ui/window_toolkit.h"

namespace tq::test {

namespace {

void SolveStopQuit() {
  PressKeypad(4);
  PressKeypad(8);
  LayoutToField(LongSearchLayout);
  SlideState = ReadSlideState();
  // Fires inside the search's event draining.
  QTimer::singleShot(200, [] { PressEscape(); });
  PressKeypad(8);
  PressEscape();
}

}  // namespace

void RunScriptedProgram(const char* script) {
  StartToolkit();
  StartProgram();
  const std::string_view name = script;
  QTimer::singleShot(0, [name] {
    if (name == "solve-stop-quit") SolveStopQuit();
    PressEscape();
  });
  for (;;) WaitForEvent();
}

}  // namespace tq::test

// Entry of the widget tests: Qt's offscreen platform at scale 1, and the scripted program runs.
#include <cstdlib>

#include "tests/ui/scripted_program.h"
#include "tests/ui/ui_support.h"

namespace {
// Run as the program by the exit tests: the script named in the environment, never the tests.
void RunScriptWhenAsked() {
  if (const char* script = std::getenv(tq::test::ScriptVariable)) tq::test::RunScriptedProgram(script);
}
}  // namespace

int main(int argc, char** argv) { return tq::test::RunWidgetTests(argc, argv, "1", RunScriptWhenAsked); }

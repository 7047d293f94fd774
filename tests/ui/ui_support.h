// Helpers for the widget tests: a fresh program per test, real Qt input events, and what the
// program shows and writes.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_directory.h"

namespace tq::test {

// The body of a widget-test program's main: Qt's offscreen platform at `scaleFactor` (set here
// too, since ctest's test discovery runs the program without the test environment), then
// `beforeToolkit` when given, the toolkit started, and every test.
int RunWidgetTests(int argc, char** argv, const char* scaleFactor, void (*beforeToolkit)() = nullptr);

// Runs the start-up with a fresh, empty data directory (XDG_DATA_HOME in a temporary directory,
// removed after the test) and lets the window settle.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  TempDirectory home_;
  std::string dataHome_ = home_.Path();
  std::string dataDirectory_ = dataHome_ + "/trommelquirl";
};

// A key press and release as X delivers them (with the keysym as native code), sent to the
// widget that holds the focus and passed on to its parents the way Qt does.
void PressNativeKey(int qtKey, Qt::KeyboardModifiers modifiers, uint32_t keysym, bool autoRepeat = false);
// Keypad digit d with Num Lock on.
void PressKeypad(int digit);
void PressEscape();
// A key press without native codes, through the window system path to the focus object.
void PressSyntheticKey(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A left-button press (and release) at a point of MainWindow, through the window system path.
void ClickMainWindow(QPoint at);

// Shown lines of ResultList after a flush.
std::vector<std::string> ListedLines();
// What the progress bar shows once the pending output is flushed, as when the program waits.
int ShownProgress();
// What the window shows, pixel for pixel.
QImage GrabMainWindow();
// Colour as r + 256 g + 65536 b.
int32_t ColourAt(const QImage& image, int x, int y);

// The texts of the export files ("LösungNNNN.txt") in `directory`, in no particular order.
std::vector<std::string> ExportedTexts(const std::filesystem::path& directory);

}  // namespace tq::test

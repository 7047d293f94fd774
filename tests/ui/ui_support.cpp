// Test helpers: program start-up in a temporary data directory, input events, and what the
// program shows and writes.
#include "tests/ui/ui_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <cstdlib>

#include "tests/support/whole_file.h"
#include "ui/qt/event_pump.h"
#include "ui/qt/main_window.h"
#include "ui/qt/result_list.h"
#include "ui/startup.h"
#include "ui/window_toolkit.h"

// Fontconfig keeps a cache for the life of the process that the leak checker cannot see through.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace tq::test {

int RunWidgetTests(int argc, char** argv, const char* scaleFactor, void (*beforeToolkit)()) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QT_SCALE_FACTOR", scaleFactor, 1);
  if (beforeToolkit != nullptr) beforeToolkit();
  StartToolkit();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

void ProgramTest::SetUp() {
  setenv("XDG_DATA_HOME", dataHome_.c_str(), 1);
  StartProgram();
  DrainEventsNow();
}

namespace {
QWidget* KeyTarget() {
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr ? focus : MainWindow;
}
}  // namespace

void PressNativeKey(int qtKey, Qt::KeyboardModifiers modifiers, uint32_t keysym, bool autoRepeat) {
  QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, 0, keysym, 0, QString(), autoRepeat);
  QApplication::sendEvent(KeyTarget(), &press);
  QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, 0, keysym, 0, QString(), autoRepeat);
  QApplication::sendEvent(KeyTarget(), &release);
}

void PressKeypad(int digit) { PressNativeKey(Qt::Key_0 + digit, Qt::KeypadModifier, 0xffb0 + static_cast<uint32_t>(digit)); }

void PressEscape() { PressNativeKey(Qt::Key_Escape, Qt::NoModifier, 0xff1b); }

void PressSyntheticKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(MainWindow->windowHandle(), static_cast<Qt::Key>(qtKey), modifiers);
}

void ClickMainWindow(QPoint at) {
  QTest::mouseClick(MainWindow->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

std::vector<std::string> ListedLines() {
  FlushResultList();
  std::vector<std::string> lines;
  const int rows = ResultList->Lines()->rowCount();
  for (int row = 0; row < rows; ++row) lines.push_back(ResultList->LineText(row).toStdString());
  return lines;
}

int ShownProgress() {
  FlushPendingOutput();
  return SearchProgress->value();
}

QImage GrabMainWindow() {
  DrainEventsNow();
  return MainWindow->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int32_t ColourAt(const QImage& image, int x, int y) {
  const QRgb pixel = image.pixel(x, y);
  return qRed(pixel) + 256 * qGreen(pixel) + 65536 * qBlue(pixel);
}

std::vector<std::string> ExportedTexts(const std::filesystem::path& directory) {
  std::vector<std::string> texts;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    if (entry.path().filename().string().rfind("L\xC3\xB6sung", 0) != 0) continue;
    texts.push_back(ReadWholeFile(entry.path()));
  }
  return texts;
}

}  // namespace tq::test

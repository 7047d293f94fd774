// What the window shows of the solutions file: a file another program holds, the reasons a
// save failed, and the file's bytes as the single-byte text they are.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QStyle>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "model/field.h"
#include "store/file_lock.h"
#include "store/solutions.h"
#include "tests/support/whole_file.h"
#include "tests/ui/ui_support.h"
#include "ui/commands/commands.h"
#include "ui/commands/windows_1252.h"
#include "ui/qt/main_window.h"
#include "ui/qt/result_list.h"
#include "ui/window_toolkit.h"

namespace tq {
namespace {

using test::ListedLines;
using SolutionsFileWindowTest = test::ProgramTest;

constexpr const char* Remembered = "31100 221134422 554430055 ";

// Start-up while another program holds the solutions file's lock.
class HeldFileTest : public test::ProgramTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dataDirectory_);
    test::WriteWholeFile(file_, std::string(Remembered) + "1\r\n");
    std::string problem;
    lock_ = FileLock::Take(LockPathFor(file_), FileLock::Mode::Exclusive, std::chrono::milliseconds(0), problem);
    ASSERT_TRUE(lock_.Held()) << problem;
    ProgramTest::SetUp();
  }
  std::string file_ = dataDirectory_ + "/Loesungen.txt";
  FileLock lock_;
};

TEST_F(HeldFileTest, TheWindowOpensAtOnceSaysSoAndReadsTheFileOnceItIsFree) {
  EXPECT_TRUE(MainWindow->isVisible());
  EXPECT_EQ(ListedLines(), std::vector<std::string>{"Solutions file held by another program"});
  EXPECT_EQ(LookupSolution(Remembered), "");
  StoreSolution("34400 551130022 114432255 ", "22");  // found meanwhile
  QTest::qWait(400);
  EXPECT_EQ(LookupSolution(Remembered), "") << "still held";

  lock_.Release();
  for (int wait = 0; wait < 100 && LookupSolution(Remembered).empty(); ++wait) QTest::qWait(20);
  EXPECT_EQ(LookupSolution(Remembered), "1");
  EXPECT_EQ(LookupSolution("34400 551130022 114432255 "), "22");
  EXPECT_TRUE(ListedLines().empty()) << "the line went with the reason for it";
}

// The row from which the lines put together give `path`, or lines.size() when none does.
size_t PathStart(const std::vector<std::string>& lines, size_t from, const std::string& path) {
  for (size_t row = from; row < lines.size(); ++row) {
    std::string joined;
    for (size_t k = row; k < lines.size(); ++k) joined += lines[k];
    if (joined == path) return row;
  }
  return lines.size();
}

// Every reason the system can give, and ours, and the file's path however long, is shown
// whole with the list's font, even beside a vertical scroll bar: the reason first, then the
// path on as many lines as it needs, nothing of it left out.
TEST_F(SolutionsFileWindowTest, EveryReasonAFailedSaveGivesAndItsFileAreShownWhole) {
  for (int line = 0; line < 30; ++line) AddListLine("");  // brings the scroll bar
  const std::string home = "/home/" + std::string(24, 'h') + "/.local/share/trommelquirl/";
  std::vector<SolutionsFileFault> faults;
  for (int error = 1; error < 134; ++error) faults.push_back({std::strerror(error), "/x/Loesungen.txt", false, false});
  faults.push_back({"Not a regular file", "/x/Loesungen.txt.lock", true, false});
  faults.push_back({std::strerror(ELOOP), home + "Loesungen.txt.lock", true, false});
  faults.push_back({FileLock::BusyReason, home + "Loesungen.txt.lock", true, true});
  faults.push_back({std::strerror(EACCES), "/home/J\xC3\xB6rg/" + std::string(200, 'n') + "/Loesungen.txt", false, false});
  faults.push_back({std::strerror(EACCES), std::string(40, 'w') + "/" + std::string(40, 'v') + ".txt", false, false});
  const int margin = ResultList->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
  const QFontMetrics metrics(ResultList->font());
  for (const SolutionsFileFault& fault : faults) {
    const size_t before = ListedLines().size();
    ListSaveFailure(fault);
    const std::vector<std::string> lines = ListedLines();
    ASSERT_GE(lines.size(), before + 2);
    EXPECT_EQ(lines[before].rfind("Solutions not saved:", 0), 0u) << lines[before];
    const size_t pathStart = PathStart(lines, before + 1, fault.File);
    ASSERT_LT(pathStart, lines.size()) << "the path is not shown whole after the reason: " << fault.File;
    std::string said;
    for (size_t row = before; row < lines.size(); ++row) {
      const int room = ResultList->visualRect(ResultList->model()->index(static_cast<int>(row), 0)).width();
      EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(lines[row])) + 2 * margin, room) << lines[row];
      if (row < pathStart) said += (said.empty() ? "" : " ") + lines[row];
    }
    EXPECT_NE(said.find(fault.Reason), std::string::npos) << said;
    EXPECT_EQ(said.find("Lock file: ") != std::string::npos, fault.InLockFile && !fault.LockHeld) << said;
  }
  ClearResultList();
  ListSaveFailure({"Permission denied", "/x/Loesungen.txt", false, false});
  EXPECT_EQ(ListedLines(), (std::vector<std::string>{"Solutions not saved: Permission denied", "/x/Loesungen.txt"}));
  // Broken after a slash where one fits, so that each line reads as part of a path.
  ClearResultList();
  ListSaveFailure({"Permission denied", home + "Loesungen.txt.lock", false, false});
  const std::vector<std::string> lines = ListedLines();
  ASSERT_GE(lines.size(), 3u);
  for (size_t row = 1; row + 1 < lines.size(); ++row) EXPECT_TRUE(lines[row].ends_with('/')) << lines[row];
}

// The list shows bytes from the file as Windows-1252 characters, and a path the system gives
// in UTF-8 is put into those bytes first.
TEST_F(SolutionsFileWindowTest, TheListShowsTheFilesBytesAsWindows1252) {
  AddListLine("\xF6\x80\x9F\x81 ~");
  EXPECT_EQ(ListedLines(), std::vector<std::string>{"\xC3\xB6\xE2\x82\xAC\xC5\xB8\xC2\x81 ~"});
  for (int byte = 0; byte < 256; ++byte) {
    const QString character(QChar(Windows1252Character(static_cast<unsigned char>(byte))));
    EXPECT_EQ(Windows1252FromUtf8(character.toStdString()), std::string(1, static_cast<char>(byte))) << byte;
  }
  EXPECT_EQ(Windows1252FromUtf8("/home/J\xC3\xB6rg/\xE4\xB8\x80\xFF"), "/home/J\xF6rg/??");
}

}  // namespace
}  // namespace tq

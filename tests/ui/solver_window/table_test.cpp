// The solver's table as the window meets it: built with its progress shown, kept or said once
// not to be kept, and cancelled.
#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

#include "model/field.h"
#include "tests/support/positions.h"
#include "tests/support/temp_directory.h"
#include "tests/ui/solver_window/window_fixture.h"

namespace tq::solver_window {
namespace {

using Kind = optimal::TableKind;

TEST(TableInTheWindow, IsBuiltWithItsProgressShownAndThenSolves) {
  tq::test::TempDirectory cache;
  test::WindowFixture fixture(cache.File("small.table"), Kind::Small);
  SolverWindow& window = fixture.Open(tq::test::TwoLeftLayout);
  auto* bar = window.findChild<QProgressBar*>();
  bool barShown = false;
  QObject::connect(bar, &QProgressBar::valueChanged, [&] { barShown = barShown || bar->isVisible(); });
  fixture.Key(Qt::Key_Return, Qt::ControlModifier);
  ASSERT_TRUE(fixture.AwaitAnswer());
  EXPECT_TRUE(barShown);
  EXPECT_FALSE(bar->isVisible());
  EXPECT_EQ(window.Path().Length(), 2);
  EXPECT_TRUE(std::filesystem::exists(cache / "small.table"));
}

TEST(TableInTheWindow, ThatCannotBeKeptIsSaidOnce) {
  // Nothing can be made under /proc, not even by root.
  test::WindowFixture fixture("/proc/trommelquirl/small.table", Kind::Small);
  SolverWindow& window = fixture.Open(tq::test::TwoLeftLayout);
  auto* note = window.findChild<QLabel*>(QStringLiteral("tableNote"));
  ASSERT_NE(note, nullptr);
  fixture.Key(Qt::Key_H);
  // The hint's answer comes right after; the note stays beside it.
  ASSERT_TRUE(fixture.AwaitAnswer());
  EXPECT_TRUE(note->isVisible());
  // The reason in the words, the whole path in the tooltip.
  EXPECT_TRUE(note->text().startsWith(QStringLiteral("The solver's table cannot be kept ("))) << note->text().toStdString();
  EXPECT_EQ(note->toolTip(), QStringLiteral("/proc/trommelquirl/small.table"));
  EXPECT_NE(window.HintMove(), 0);
  // The table is there for this run all the same.
  fixture.Key(Qt::Key_Return, Qt::ControlModifier);
  ASSERT_TRUE(fixture.AwaitAnswer());
  EXPECT_EQ(window.Path().Length(), 2);
}

TEST(TableInTheWindow, ACancelledBuildSaysSoAndLeavesNoFile) {
  tq::test::TempDirectory cache;
  test::WindowFixture fixture(cache.File("small.table"), Kind::Small);
  SolverWindow& window = fixture.Open(tq::test::TwoLeftLayout);
  fixture.Key(Qt::Key_Return, Qt::ControlModifier);
  auto* cancel = window.findChild<QToolButton*>(QStringLiteral("cancelBuild"));
  ASSERT_NE(cancel, nullptr);
  cancel->click();
  ASSERT_TRUE(fixture.AwaitAnswer());
  EXPECT_TRUE(window.Path().Empty());
  EXPECT_EQ(fixture.Status(), QStringLiteral("The solver's table was not built: cancelled."));
  EXPECT_FALSE(std::filesystem::exists(cache / "small.table"));
}

}  // namespace
}  // namespace tq::solver_window

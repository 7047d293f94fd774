// A solver window opened on a layout, shown and active on the offscreen platform, with its keys
// sent the way the window system sends them (shortcuts first).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QStatusBar>
#include <QTest>
#include <memory>
#include <ostream>
#include <string>

#include "solver/optimal/optimal_solver.h"
#include "session/solving_session.h"
#include "ui/solver_window/solver_service.h"
#include "ui/solver_window/solver_window.h"

// Texts in the tests' failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace tq::solver_window::test {

// The layout after one move, as the session's own path works it out.
inline std::string After(const std::string& layout, int code) {
  return session::SolutionPath(layout, std::string(1, static_cast<char>('0' + code))).PositionAt(1);
}

class WindowFixture {
 public:
  WindowFixture(const std::string& tablePath, optimal::TableKind kind)
      : service_(std::make_unique<SolverService>(tablePath, kind)) {}

  // Opens on `layout`; with `keptPath`, where the window keeps where it left off.
  SolverWindow& Open(const std::string& layout) { return Open(session::SolvingSession(layout), {}); }
  SolverWindow& Open(session::SolvingSession session, std::string keptPath) {
    window_.reset();
    window_ = std::make_unique<SolverWindow>(*service_, std::move(session), std::move(keptPath));
    window_->Actions().Animate->setChecked(false);
    window_->show();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    return *window_;
  }
  SolverWindow& Window() { return *window_; }

  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : window_.get(), static_cast<Qt::Key>(key), modifiers);
  }
  void Keypad(int key) { Key(key, Qt::KeypadModifier); }
  QString Status() const { return window_->statusBar()->currentMessage(); }
  // Lets the solver answer; false when it did not within the patience.
  bool AwaitAnswer(int milliseconds = 30'000) {
    return QTest::qWaitFor([this] { return !window_->IsWaiting(); }, milliseconds);
  }

 private:
  std::unique_ptr<SolverService> service_;
  std::unique_ptr<SolverWindow> window_;
};

}  // namespace tq::solver_window::test

// The solver's main window: set up a position, solve it, and follow the solution move by move.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <string>

#include "solver/optimal/background_solver.h"
#include "ui/solver_window/position_history.h"
#include "ui/solver_window/solution_path.h"
#include "ui/solver_window/window_actions.h"

class QAction;
class QButtonGroup;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace tq::solver_window {

class DrumView;
class SolverService;

class SolverWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Opens on `layout`, which may be one that cannot be solved (it then says why).
  SolverWindow(SolverService& solver, const std::string& layout, QWidget* parent = nullptr);
  ~SolverWindow() override;

  // What the window holds, for tests and tools.
  const std::string& Layout() const { return history_.Layout(); }
  const SolutionPath& Path() const { return path_; }
  int Step() const { return step_; }
  int HintMove() const { return hintMove_; }
  bool IsWaiting() const { return waiting_ != Waiting::Nothing; }
  DrumView* Drum() const { return drum_; }
  QLabel* Reason() const { return reason_; }
  QListWidget* Steps() const { return steps_; }
  QLabel* NextMoveText() const { return next_; }
  const SolverActions& Actions() const { return actions_; }

  // The commands, as the menus, buttons and keys give them.
  void ApplyMove(int code);
  void EditSlot(int slot, int value);
  void PasteLayout(const QString& text);
  void Solve();
  void Hint();
  void StepTo(int step);

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  enum class Waiting { Nothing, Solution, Hint };

  void BuildActions();
  void BuildMenus();
  void BuildToolBar();
  QWidget* BuildSidePanel();
  void BuildStatusBar();
  QAction* AddAction(const QString& text, const QKeySequence& key, const QString& what, void (SolverWindow::*slot)());
  void Change(std::string layout, ChangeKind kind);
  void AfterChange(const std::string& before, ChangeKind kind);
  void Refresh();
  void ShowPath();
  void AskSolver(Waiting what);
  void OnSolved(const optimal::SolveReport& report);
  void OnTablePrepared(const optimal::TableReport& report);
  void OnBuildProgress(const optimal::BuildReport& report);
  // A short message in the status bar, gone after `seconds` (0: until the next one). Ten
  // seconds reads a two-line sentence twice over.
  void Note(const QString& text, int seconds = 10);

  void Undo();
  void Redo();
  void Scramble();
  void Reset();
  void CopyLayout();
  void CopySolution();
  void PasteFromClipboard();
  void Next();
  void Previous();
  void First();
  void Last();
  void PlayOrPause();
  void AddToGame();
  void ShowKeys();
  void ShowAbout();

  SolverService& solver_;
  PositionHistory history_;
  SolutionPath path_;
  int step_ = -1;  // the step of path_ the drum shows, or -1 off the path
  int hintMove_ = 0;
  Waiting waiting_ = Waiting::Nothing;
  quint64 request_ = 0;
  bool building_ = false;  // the Full table is being built (not loaded)
  QTimer playTimer_;

  DrumView* drum_ = nullptr;
  QLabel* reason_ = nullptr;
  QLabel* length_ = nullptr;
  QLabel* next_ = nullptr;  // the move to make now, in words
  QListWidget* steps_ = nullptr;
  QButtonGroup* palette_ = nullptr;
  QPushButton* solveButton_ = nullptr;
  QLabel* tableNote_ = nullptr;  // the cache that cannot keep the table, said once
  QProgressBar* buildBar_ = nullptr;
  QToolButton* cancelBuild_ = nullptr;
  SolverActions actions_;
};

}  // namespace tq::solver_window

// The solver's main window: set up a position, solve it, and follow the solution move by move.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <string>

#include "ui/solver_window/position_history.h"
#include "ui/solver_window/solution_path.h"

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
  QAction* Action(const char* name) const;

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
  QAction* AddAction(const char* name, const QString& text, const QKeySequence& key, void (SolverWindow::*slot)());
  void Change(std::string layout, ChangeKind kind);
  void AfterChange(const std::string& before, ChangeKind kind);
  void Refresh();
  void ShowPath();
  void AskSolver(Waiting what);
  void OnSolved(quint64 request, const QString& layout, const QString& solution, double seconds);
  void OnTablePrepared(bool ready, bool built, bool unsaved, const QString& failure);
  void OnBuildProgress(int percent);
  void Note(const QString& text);

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
  bool unsavedTableSaid_ = false;
  QTimer playTimer_;

  DrumView* drum_ = nullptr;
  QLabel* reason_ = nullptr;
  QLabel* length_ = nullptr;
  QListWidget* steps_ = nullptr;
  QButtonGroup* palette_ = nullptr;
  QPushButton* solveButton_ = nullptr;
  QLabel* tableNote_ = nullptr;  // the cache that cannot keep the table, said once
  QProgressBar* buildBar_ = nullptr;
  QToolButton* cancelBuild_ = nullptr;
  std::array<QAction*, 5> moveActions_{};
};

}  // namespace tq::solver_window

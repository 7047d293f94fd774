// The solver's main window: set up a position, solve it, and follow the solution move by move.
#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <random>
#include <string>

#include "solver/optimal/background_solver.h"
#include "session/solving_session.h"
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
  // Opens on `session` (a position, or where the last run left off). `keptPath`, when not
  // empty, is where the session's text is kept while it changes and when the window closes.
  SolverWindow(SolverService& solver, session::SolvingSession session, std::string keptPath = {}, QWidget* parent = nullptr);
  // Opens on `layout`, which may be one that cannot be solved (it then says why); keeps nothing.
  SolverWindow(SolverService& solver, const std::string& layout, QWidget* parent = nullptr);
  ~SolverWindow() override;

  // What the window holds, for tests and tools.
  const session::SolvingSession& Session() const { return session_; }
  const std::string& Layout() const { return session_.Layout(); }
  const session::SolutionPath& Path() const { return session_.Path(); }
  int Step() const { return session_.Step(); }
  int HintMove() const { return session_.HintMove(); }
  bool IsWaiting() const { return session_.WaitingFor() != session::Waiting::Nothing; }
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
  // Writes the session's text now when it changed since it was last kept.
  void KeepSession();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildActions();
  void BuildMenus();
  void BuildToolBar();
  QWidget* BuildSidePanel();
  void BuildStatusBar();
  QAction* AddAction(const QString& text, const QKeySequence& key, const QString& what, void (SolverWindow::*slot)());
  // After every event the session took: its request to the solver, play, the picture.
  void AfterEvent();
  void Refresh();
  void ShowPath();
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
  void PlayTick();
  void AddToGame();
  void ShowKeys();
  void ShowAbout();

  SolverService& solver_;
  session::SolvingSession session_;
  session::SolutionPath shownPath_;  // the path the list shows
  uint64_t sessionRequest_ = 0;      // the session's number of the request the solver works on
  uint64_t serviceRequest_ = 0;      // the solver's number of the same request; 0 for none
  bool building_ = false;            // the Full table is being built (not loaded)
  std::mt19937_64 scrambles_;        // seeds for Scramble
  std::string keptPath_;
  std::string keptText_;  // what was last written there
  QString waitingNote_;   // the status bar's word while the first table is prepared
  QTimer playTimer_;
  QTimer keepTimer_;

  DrumView* drum_ = nullptr;
  QLabel* reason_ = nullptr;
  QLabel* length_ = nullptr;
  QLabel* next_ = nullptr;  // the move to make now, in words
  QListWidget* steps_ = nullptr;
  int markedRow_ = -1;  // the list's line marked as the move to make now, or -1
  QIcon blankIcon_;     // the room of a move's icon on every other line
  QButtonGroup* palette_ = nullptr;
  QPushButton* solveButton_ = nullptr;
  QLabel* tableNote_ = nullptr;  // the cache that cannot keep the table, said once
  QProgressBar* buildBar_ = nullptr;
  QToolButton* cancelBuild_ = nullptr;
  SolverActions actions_;
};

}  // namespace tq::solver_window

// The window's parts and how a change of the position flows through them: the drum, the reason
// it cannot be solved, the solution and its step, and what the actions allow.
#include "ui/solver_window/solver_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/field.h"
#include "model/layout_check.h"
#include "model/moves.h"
#include "project_info.h"
#include "ui/render/ball_colours.h"
#include "ui/solver_window/drum_view.h"
#include "ui/solver_window/game_solutions.h"
#include "ui/solver_window/keypad.h"
#include "ui/solver_window/keys_dialog.h"
#include "ui/solver_window/layout_moves.h"
#include "ui/solver_window/layout_text.h"
#include "ui/solver_window/screen_fit.h"
#include "ui/solver_window/solver_service.h"
#include "ui/solver_window/texts.h"

namespace tq::solver_window {

namespace {

// A scramble as thorough as any person's: far more moves than the longest shortest solution.
constexpr int ScrambleMoves = 2000;
// Play shows one move this often: the 0.2 s move and a moment to see where it went.
constexpr int PlayMilliseconds = 600;

QIcon DiscIcon(int value) {
  QPixmap pixmap(64, 64);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const BallColour& colour = BallColours[static_cast<size_t>(value)];
  painter.setPen(QPen(Qt::black, 3));
  painter.setBrush(QColor(colour.Red, colour.Green, colour.Blue));
  painter.drawEllipse(QRectF(6, 6, 52, 52));
  return QIcon(pixmap);
}

// A small drum with the half that turns and the arrow of its way, or the long columns' slide.
QIcon MoveIcon(int code) {
  QPixmap pixmap(64, 64);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(60, 60, 60));
  painter.drawRoundedRect(QRectF(4, 4, 56, 56), 8, 8);
  painter.setBrush(QColor(255, 255, 255));
  const bool upper = code == MoveUpperLeft || code == MoveUpperRight;
  QPainterPath arrow;
  if (code == MoveSlide) {
    for (const qreal x : {16.0, 32.0, 48.0}) {
      painter.drawRect(QRectF(x - 2.5, 14, 5, 36));
      arrow.moveTo(x - 7, 18);
      arrow.lineTo(x, 9);
      arrow.lineTo(x + 7, 18);
      arrow.moveTo(x - 7, 46);
      arrow.lineTo(x, 55);
      arrow.lineTo(x + 7, 46);
    }
  } else {
    const qreal y = upper ? 20 : 44;
    const bool right = code == MoveUpperRight || code == MoveLowerRight;
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawRect(QRectF(8, upper ? 34 : 8, 48, 22));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(12, y - 3, 40, 6));
    const qreal tip = right ? 58 : 6, base = right ? 44 : 20;
    arrow.moveTo(base, y - 11);
    arrow.lineTo(tip, y);
    arrow.lineTo(base, y + 11);
  }
  arrow.closeSubpath();
  painter.setBrush(Qt::white);
  painter.drawPath(arrow);
  return QIcon(pixmap);
}

QIcon BlankIcon() {
  QPixmap pixmap(64, 64);
  pixmap.fill(Qt::transparent);
  return QIcon(pixmap);
}

QString ChangeName(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::Move: return SolverWindow::tr("Move");
    case ChangeKind::Step: return SolverWindow::tr("Step");
    case ChangeKind::Edit: return SolverWindow::tr("Edit");
    case ChangeKind::Paste: return SolverWindow::tr("Paste");
    case ChangeKind::Scramble: return SolverWindow::tr("Scramble");
    case ChangeKind::Reset: return SolverWindow::tr("Reset");
  }
  return {};
}

// The move that leads from one layout to the other, or 0: so that undo, redo and steps back
// show their move too.
int MoveBetween(const std::string& from, const std::string& to) {
  if (FindLayoutFault(from).What != LayoutFault::Kind::None) return 0;
  for (int code = MoveUpperRight; code <= MoveSlide; ++code) {
    if (LayoutAfterMove(from, code) == to) return code;
  }
  return 0;
}

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

SolverWindow::SolverWindow(SolverService& solver, const std::string& layout, QWidget* parent)
    : QMainWindow(parent), solver_(solver), history_(layout) {
  setWindowTitle(tr("Trommelquirl Solver"));
  drum_ = new DrumView(this);
  drum_->SetLayout(layout);
  BuildActions();
  BuildMenus();
  BuildToolBar();
  BuildStatusBar();

  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->addWidget(drum_, 3);
  row->addWidget(BuildSidePanel(), 2);
  setCentralWidget(central);
  drum_->setFocus();

  connect(drum_, &DrumView::SlotClicked, this, [this](int slot) { EditSlot(slot, palette_->checkedId() + 1); });
  connect(drum_, &DrumView::SlotEdited, this, &SolverWindow::EditSlot);
  connect(&solver_, &SolverService::Solved, this, &SolverWindow::OnSolved);
  connect(&solver_, &SolverService::TablePrepared, this, &SolverWindow::OnTablePrepared);
  connect(&solver_, &SolverService::BuildProgress, this, &SolverWindow::OnBuildProgress);
  playTimer_.setInterval(PlayMilliseconds);
  connect(&playTimer_, &QTimer::timeout, this, &SolverWindow::Next);

  QSettings settings;
  // The first time, room for a drum of twice the game's size beside the solution.
  // Never more than the screen has: at a scale factor of 2 on a 1600x1000 screen that is about
  // 800x470 of the 900x620 wanted.
  if (!restoreGeometry(settings.value("window/geometry").toByteArray())) {
    resize(FitOnScreen(QSize(900, 620), screen()->availableGeometry().size()));
  }
  actions_.Animate->setChecked(settings.value("view/animate", true).toBool());
  actions_.Numbers->setChecked(settings.value("view/colourNumbers", false).toBool());
  drum_->SetAnimate(actions_.Animate->isChecked());
  drum_->SetShowColourNumbers(actions_.Numbers->isChecked());
  Refresh();
}

SolverWindow::~SolverWindow() = default;

QAction* SolverWindow::AddAction(const QString& text, const QKeySequence& key, const QString& what, void (SolverWindow::*slot)()) {
  auto* action = new QAction(text, this);
  if (!key.isEmpty()) action->setShortcut(key);
  action->setWhatsThis(what);
  if (slot != nullptr) connect(action, &QAction::triggered, this, slot);
  addAction(action);
  return action;
}

void SolverWindow::BuildActions() {
  for (int code = MoveUpperRight; code <= MoveSlide; ++code) {
    QAction* action = AddAction(MoveText(code), {}, MoveText(code), nullptr);
    action->setIcon(MoveIcon(code));
    connect(action, &QAction::triggered, this, [this, code] { ApplyMove(code); });
    actions_.Moves[static_cast<size_t>(code - 1)] = action;
  }
  actions_.Move(MoveSlide)->setWhatsThis(tr("Slide the long columns down, up"));
  SolverActions& a = actions_;
  // The menus name what undo and redo take back; the tool bar keeps one short word, so that its
  // buttons stay where they are.
  a.Undo = AddAction(tr("&Undo"), QKeySequence::Undo, tr("Undo any change"), &SolverWindow::Undo);
  a.Undo->setIconText(tr("Undo"));
  a.Redo = AddAction(tr("&Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), tr("Redo what was undone"), &SolverWindow::Redo);
  a.Redo->setIconText(tr("Redo"));
  a.CopyLayout = AddAction(tr("&Copy Layout"), QKeySequence::Copy,
                           tr("Copy the layout (26 characters, “_” for an empty slot)"), &SolverWindow::CopyLayout);
  a.CopySolution = AddAction(tr("Copy &Solution"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                             tr("Copy the solution's moves as digits (1 to 5)"), &SolverWindow::CopySolution);
  a.Paste = AddAction(tr("&Paste Layout"), QKeySequence::Paste, tr("Paste a layout"), &SolverWindow::PasteFromClipboard);
  a.Scramble = AddAction(tr("Sc&ramble"), QKeySequence(Qt::CTRL | Qt::Key_R), tr("Scramble the drum"), &SolverWindow::Scramble);
  a.Reset = AddAction(tr("Rese&t"), QKeySequence(Qt::CTRL | Qt::Key_Home), tr("Reset to the start position"), &SolverWindow::Reset);
  a.Solve = AddAction(tr("&Solve"), {}, tr("Solve: find a shortest solution"), &SolverWindow::Solve);
  a.Solve->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
  a.Hint = AddAction(tr("&Hint"), QKeySequence(Qt::Key_H), tr("Hint: mark the first move of a shortest solution"), &SolverWindow::Hint);
  a.Next = AddAction(tr("&Next Move"), QKeySequence(Qt::Key_Right), tr("Follow the solution: the next move"), &SolverWindow::Next);
  a.Previous = AddAction(tr("&Previous Move"), QKeySequence(Qt::Key_Left), tr("Take the last move of the solution back"),
                         &SolverWindow::Previous);
  a.First = AddAction(tr("To the S&tart"), QKeySequence(Qt::Key_Home), tr("Jump to the solution's start"), &SolverWindow::First);
  a.Last = AddAction(tr("To the &End"), QKeySequence(Qt::Key_End), tr("Jump to the solution's end"), &SolverWindow::Last);
  a.Play = AddAction(tr("&Play"), QKeySequence(Qt::Key_Space), tr("Play the rest of the solution, pause"), &SolverWindow::PlayOrPause);
  a.AddToGame = AddAction(tr("&Add to the Game's Solutions"), {}, tr("Add the solution to the game's solutions"),
                          &SolverWindow::AddToGame);
  a.Quit = AddAction(tr("&Quit"), QKeySequence::Quit, tr("Quit"), nullptr);
  connect(a.Quit, &QAction::triggered, this, &QWidget::close);
  a.Animate = AddAction(tr("&Animate Moves"), {}, tr("Animate the moves"), nullptr);
  a.Animate->setCheckable(true);
  connect(a.Animate, &QAction::toggled, this, [this](bool on) {
    drum_->SetAnimate(on);
    QSettings().setValue("view/animate", on);
  });
  a.Numbers = AddAction(tr("Show &Colour Numbers"), {}, tr("Show the colours' numbers on the balls"), nullptr);
  a.Numbers->setCheckable(true);
  connect(a.Numbers, &QAction::toggled, this, [this](bool on) {
    drum_->SetShowColourNumbers(on);
    QSettings().setValue("view/colourNumbers", on);
  });
  a.Keys = AddAction(tr("&Keys"), QKeySequence::HelpContents, tr("This list"), &SolverWindow::ShowKeys);
  a.About = AddAction(tr("&About Trommelquirl Solver"), {}, tr("About the program"), &SolverWindow::ShowAbout);
  for (int code = MoveUpperRight; code <= MoveSlide; ++code) ShowKeypadKeys(a.Move(code), code);
  for (QAction* action : a.All()) {
    if (action->property("keypadKeys").isValid()) continue;
    ShowKeysInToolTip(action);
  }
}

void SolverWindow::BuildMenus() {
  SolverActions& a = actions_;
  // The desktop's own icons where its theme has them; the tool bar shows the words otherwise.
  const std::pair<QAction*, const char*> icons[] = {{a.Undo, "edit-undo"}, {a.Redo, "edit-redo"},
                                                    {a.CopyLayout, "edit-copy"}, {a.Paste, "edit-paste"},
                                                    {a.Quit, "application-exit"}, {a.Keys, "help-keyboard-shortcuts"},
                                                    {a.About, "help-about"}};
  for (const auto& [action, icon] : icons) {
    if (QIcon::hasThemeIcon(QString::fromLatin1(icon))) action->setIcon(QIcon::fromTheme(QString::fromLatin1(icon)));
  }
  const auto fill = [](QMenu* menu, std::initializer_list<QAction*> entries) {
    for (QAction* action : entries) {
      if (action == nullptr) {
        menu->addSeparator();
      } else {
        menu->addAction(action);
      }
    }
  };
  fill(menuBar()->addMenu(tr("&File")), {a.AddToGame, nullptr, a.Quit});
  fill(menuBar()->addMenu(tr("&Edit")), {a.Undo, a.Redo, nullptr, a.CopyLayout, a.CopySolution, a.Paste, nullptr, a.Scramble, a.Reset});
  fill(menuBar()->addMenu(tr("&Moves")), {a.Move(MoveUpperLeft), a.Move(MoveUpperRight), a.Move(MoveLowerLeft),
                                          a.Move(MoveLowerRight), a.Move(MoveSlide)});
  fill(menuBar()->addMenu(tr("&Solution")), {a.Solve, a.Hint, nullptr, a.Next, a.Previous, a.First, a.Last, a.Play});
  fill(menuBar()->addMenu(tr("&View")), {a.Animate, a.Numbers});
  fill(menuBar()->addMenu(tr("&Help")), {a.Keys, a.About});
}

void SolverWindow::BuildToolBar() {
  QToolBar* bar = addToolBar(tr("Moves"));
  bar->setObjectName("toolBar");
  bar->setMovable(false);
  const SolverActions& a = actions_;
  for (QAction* action : std::initializer_list<QAction*>{a.Move(MoveUpperLeft), a.Move(MoveUpperRight), a.Move(MoveLowerLeft), a.Move(MoveLowerRight),
                          a.Move(MoveSlide), nullptr, a.Undo, a.Redo, a.Scramble, a.Reset, nullptr, a.Solve, a.Hint}) {
    if (action == nullptr) {
      bar->addSeparator();
    } else {
      bar->addAction(action);
    }
  }
  // The keys belong to the drum and the window: no button takes the focus from them.
  for (QWidget* child : bar->findChildren<QWidget*>()) child->setFocusPolicy(Qt::NoFocus);
}

QWidget* SolverWindow::BuildSidePanel() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);

  auto* paletteRow = new QHBoxLayout;
  palette_ = new QButtonGroup(this);
  palette_->setExclusive(true);
  for (int colour = -1; colour <= 5; ++colour) {
    auto* button = new QToolButton(panel);
    button->setCheckable(true);
    button->setIcon(DiscIcon(colour + 1));
    button->setIconSize(QSize(24, 24));
    // The digit the slot cursor types for this colour, shown beside it; Tab reaches the palette.
    const QString key = colour < 0 ? QStringLiteral(".") : QString::number(colour);
    button->setText(key);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setFocusPolicy(Qt::TabFocus);
    const QString name = colour < 0 ? tr("Empty slot") : tr("Colour %1, %2").arg(colour).arg(ColourName(colour));
    button->setToolTip(tr("Click a slot to make it: %1. At the slot cursor, the key %2 does the same.").arg(name, key));
    button->setAccessibleName(name);
    palette_->addButton(button, colour);
    paletteRow->addWidget(button);
  }
  palette_->button(0)->setChecked(true);
  paletteRow->addStretch();
  column->addLayout(paletteRow);

  reason_ = new QLabel(panel);
  reason_->setWordWrap(true);
  reason_->setStyleSheet("QLabel { color: #b00000; font-weight: bold; }");
  column->addWidget(reason_);

  length_ = new QLabel(panel);
  length_->setWordWrap(true);
  column->addWidget(length_);

  next_ = new QLabel(panel);
  next_->setObjectName(QStringLiteral("nextMove"));
  next_->setWordWrap(true);
  next_->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; }"));
  column->addWidget(next_);

  steps_ = new QListWidget(panel);
  // Tab reaches the list; Up and Down there step through the solution as Left and Right do.
  steps_->setFocusPolicy(Qt::TabFocus);
  steps_->setSelectionMode(QAbstractItemView::SingleSelection);
  steps_->setIconSize(QSize(16, 16));
  connect(steps_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row != step_) StepTo(row);
  });
  column->addWidget(steps_, 1);

  tableNote_ = new QLabel(panel);
  tableNote_->setObjectName("tableNote");
  tableNote_->setWordWrap(true);
  tableNote_->hide();
  column->addWidget(tableNote_);

  solveButton_ = new QPushButton(tr("Solve"), panel);
  solveButton_->setFocusPolicy(Qt::TabFocus);
  solveButton_->setToolTip(actions_.Solve->toolTip());
  connect(solveButton_, &QPushButton::clicked, this, &SolverWindow::Solve);
  column->addWidget(solveButton_);
  return panel;
}

void SolverWindow::BuildStatusBar() {
  buildBar_ = new QProgressBar(this);
  buildBar_->setRange(0, 100);
  buildBar_->setMaximumWidth(200);
  buildBar_->setFormat(tr("Solver's table: %p%"));
  buildBar_->hide();
  cancelBuild_ = new QToolButton(this);
  cancelBuild_->setObjectName("cancelBuild");
  cancelBuild_->setText(tr("Cancel"));
  cancelBuild_->setFocusPolicy(Qt::NoFocus);
  cancelBuild_->hide();
  connect(cancelBuild_, &QToolButton::clicked, this, [this] {
    solver_.CancelBuild();
    Note(tr("Cancelling the table's build…"));
  });
  statusBar()->addPermanentWidget(buildBar_);
  statusBar()->addPermanentWidget(cancelBuild_);
}

void SolverWindow::Note(const QString& text, int seconds) { statusBar()->showMessage(text, seconds * 1000); }

bool SolverWindow::event(QEvent* event) {
  // Keypad keys are moves also where a shortcut would take the same key from the cursor block
  // (Num Lock off sends Left, Right, End, ... from the keypad).
  if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const KeypadMove move = KeypadMoveOf(key->key(), key->modifiers());
    if (move != KeypadMove::None) {
      if (event->type() == QEvent::KeyPress) {
        const bool valid = FindLayoutFault(Layout()).What == LayoutFault::Kind::None;
        const int code = valid ? MoveCodeOf(move, LongColumnsUp(Layout())) : 0;
        if (code != 0) {
          ApplyMove(code);
        } else if (valid) {
          Note(move == KeypadMove::SlideDown ? tr("The long columns are down already; 5 slides them up.")
                                             : tr("The long columns are up already; 2 slides them down."));
        }
      }
      event->accept();
      return true;
    }
  }
  return QMainWindow::event(event);
}

void SolverWindow::closeEvent(QCloseEvent* event) {
  QSettings().setValue("window/geometry", saveGeometry());
  event->accept();
}

void SolverWindow::Change(std::string layout, ChangeKind kind) {
  const std::string before = history_.Layout();
  if (!history_.Change(std::move(layout), kind)) return;
  AfterChange(before, kind);
}

void SolverWindow::AfterChange(const std::string& before, ChangeKind kind) {
  const std::string& now = history_.Layout();
  drum_->SetLayout(now, MoveBetween(before, now));
  hintMove_ = 0;
  if (kind != ChangeKind::Step) playTimer_.stop();
  const bool valid = FindLayoutFault(now).What == LayoutFault::Kind::None;
  const int step = path_.Empty() ? -1 : path_.StepOf(now, step_);
  if (step >= 0) {
    step_ = step;
  } else {
    const bool hadPath = !path_.Empty() || waiting_ == Waiting::Solution;
    path_ = {};
    step_ = -1;
    ShowPath();
    solver_.Forget();
    waiting_ = Waiting::Nothing;
    // Off the path by a move of the user's own (or by undo and redo): the way on from here is
    // found at once. A new position set up by hand waits to be asked.
    const bool ownMove = kind == ChangeKind::Move || kind == ChangeKind::Step;
    if (hadPath && valid && ownMove) AskSolver(Waiting::Solution);
  }
  Refresh();
}

void SolverWindow::Refresh() {
  const std::string& layout = history_.Layout();
  const LayoutFault fault = FindLayoutFault(layout);
  const bool valid = fault.What == LayoutFault::Kind::None;
  reason_->setText(FaultText(fault));
  reason_->setVisible(!valid);
  for (QAction* action : actions_.Moves) action->setEnabled(valid);
  actions_.Solve->setEnabled(valid);
  solveButton_->setEnabled(valid);
  actions_.Hint->setEnabled(valid);
  const bool onPath = step_ >= 0;
  actions_.Next->setEnabled(onPath && step_ < path_.Length());
  actions_.Previous->setEnabled(onPath && step_ > 0);
  actions_.First->setEnabled(onPath && step_ > 0);
  actions_.Last->setEnabled(onPath && step_ < path_.Length());
  actions_.Play->setEnabled(onPath && path_.Length() > 0);
  actions_.Play->setText(playTimer_.isActive() ? tr("&Pause") : tr("&Play"));
  ShowKeysInToolTip(actions_.Play);
  actions_.CopySolution->setEnabled(!path_.Empty());
  actions_.AddToGame->setEnabled(!path_.Empty() && path_.Length() > 0);
  QAction* undo = actions_.Undo;
  undo->setEnabled(history_.CanUndo());
  undo->setText(history_.CanUndo() ? tr("&Undo %1").arg(ChangeName(history_.UndoKind())) : tr("&Undo"));
  QAction* redo = actions_.Redo;
  redo->setEnabled(history_.CanRedo());
  redo->setText(history_.CanRedo() ? tr("&Redo %1").arg(ChangeName(history_.RedoKind())) : tr("&Redo"));
  ShowKeysInToolTip(undo);
  ShowKeysInToolTip(redo);

  if (waiting_ == Waiting::Solution) {
    length_->setText(tr("Solving…"));
  } else if (!path_.Empty()) {
    length_->setText(SolutionLengthText(path_.Length()));
  } else {
    length_->setText(valid ? tr("Press Solve (Ctrl+Return) for a shortest solution.") : QString());
  }
  const int nextMove = onPath ? path_.MoveAfter(step_) : hintMove_;
  if (onPath && nextMove != 0) {
    next_->setText(tr("Next: %1 — move %2 of %3").arg(MoveText(nextMove, LongColumnsUp(layout))).arg(step_ + 1).arg(path_.Length()));
  } else if (onPath && path_.Length() > 0) {
    next_->setText(tr("The drum is solved."));
  } else if (hintMove_ != 0) {
    next_->setText(tr("Hint: %1").arg(MoveText(hintMove_, LongColumnsUp(layout))));
  } else {
    next_->clear();
  }
  next_->setVisible(!next_->text().isEmpty());
  // The list marks the move to make now as the drum does: its arrow, in bold.
  for (int row = 0; row < steps_->count(); ++row) {
    QListWidgetItem* item = steps_->item(row);
    const bool marked = onPath && row == step_ + 1;
    QFont font = item->font();
    font.setBold(marked);
    item->setFont(font);
    // Every line keeps an icon's room, so that the marked one's words stand in line with the rest.
    item->setIcon(marked ? MoveIcon(nextMove) : BlankIcon());
  }
  if (onPath && step_ < steps_->count()) {
    const QSignalBlocker quiet(steps_);
    steps_->setCurrentRow(step_);
    steps_->scrollToItem(steps_->item(std::min(step_ + 1, steps_->count() - 1)));
  }
  drum_->SetMarkedMove(nextMove);
}

void SolverWindow::ShowPath() {
  steps_->clear();
  if (path_.Empty()) return;
  steps_->addItem(tr("Start"));
  for (int step = 0; step < path_.Length(); ++step) {
    const QString move = MoveText(path_.MoveAfter(step), LongColumnsUp(path_.PositionAt(step)));
    steps_->addItem(tr("%1. %2").arg(step + 1).arg(move));
  }
}

void SolverWindow::AskSolver(Waiting what) {
  waiting_ = what;
  request_ = solver_.Solve(history_.Layout());
  if (!solver_.TableReady()) Note(building_ ? tr("Building the solver's table…") : tr("Preparing the solver's table…"), 0);
}

void SolverWindow::OnSolved(const optimal::SolveReport& report) {
  if (report.Request != request_ || waiting_ == Waiting::Nothing || report.Layout != history_.Layout()) return;
  const Waiting what = waiting_;
  waiting_ = Waiting::Nothing;
  if (report.Outcome != optimal::SolveOutcome::Solved) {
    // Without a table the table's own report has said why; that stays.
    if (report.Outcome != optimal::SolveOutcome::NoTable) Note(tr("No solution: the solver could not run."));
    Refresh();
    return;
  }
  const std::string& moves = report.Solution;
  const bool weak = report.Table == optimal::TableKind::Small && !solver_.StrongestReady();
  if (what == Waiting::Hint) {
    hintMove_ = moves.empty() ? 0 : moves.front() - '0';
    Note(moves.empty() ? tr("The drum is solved.") : tr("Hint: %1").arg(MoveText(hintMove_, LongColumnsUp(history_.Layout()))));
  } else {
    path_ = SolutionPath(history_.Layout(), moves);
    step_ = 0;
    ShowPath();
    const int ms = qRound(report.Seconds * 1000);
    Note(weak ? tr("Found a shortest solution in %1 ms, with the small table while the full one is built.").arg(ms)
              : tr("Found a shortest solution in %1 ms.").arg(ms));
  }
  Refresh();
}

void SolverWindow::OnTablePrepared(const optimal::TableReport& report) {
  if (!report.Ready || report.Strongest) {
    building_ = false;
    buildBar_->hide();
    cancelBuild_->hide();
  }
  if (report.Ready && report.Source == optimal::TableSource::BuiltNotSaved && report.Strongest) {
    // Said in the side panel, not among the messages, so that it neither hides them nor goes.
    tableNote_->setText(tr("The solver's table cannot be kept in %1; it is built again on every run.")
                            .arg(FromStd(solver_.TablePath())));
    tableNote_->setToolTip(FromStd(solver_.TablePath()));
    tableNote_->show();
  } else if (report.Ready && report.Strongest && report.Source == optimal::TableSource::BuiltAndSaved) {
    Note(tr("The solver's table is built and kept for the next time."));
  } else if (!report.Ready) {
    const bool others = solver_.TableReady();
    QString why;
    switch (report.Failure) {
      case optimal::TableFailure::Cancelled: why = tr("The solver's table was not built: cancelled."); break;
      case optimal::TableFailure::NoMemory: why = tr("The solver's table was not built: not enough memory."); break;
      default: why = tr("The solver could not start its threads."); break;
    }
    Note(others ? tr("%1 The small table answers meanwhile.").arg(why) : why);
  }
  Refresh();
}

void SolverWindow::OnBuildProgress(const optimal::BuildReport& report) {
  if (!building_ && report.Kind == optimal::TableKind::Full) {
    building_ = true;
    if (waiting_ != Waiting::Nothing || statusBar()->currentMessage().isEmpty()) {
      Note(tr("Building the solver's table (once; about 5 seconds)…"), 0);
    }
  }
  buildBar_->show();
  cancelBuild_->show();
  buildBar_->setValue(report.Percent);
}

void SolverWindow::ApplyMove(int code) {
  if (FindLayoutFault(history_.Layout()).What != LayoutFault::Kind::None) return;
  Change(LayoutAfterMove(history_.Layout(), code), ChangeKind::Move);
}

void SolverWindow::EditSlot(int slot, int value) {
  if (slot < 0 || slot >= SlotCount || value < 0 || value > 6) return;
  std::string layout = history_.Layout();
  layout[static_cast<size_t>(slot)] = value == 0 ? ' ' : static_cast<char>('0' + value - 1);
  Change(std::move(layout), ChangeKind::Edit);
}

void SolverWindow::PasteLayout(const QString& text) {
  const LayoutText read = ReadLayoutText(text.toStdString());
  if (read.Refused()) {
    Note(tr("Not pasted. %1").arg(RefusedPasteText(read.Fault)));
    return;
  }
  if (read.Layout == history_.Layout()) {
    Note(tr("Pasted: the drum shows this position already."));
    return;
  }
  Change(read.Layout, ChangeKind::Paste);
  Note(tr("Pasted a new position."));
}

void SolverWindow::PasteFromClipboard() { PasteLayout(QGuiApplication::clipboard()->text()); }

void SolverWindow::CopyLayout() {
  QGuiApplication::clipboard()->setText(FromStd(CopiedLayout(history_.Layout())));
  Note(tr("Copied the layout."));
}

void SolverWindow::CopySolution() {
  if (path_.Empty()) return;
  QGuiApplication::clipboard()->setText(FromStd(path_.Moves()));
  Note(tr("Copied the solution's %n moves as digits.", nullptr, path_.Length()));
}

void SolverWindow::Solve() {
  if (FindLayoutFault(history_.Layout()).What != LayoutFault::Kind::None) return;
  if (!path_.Empty() && step_ == 0) return;
  AskSolver(Waiting::Solution);
  Refresh();
}

void SolverWindow::Hint() {
  if (FindLayoutFault(history_.Layout()).What != LayoutFault::Kind::None) return;
  if (step_ >= 0) {
    // On the path the rest of a shortest solution is a shortest solution from here.
    hintMove_ = path_.MoveAfter(step_);
    Note(hintMove_ == 0 ? tr("The drum is solved.") : tr("Hint: %1").arg(MoveText(hintMove_, LongColumnsUp(history_.Layout()))));
    Refresh();
    return;
  }
  AskSolver(Waiting::Hint);
}

void SolverWindow::StepTo(int step) {
  if (step_ < 0 || step < 0 || step > path_.Length()) return;
  Change(path_.PositionAt(step), ChangeKind::Step);
}

void SolverWindow::Next() {
  if (step_ < 0 || step_ >= path_.Length()) {
    playTimer_.stop();
    Refresh();
    return;
  }
  StepTo(step_ + 1);
  if (step_ >= path_.Length() && playTimer_.isActive()) {
    playTimer_.stop();
    Refresh();
  }
}

void SolverWindow::Previous() {
  if (step_ > 0) StepTo(step_ - 1);
}

void SolverWindow::First() { StepTo(0); }

void SolverWindow::Last() {
  if (step_ >= 0) StepTo(path_.Length());
}

void SolverWindow::PlayOrPause() {
  if (playTimer_.isActive()) {
    playTimer_.stop();
  } else if (step_ >= 0 && path_.Length() > 0) {
    if (step_ == path_.Length()) StepTo(0);
    playTimer_.start();
  }
  Refresh();
}

void SolverWindow::Undo() {
  const std::string before = history_.Layout();
  if (const std::optional<ChangeKind> kind = history_.Undo()) AfterChange(before, *kind);
}

void SolverWindow::Redo() {
  const std::string before = history_.Layout();
  if (const std::optional<ChangeKind> kind = history_.Redo()) AfterChange(before, *kind);
}

void SolverWindow::Scramble() {
  std::string layout = history_.Layout();
  // Scrambling needs a drum that moves; a position being set up starts from the solved one.
  if (FindLayoutFault(layout).What != LayoutFault::Kind::None) layout = StartLayout;
  Change(ScrambledLayout(layout, ScrambleMoves), ChangeKind::Scramble);
}

void SolverWindow::Reset() { Change(StartLayout, ChangeKind::Reset); }

void SolverWindow::AddToGame() {
  if (path_.Empty() || path_.Length() == 0) return;
  const GameSolutionsAdd added = AddToGameSolutions(path_.Start(), path_.Moves());
  if (added.Saved) {
    Note(tr("Added to the game's solutions in %1: the game now answers this position at once.").arg(FromStd(added.File)));
  } else {
    QMessageBox::warning(this, tr("Not Added"),
                         tr("The solution could not be added to %1:\n%2").arg(FromStd(added.File), FromStd(added.Problem)));
  }
}

void SolverWindow::ShowKeys() {
  QDialog* dialog = MakeKeysDialog(this, KeyRows(actions_));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}

void SolverWindow::ShowAbout() {
  QMessageBox::about(this, tr("About Trommelquirl Solver"),
                     tr("<h3>Trommelquirl Solver %1</h3>"
                        "<p>Set up any position of the drum, see its shortest solution and follow it move by move.</p>"
                        "<p>Copyright The Trommelquirl developers.<br>Released under the MIT licence.</p>")
                         .arg(QString::fromUtf8(ProjectVersion.data(), static_cast<qsizetype>(ProjectVersion.size()))));
}

}  // namespace tq::solver_window

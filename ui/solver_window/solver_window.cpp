// The window's parts and how a change of the position flows through them: the drum, the reason
// it cannot be solved, the solution and its step, and what the actions allow.
#include "ui/solver_window/solver_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
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
#include "ui/solver_window/layout_moves.h"
#include "ui/solver_window/layout_text.h"
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
  if (!restoreGeometry(settings.value("window/geometry").toByteArray())) resize(900, 620);
  Action("animate")->setChecked(settings.value("view/animate", true).toBool());
  Action("numbers")->setChecked(settings.value("view/colourNumbers", false).toBool());
  drum_->SetAnimate(Action("animate")->isChecked());
  drum_->SetShowColourNumbers(Action("numbers")->isChecked());
  Refresh();
}

SolverWindow::~SolverWindow() = default;

QAction* SolverWindow::Action(const char* name) const { return findChild<QAction*>(QString::fromLatin1(name)); }

QAction* SolverWindow::AddAction(const char* name, const QString& text, const QKeySequence& key, void (SolverWindow::*slot)()) {
  auto* action = new QAction(text, this);
  action->setObjectName(QString::fromLatin1(name));
  if (!key.isEmpty()) action->setShortcut(key);
  if (slot != nullptr) connect(action, &QAction::triggered, this, slot);
  addAction(action);
  return action;
}

void SolverWindow::BuildActions() {
  const std::array<int, 5> codes = {MoveUpperLeft, MoveUpperRight, MoveLowerLeft, MoveLowerRight, MoveSlide};
  const std::array<const char*, 5> names = {"upperLeft", "upperRight", "lowerLeft", "lowerRight", "slide"};
  for (size_t i = 0; i < codes.size(); ++i) {
    QAction* action = AddAction(names[i], MoveText(codes[i]), {}, nullptr);
    action->setIcon(MoveIcon(codes[i]));
    connect(action, &QAction::triggered, this, [this, code = codes[i]] { ApplyMove(code); });
    moveActions_[i] = action;
  }
  // The menus name what undo and redo take back; the tool bar keeps one short word, so that its
  // buttons stay where they are.
  AddAction("undo", tr("&Undo"), QKeySequence::Undo, &SolverWindow::Undo)->setIconText(tr("Undo"));
  AddAction("redo", tr("&Redo"), QKeySequence(tr("Ctrl+Shift+Z")), &SolverWindow::Redo)->setIconText(tr("Redo"));
  AddAction("copyLayout", tr("&Copy Layout"), QKeySequence::Copy, &SolverWindow::CopyLayout);
  AddAction("copySolution", tr("Copy &Solution"), QKeySequence(tr("Ctrl+Shift+C")), &SolverWindow::CopySolution);
  AddAction("paste", tr("&Paste Layout"), QKeySequence::Paste, &SolverWindow::PasteFromClipboard);
  AddAction("scramble", tr("Sc&ramble"), QKeySequence(tr("Ctrl+R")), &SolverWindow::Scramble);
  AddAction("reset", tr("Rese&t"), QKeySequence(tr("Ctrl+Home")), &SolverWindow::Reset);
  QAction* solve = AddAction("solve", tr("&Solve"), {}, &SolverWindow::Solve);
  solve->setShortcuts({QKeySequence(tr("Ctrl+Return")), QKeySequence(tr("Ctrl+Enter"))});
  AddAction("hint", tr("&Hint"), QKeySequence(tr("H")), &SolverWindow::Hint);
  AddAction("next", tr("&Next Move"), QKeySequence(tr("Right")), &SolverWindow::Next);
  AddAction("previous", tr("&Previous Move"), QKeySequence(tr("Left")), &SolverWindow::Previous);
  AddAction("first", tr("To the S&tart"), QKeySequence(tr("Home")), &SolverWindow::First);
  AddAction("last", tr("To the &End"), QKeySequence(tr("End")), &SolverWindow::Last);
  AddAction("play", tr("&Play"), QKeySequence(tr("Space")), &SolverWindow::PlayOrPause);
  AddAction("addToGame", tr("&Add to the Game's Solutions"), {}, &SolverWindow::AddToGame);
  AddAction("quit", tr("&Quit"), QKeySequence::Quit, nullptr);
  connect(Action("quit"), &QAction::triggered, this, &QWidget::close);
  QAction* animate = AddAction("animate", tr("&Animate Moves"), {}, nullptr);
  animate->setCheckable(true);
  connect(animate, &QAction::toggled, this, [this](bool on) {
    drum_->SetAnimate(on);
    QSettings().setValue("view/animate", on);
  });
  QAction* numbers = AddAction("numbers", tr("Show &Colour Numbers"), {}, nullptr);
  numbers->setCheckable(true);
  connect(numbers, &QAction::toggled, this, [this](bool on) {
    drum_->SetShowColourNumbers(on);
    QSettings().setValue("view/colourNumbers", on);
  });
  AddAction("keys", tr("&Keys"), QKeySequence::HelpContents, &SolverWindow::ShowKeys);
  AddAction("about", tr("&About Trommelquirl Solver"), {}, &SolverWindow::ShowAbout);
}

void SolverWindow::BuildMenus() {
  // The desktop's own icons where its theme has them; the tool bar shows the words otherwise.
  const std::pair<const char*, const char*> icons[] = {
      {"undo", "edit-undo"}, {"redo", "edit-redo"}, {"copyLayout", "edit-copy"}, {"paste", "edit-paste"},
      {"quit", "application-exit"}, {"keys", "help-keyboard-shortcuts"}, {"about", "help-about"}};
  for (const auto& [name, icon] : icons) {
    if (QIcon::hasThemeIcon(QString::fromLatin1(icon))) Action(name)->setIcon(QIcon::fromTheme(QString::fromLatin1(icon)));
  }

  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addAction(Action("addToGame"));
  file->addSeparator();
  file->addAction(Action("quit"));
  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  for (const char* name : std::initializer_list<const char*>{"undo", "redo", nullptr, "copyLayout", "copySolution", "paste", nullptr, "scramble", "reset"}) {
    if (name == nullptr) {
      edit->addSeparator();
    } else {
      edit->addAction(Action(name));
    }
  }
  QMenu* moves = menuBar()->addMenu(tr("&Moves"));
  for (QAction* action : moveActions_) moves->addAction(action);
  QMenu* solve = menuBar()->addMenu(tr("&Solution"));
  for (const char* name : std::initializer_list<const char*>{"solve", "hint", nullptr, "next", "previous", "first", "last", "play"}) {
    if (name == nullptr) {
      solve->addSeparator();
    } else {
      solve->addAction(Action(name));
    }
  }
  QMenu* view = menuBar()->addMenu(tr("&View"));
  view->addAction(Action("animate"));
  view->addAction(Action("numbers"));
  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addAction(Action("keys"));
  help->addAction(Action("about"));
}

void SolverWindow::BuildToolBar() {
  QToolBar* bar = addToolBar(tr("Moves"));
  bar->setObjectName("toolBar");
  bar->setMovable(false);
  for (QAction* action : moveActions_) bar->addAction(action);
  bar->addSeparator();
  for (const char* name : {"undo", "redo", "scramble", "reset"}) bar->addAction(Action(name));
  bar->addSeparator();
  for (const char* name : {"solve", "hint"}) bar->addAction(Action(name));
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
    button->setFocusPolicy(Qt::NoFocus);
    const QString name = colour < 0 ? tr("Empty slot (.)") : tr("Colour %1, %2").arg(colour).arg(ColourName(colour));
    button->setToolTip(tr("Click a slot to make it: %1").arg(name));
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

  steps_ = new QListWidget(panel);
  steps_->setFocusPolicy(Qt::NoFocus);
  steps_->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(steps_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { StepTo(steps_->row(item)); });
  column->addWidget(steps_, 1);

  solveButton_ = new QPushButton(tr("Solve"), panel);
  solveButton_->setFocusPolicy(Qt::NoFocus);
  solveButton_->setToolTip(tr("Find a shortest solution (Ctrl+Return)"));
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
  tableNote_ = new QLabel(this);
  tableNote_->setObjectName("tableNote");
  tableNote_->hide();
  statusBar()->addPermanentWidget(tableNote_);
  statusBar()->addPermanentWidget(buildBar_);
  statusBar()->addPermanentWidget(cancelBuild_);
}

void SolverWindow::Note(const QString& text) { statusBar()->showMessage(text); }

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
  for (QAction* action : moveActions_) action->setEnabled(valid);
  Action("solve")->setEnabled(valid);
  solveButton_->setEnabled(valid);
  Action("hint")->setEnabled(valid);
  const bool onPath = step_ >= 0;
  Action("next")->setEnabled(onPath && step_ < path_.Length());
  Action("previous")->setEnabled(onPath && step_ > 0);
  Action("first")->setEnabled(onPath && step_ > 0);
  Action("last")->setEnabled(onPath && step_ < path_.Length());
  Action("play")->setEnabled(onPath && path_.Length() > 0);
  Action("play")->setText(playTimer_.isActive() ? tr("&Pause") : tr("&Play"));
  Action("copySolution")->setEnabled(!path_.Empty());
  Action("addToGame")->setEnabled(!path_.Empty() && path_.Length() > 0);
  QAction* undo = Action("undo");
  undo->setEnabled(history_.CanUndo());
  undo->setText(history_.CanUndo() ? tr("&Undo %1").arg(ChangeName(history_.UndoKind())) : tr("&Undo"));
  QAction* redo = Action("redo");
  redo->setEnabled(history_.CanRedo());
  redo->setText(history_.CanRedo() ? tr("&Redo %1").arg(ChangeName(history_.RedoKind())) : tr("&Redo"));

  if (waiting_ == Waiting::Solution) {
    length_->setText(tr("Solving…"));
  } else if (!path_.Empty()) {
    length_->setText(SolutionLengthText(path_.Length()));
  } else {
    length_->setText(valid ? tr("Press Solve (Ctrl+Return) for a shortest solution.") : QString());
  }
  if (onPath && step_ < steps_->count()) {
    steps_->setCurrentRow(step_);
    steps_->scrollToItem(steps_->item(step_));
  }
  drum_->SetMarkedMove(onPath ? path_.MoveAfter(step_) : hintMove_);
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
  if (!solver_.TableReady()) Note(tr("Loading the solver's table…"));
}

void SolverWindow::OnSolved(quint64 request, const QString& layout, const QString& solution, double seconds) {
  if (request != request_ || waiting_ == Waiting::Nothing || layout.toStdString() != history_.Layout()) return;
  const std::string moves = solution.toStdString();
  if (waiting_ == Waiting::Hint) {
    waiting_ = Waiting::Nothing;
    hintMove_ = moves.empty() ? 0 : moves.front() - '0';
    Note(moves.empty() ? tr("The drum is solved.") : tr("Hint: %1").arg(MoveText(hintMove_, LongColumnsUp(history_.Layout()))));
  } else {
    waiting_ = Waiting::Nothing;
    path_ = SolutionPath(history_.Layout(), moves);
    step_ = 0;
    ShowPath();
    Note(tr("Solved in %1 ms.").arg(qRound(seconds * 1000)));
  }
  Refresh();
}

void SolverWindow::OnTablePrepared(bool ready, bool built, bool unsaved, const QString& failure) {
  buildBar_->hide();
  cancelBuild_->hide();
  if (ready && unsaved && !unsavedTableSaid_) {
    // Said beside the messages, not as one of them, so that the solve's answer does not hide it.
    unsavedTableSaid_ = true;
    tableNote_->setText(tr("The solver's table cannot be kept in %1; it is built again on every run.")
                            .arg(FromStd(solver_.TablePath())));
    tableNote_->show();
    statusBar()->clearMessage();
  } else if (ready && built) {
    Note(tr("The solver's table is built and kept for the next time."));
  } else if (!ready) {
    waiting_ = Waiting::Nothing;
    Note(failure == QLatin1String("cancelled") ? tr("The solver's table was not built: cancelled.")
                                               : tr("The solver's table was not built: not enough memory."));
  } else if (waiting_ == Waiting::Nothing) {
    statusBar()->clearMessage();
  }
  Refresh();
}

void SolverWindow::OnBuildProgress(int percent) {
  if (!buildBar_->isVisible()) Note(tr("Building the solver's table (once; about 5 seconds)…"));
  buildBar_->show();
  cancelBuild_->show();
  buildBar_->setValue(percent);
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
  const QList<QPair<QString, QString>> rows = {
      {tr("Keypad 4, 6"), tr("Turn the upper half left, right (Num Lock on or off)")},
      {tr("Keypad 1, 3"), tr("Turn the lower half left, right")},
      {tr("Keypad 2, 5"), tr("Slide the long columns down, up")},
      {tr("Ctrl+Return"), tr("Solve: find a shortest solution")},
      {tr("H"), tr("Hint: mark the first move of a shortest solution")},
      {tr("Right, Left"), tr("Follow the solution: next move, previous move")},
      {tr("Home, End"), tr("Jump to the solution's start, end")},
      {tr("Space"), tr("Play the rest of the solution, pause")},
      {tr("Click"), tr("Give a slot the colour chosen in the palette")},
      {tr("Right-click"), tr("Empty a slot")},
      {tr("Click a line of the solution"), tr("Jump to that step")},
      {tr("Ctrl+arrow keys"), tr("Move the slot cursor")},
      {tr("0 to 5"), tr("Give the cursor's slot that colour and go to the next slot")},
      {tr(". or Delete"), tr("Empty the cursor's slot; Backspace empties the slot before it")},
      {tr("Ctrl+Z, Ctrl+Shift+Z"), tr("Undo, redo any change")},
      {tr("Ctrl+C, Ctrl+V"), tr("Copy, paste the layout (26 characters, “_” for an empty slot)")},
      {tr("Ctrl+Shift+C"), tr("Copy the solution's moves as digits (1 to 5)")},
      {tr("Ctrl+R, Ctrl+Home"), tr("Scramble, reset to the start position")},
      {tr("F1"), tr("This list")},
      {tr("Ctrl+Q"), tr("Quit")},
  };
  QString html = QStringLiteral("<table cellspacing='4'>");
  for (const auto& [key, what] : rows) {
    html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(key.toHtmlEscaped(), what.toHtmlEscaped());
  }
  html += QStringLiteral("</table>");
  QMessageBox box(this);
  box.setWindowTitle(tr("Keys"));
  box.setTextFormat(Qt::RichText);
  box.setText(html);
  box.exec();
}

void SolverWindow::ShowAbout() {
  QMessageBox::about(this, tr("About Trommelquirl Solver"),
                     tr("<h3>Trommelquirl Solver %1</h3>"
                        "<p>Set up any position of the drum, see its shortest solution and follow it move by move.</p>"
                        "<p>Copyright The Trommelquirl developers.<br>Released under the MIT licence.</p>")
                         .arg(QString::fromUtf8(ProjectVersion.data(), static_cast<qsizetype>(ProjectVersion.size()))));
}

}  // namespace tq::solver_window

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
#include "model/moves.h"
#include "project_info.h"
#include "ui/render/ball_colours.h"
#include "ui/solver_window/drum_view.h"
#include "ui/solver_window/game_solutions.h"
#include "ui/solver_window/keypad.h"
#include "ui/solver_window/keys_dialog.h"
#include "ui/solver_window/kept_session.h"
#include "ui/solver_window/drum_guide.h"
#include "ui/solver_window/slot_painter.h"
#include "ui/solver_window/layout_text.h"
#include "ui/solver_window/screen_fit.h"
#include "ui/solver_window/solver_service.h"
#include "ui/solver_window/texts.h"

namespace tq::solver_window {

namespace {

// Where the window left off is written this long after the last change: a burst of moves is
// one write, and a quit soon after loses nothing, since closing writes too.
constexpr int KeepMilliseconds = 1000;
// Play shows one move this often: the 0.2 s move and a moment to see where it went.
constexpr int PlayMilliseconds = 600;

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

QString ChangeName(session::ChangeKind kind) {
  switch (kind) {
    case session::ChangeKind::Move: return SolverWindow::tr("Move");
    case session::ChangeKind::Step: return SolverWindow::tr("Step");
    case session::ChangeKind::Edit: return SolverWindow::tr("Edit");
    case session::ChangeKind::Paste: return SolverWindow::tr("Paste");
    case session::ChangeKind::Scramble: return SolverWindow::tr("Scramble");
    case session::ChangeKind::Reset: return SolverWindow::tr("Reset");
  }
  return {};
}

// True when the long columns stand up (their empty slots in row 5), so that a slide moves them
// down: for naming a slide of a position along the path.
bool LongColumnsUp(std::string_view layout) {
  return layout.size() == SlotCount && layout[SlotNumber(0, 5)] == ' ' && layout[SlotNumber(2, 5)] == ' ' &&
         layout[SlotNumber(4, 5)] == ' ';
}

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

SolverWindow::SolverWindow(SolverService& solver, session::SolvingSession session, std::string keptPath, QWidget* parent)
    : QMainWindow(parent),
      solver_(solver),
      session_(std::move(session)),
      scrambles_(std::random_device{}()),
      keptPath_(std::move(keptPath)) {
  setWindowTitle(tr("Trommelquirl Solver"));
  blankIcon_ = BlankIcon();
  drum_ = new DrumView(this);
  drum_->SetLayout(session_.Layout());
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

  connect(drum_, &DrumView::SlotClicked, this, [this](int slot) { EditSlot(slot, palette_->checkedId()); });
  connect(drum_, &DrumView::SlotEdited, this, &SolverWindow::EditSlot);
  connect(&solver_, &SolverService::Solved, this, &SolverWindow::OnSolved);
  connect(&solver_, &SolverService::TablePrepared, this, &SolverWindow::OnTablePrepared);
  connect(&solver_, &SolverService::BuildProgress, this, &SolverWindow::OnBuildProgress);
  playTimer_.setInterval(PlayMilliseconds);
  connect(&playTimer_, &QTimer::timeout, this, &SolverWindow::PlayTick);
  // Kept a moment after the last change, not on every key: each write is flushed to the disk.
  keepTimer_.setSingleShot(true);
  keepTimer_.setInterval(KeepMilliseconds);
  connect(&keepTimer_, &QTimer::timeout, this, &SolverWindow::KeepSession);
  keptText_ = keptPath_.empty() ? std::string() : session_.SavedText();

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
  ShowPath();
  Refresh();
}

SolverWindow::SolverWindow(SolverService& solver, const std::string& layout, QWidget* parent)
    : SolverWindow(solver, session::SolvingSession(layout), {}, parent) {}

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
  a.DrumGuide = AddAction(tr("How to Read the &Drum"), {}, tr("How the picture maps onto the drum in your hand"), nullptr);
  connect(a.DrumGuide, &QAction::triggered, this, [this] { ShowDrumGuide(this); });
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
  fill(menuBar()->addMenu(tr("&Help")), {a.DrumGuide, a.Keys, nullptr, a.About});
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
    // The slot as the drum paints it, with its digit: the empty one a hole, never a dark ball.
    button->setIcon(SlotIcon(colour + 1, true));
    button->setIconSize(QSize(24, 24));
    const QString key = colour < 0 ? QStringLiteral(".") : QString::number(colour);
    // The balls carry their digit in the icon; the hole has none, so its key stands beside it.
    button->setText(key);
    button->setToolButtonStyle(colour < 0 ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    button->setFocusPolicy(Qt::TabFocus);  // Tab reaches the palette
    const QString name = colour < 0 ? tr("Empty slot") : tr("Colour %1, %2").arg(colour).arg(ColourName(colour));
    button->setToolTip(tr("Click a slot to make it: %1. At the slot cursor, the key %2 does the same.").arg(name, key));
    button->setAccessibleName(name);
    // Ids as EditSlot takes them: 0 for empty, 1 to 6 for colours 0 to 5 (an id of -1 would
    // ask the group to choose one, and the empty slot's button would give none of them).
    palette_->addButton(button, colour + 1);
    paletteRow->addWidget(button);
  }
  palette_->button(1)->setChecked(true);
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
  // A long move's words wrap onto a second line rather than hide behind a sideways scroll bar
  // (German at a scale factor of 2 is wider than the list).
  steps_->setWordWrap(true);
  steps_->setResizeMode(QListView::Adjust);
  steps_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(steps_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row != session_.Step()) StepTo(row);
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
        const bool valid = session_.Valid();
        const int code = valid ? MoveCodeOf(move, session_.LongColumnsUp()) : 0;
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
  KeepSession();
  event->accept();
}

void SolverWindow::KeepSession() {
  keepTimer_.stop();
  if (keptPath_.empty()) return;
  const std::string text = session_.SavedText();
  if (text == keptText_) return;
  std::string problem;
  if (WriteKeptSession(keptPath_, text, problem)) {
    keptText_ = text;
  } else {
    Note(tr("Where you left off cannot be kept in %1: %2").arg(FromStd(keptPath_), FromStd(problem)));
  }
}

void SolverWindow::AfterEvent() {
  // The session's request goes to the solver; a wait the session gave up stops the solver too.
  if (const std::optional<session::SolveRequest> request = session_.TakeSolveRequest()) {
    sessionRequest_ = request->Number;
    serviceRequest_ = solver_.Solve(request->Layout);
    if (!solver_.TableReady()) {
      waitingNote_ = building_ ? tr("Building the solver's table…") : tr("Preparing the solver's table…");
      Note(waitingNote_, 0);
    }
  } else if (session_.WaitingFor() == session::Waiting::Nothing && serviceRequest_ != 0) {
    solver_.Forget();
    serviceRequest_ = 0;
  }
  // A wait that ended without an answer (the position changed) leaves no stale word behind.
  if (!IsWaiting() && !waitingNote_.isEmpty() && statusBar()->currentMessage() == waitingNote_) statusBar()->clearMessage();
  if (session_.Playing() && !playTimer_.isActive()) playTimer_.start();
  if (!session_.Playing()) playTimer_.stop();
  if (drum_->Layout() != session_.Layout()) drum_->SetLayout(session_.Layout(), session_.LastMove());
  if (!(shownPath_ == session_.Path())) ShowPath();
  Refresh();
  if (!keptPath_.empty() && session_.SavedText() != keptText_) keepTimer_.start();
}

void SolverWindow::Refresh() {
  const std::string& layout = session_.Layout();
  const bool valid = session_.Valid();
  reason_->setText(FaultsText(session_.Faults(), layout));
  reason_->setVisible(!valid);
  std::vector<int> faulty;
  for (const session::MarkedFault& fault : session_.Faults()) faulty.insert(faulty.end(), fault.Slots.begin(), fault.Slots.end());
  drum_->SetMarkedSlots(std::move(faulty));
  for (QAction* action : actions_.Moves) action->setEnabled(valid);
  actions_.Solve->setEnabled(valid);
  solveButton_->setEnabled(valid);
  actions_.Hint->setEnabled(valid);
  const session::SolutionPath& path = session_.Path();
  const int step = session_.Step();
  const bool onPath = step >= 0;
  actions_.Next->setEnabled(onPath && step < path.Length());
  actions_.Previous->setEnabled(onPath && step > 0);
  actions_.First->setEnabled(onPath && step > 0);
  actions_.Last->setEnabled(onPath && step < path.Length());
  actions_.Play->setEnabled(onPath && path.Length() > 0);
  actions_.Play->setText(session_.Playing() ? tr("&Pause") : tr("&Play"));
  ShowKeysInToolTip(actions_.Play);
  actions_.CopySolution->setEnabled(!path.Empty());
  actions_.AddToGame->setEnabled(!path.Empty() && path.Length() > 0);
  QAction* undo = actions_.Undo;
  undo->setEnabled(session_.CanUndo());
  undo->setText(session_.UndoKind() ? tr("&Undo %1").arg(ChangeName(*session_.UndoKind())) : tr("&Undo"));
  QAction* redo = actions_.Redo;
  redo->setEnabled(session_.CanRedo());
  redo->setText(session_.RedoKind() ? tr("&Redo %1").arg(ChangeName(*session_.RedoKind())) : tr("&Redo"));
  ShowKeysInToolTip(undo);
  ShowKeysInToolTip(redo);

  if (session_.WaitingFor() == session::Waiting::Solution) {
    length_->setText(tr("Solving…"));
  } else if (!path.Empty()) {
    length_->setText(SolutionLengthText(path.Length()));
  } else {
    length_->setText(valid ? tr("Press Solve (%1) for a shortest solution.").arg(ActionKeys(actions_.Solve).section(QLatin1Char(','), 0, 0))
                           : QString());
  }
  const int nextMove = session_.NextMove();
  if (onPath && nextMove != 0) {
    next_->setText(tr("Next: %1 — move %2 of %3").arg(MoveText(nextMove, session_.LongColumnsUp())).arg(step + 1).arg(path.Length()));
  } else if (onPath && session_.AtEnd() && path.Length() > 0) {
    next_->setText(tr("The drum is solved."));
  } else if (session_.HintMove() != 0) {
    next_->setText(tr("Hint: %1").arg(MoveText(session_.HintMove(), session_.LongColumnsUp())));
  } else {
    next_->clear();
  }
  next_->setVisible(!next_->text().isEmpty());
  // The list marks the move to make now as the drum does: its arrow, in bold.
  // Only the lines whose mark changes are touched: a refresh follows every event.
  const int marked = onPath && step + 1 < steps_->count() ? step + 1 : -1;
  if (marked != markedRow_) {
    for (const int row : {markedRow_, marked}) {
      if (row < 0 || row >= steps_->count()) continue;
      QListWidgetItem* item = steps_->item(row);
      QFont font = item->font();
      font.setBold(row == marked);
      item->setFont(font);
      item->setIcon(row == marked ? MoveIcon(nextMove) : blankIcon_);
    }
    markedRow_ = marked;
  }
  const QSignalBlocker quiet(steps_);
  if (onPath && step < steps_->count()) {
    steps_->setCurrentRow(step);
    steps_->scrollToItem(steps_->item(std::min(step + 1, steps_->count() - 1)));
  } else {
    steps_->setCurrentRow(-1);
  }
  drum_->SetMarkedMove(nextMove);
}

void SolverWindow::ShowPath() {
  const QSignalBlocker quiet(steps_);
  shownPath_ = session_.Path();
  steps_->clear();
  markedRow_ = -1;
  if (shownPath_.Empty()) return;
  // Every line keeps an icon's room, so that the marked one's words stand in line with the rest.
  steps_->addItem(new QListWidgetItem(blankIcon_, tr("Start")));
  for (int step = 0; step < shownPath_.Length(); ++step) {
    const QString move = MoveText(shownPath_.MoveAfter(step), LongColumnsUp(shownPath_.PositionAt(step)));
    steps_->addItem(new QListWidgetItem(blankIcon_, tr("%1. %2").arg(step + 1).arg(move)));
  }
}

void SolverWindow::OnSolved(const optimal::SolveReport& report) {
  if (report.Request != serviceRequest_) return;
  serviceRequest_ = 0;
  const session::Waiting what = session_.WaitingFor();
  if (report.Outcome != optimal::SolveOutcome::Solved) {
    session_.AnswerFailed(sessionRequest_);
    // Without a table the table's own report has said why; that stays.
    if (report.Outcome != optimal::SolveOutcome::NoTable) Note(tr("No solution: the solver could not run."));
    AfterEvent();
    return;
  }
  if (session_.Answer(sessionRequest_, report.Solution) == session::AnswerUse::Taken) {
    const bool weak = report.Table == optimal::TableKind::Small && !solver_.StrongestReady();
    if (what == session::Waiting::Hint) {
      const int hint = session_.HintMove();
      Note(hint == 0 ? tr("The drum is solved.") : tr("Hint: %1").arg(MoveText(hint, session_.LongColumnsUp())));
    } else {
      const int ms = qRound(report.Seconds * 1000);
      Note(weak ? tr("Found a shortest solution in %1 ms, with the small table while the full one is built.").arg(ms)
                : tr("Found a shortest solution in %1 ms.").arg(ms));
    }
  }
  AfterEvent();
}

void SolverWindow::OnTablePrepared(const optimal::TableReport& report) {
  if (!report.Ready || report.Strongest) {
    building_ = false;
    buildBar_->hide();
    cancelBuild_->hide();
  }
  if (report.Ready && report.Source == optimal::TableSource::BuiltNotSaved && report.Strongest) {
    // Said in the side panel, not among the messages, so that it neither hides them nor goes;
    // the reason first, the whole path in the tooltip.
    tableNote_->setText(tr("The solver's table cannot be kept (%1); it is built again on every run.")
                            .arg(FromStd(report.SaveProblem)));
    tableNote_->setToolTip(FromStd(solver_.TablePath()));
    tableNote_->show();
  } else if (report.Ready && report.Strongest && report.Source == optimal::TableSource::BuiltAndSaved) {
    Note(report.LoadProblem.empty()
             ? tr("The solver's table is built and kept for the next time.")
             : tr("The solver's table could not be read (%1); it is built again and kept.").arg(FromStd(report.LoadProblem)));
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
    // Kept while a solve waits for it; otherwise said once, and the bar goes on showing it.
    if (IsWaiting()) {
      waitingNote_ = tr("Building the solver's table (once; about 5 seconds)…");
      Note(waitingNote_, 0);
    } else if (statusBar()->currentMessage().isEmpty()) {
      Note(tr("Building the solver's table (once; about 5 seconds)…"));
    }
  }
  buildBar_->show();
  cancelBuild_->show();
  buildBar_->setValue(report.Percent);
}

void SolverWindow::ApplyMove(int code) {
  if (session_.Move(code)) AfterEvent();
}

void SolverWindow::EditSlot(int slot, int value) {
  if (slot < 0 || slot >= SlotCount || value < 0 || value > 6) return;
  // A click while a solution is followed is most likely a stray one: it is taken, and said, and
  // Undo brings the solution back with the ball.
  const bool following = session_.OnPath();
  if (!session_.Edit(slot, value - 1)) return;
  if (following) Note(tr("Edited the position; the solution is set aside. Undo brings it back."));
  AfterEvent();
}

void SolverWindow::PasteLayout(const QString& text) {
  switch (session_.Paste(text.toStdString())) {
    case session::PasteResult::Refused: {
      // Said in characters, as a person counts them.
      Note(tr("Not pasted. %1").arg(RefusedPasteText(ReadLayoutText(text.toStdString()).Fault)));
      return;
    }
    case session::PasteResult::Same: Note(tr("Pasted: the drum shows this position already.")); return;
    case session::PasteResult::Pasted: Note(tr("Pasted a new position.")); break;
  }
  AfterEvent();
}

void SolverWindow::PasteFromClipboard() { PasteLayout(QGuiApplication::clipboard()->text()); }

void SolverWindow::CopyLayout() {
  QGuiApplication::clipboard()->setText(FromStd(CopiedLayout(session_.Layout())));
  Note(tr("Copied the layout."));
}

void SolverWindow::CopySolution() {
  if (session_.Path().Empty()) return;
  QGuiApplication::clipboard()->setText(FromStd(session_.Path().Moves()));
  Note(tr("Copied the solution's %n moves as digits.", nullptr, session_.Path().Length()));
}

void SolverWindow::Solve() {
  session_.RequestSolution();
  AfterEvent();
}

void SolverWindow::Hint() {
  const bool onPath = session_.OnPath();
  session_.RequestHint();
  if (onPath) {
    // On the path the rest of a shortest solution is a shortest solution from here.
    const int hint = session_.NextMove();
    Note(hint == 0 ? tr("The drum is solved.") : tr("Hint: %1").arg(MoveText(hint, session_.LongColumnsUp())));
  }
  AfterEvent();
}

void SolverWindow::StepTo(int step) {
  if (session_.StepTo(step)) AfterEvent();
}

void SolverWindow::Next() {
  if (session_.Next()) AfterEvent();
}

void SolverWindow::Previous() {
  if (session_.Previous()) AfterEvent();
}

void SolverWindow::First() {
  if (session_.First()) AfterEvent();
}

void SolverWindow::Last() {
  if (session_.Last()) AfterEvent();
}

void SolverWindow::PlayOrPause() {
  if (session_.Playing()) {
    session_.Pause();
  } else {
    session_.Play();
  }
  AfterEvent();
}

void SolverWindow::PlayTick() {
  session_.PlayTick();
  AfterEvent();
}

void SolverWindow::Undo() {
  if (!session_.Undo()) return;
  // What the status said of the change undone ("Edited the position; ...") no longer holds.
  statusBar()->clearMessage();
  AfterEvent();
}

void SolverWindow::Redo() {
  if (!session_.Redo()) return;
  statusBar()->clearMessage();
  AfterEvent();
}

void SolverWindow::Scramble() {
  if (session_.Scramble(scrambles_())) AfterEvent();
}

void SolverWindow::Reset() {
  if (session_.Reset()) AfterEvent();
}

void SolverWindow::AddToGame() {
  const session::SolutionPath& path = session_.Path();
  if (path.Empty() || path.Length() == 0) return;
  const GameSolutionsAdd added = AddToGameSolutions(path.Start(), path.Moves());
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

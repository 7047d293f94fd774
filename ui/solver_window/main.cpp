// trommelquirl-solver [LAYOUT]: the solver's window, opened on LAYOUT or the start position.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/field.h"
#include "project_info.h"
#include "session/solving_session.h"
#include "solver/optimal/table_cache.h"
#include "ui/qt/no_display.h"
#include "ui/qt/scale_factor.h"
#include "ui/solver_window/kept_session.h"
#include "ui/solver_window/layout_text.h"
#include "ui/solver_window/solver_service.h"
#include "ui/solver_window/solver_window.h"
#include "ui/solver_window/texts.h"

namespace {

constexpr const char* Usage =
    "Usage: trommelquirl-solver [LAYOUT]\n"
    "Opens the solver's window on LAYOUT (26 characters: a space or \"_\" for an empty slot,\n"
    "0 to 5 for a ball's colour), or where it was left the last time (kept in\n"
    "$XDG_STATE_HOME/trommelquirl/solver-session.txt), or on the start position.\n"
    "  -h, --help     show this help\n"
    "  -V, --version  show the version\n";

// The options QApplication reads itself (with a value or without): left for it to take.
bool IsQtOption(const char* argument) {
  static constexpr const char* QtOptions[] = {"-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qmljsdebugger",
                                              "-qwindowgeometry", "-qwindowicon", "-qwindowtitle", "-reverse", "-session",
                                              "-display", "-geometry", "-style", "-stylesheet", "-widgetcount", "-name", "-title",
                                              "-visual", "-ncols", "-cmap", "-nograb", "-dograb", "-sync"};
  const char* name = argument[1] == '-' ? argument + 1 : argument;
  for (const char* option : QtOptions) {
    if (std::strcmp(name, option) == 0) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
      std::fputs(Usage, stdout);
      return 0;
    }
    // -V as the command-line program has it; -v, the window's first spelling, still works.
    if (std::strcmp(argv[i], "-V") == 0 || std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
      std::printf("trommelquirl-solver %.*s\n", static_cast<int>(tq::ProjectVersion.size()), tq::ProjectVersion.data());
      return 0;
    }
    // No layout starts with "-": whatever does is an option this program does not know. Qt's
    // own options (-style, -platform, ...) are taken out by QApplication before it is read.
    if (argv[i][0] == '-' && argv[i][1] != '\0' && !IsQtOption(argv[i])) {
      std::fprintf(stderr, "trommelquirl-solver: unknown option %s (see --help)\n", argv[i]);
      return 2;
    }
  }
  tq::KeepScaleFactorUsable("trommelquirl-solver");
  // Qt picks the platform; where none opens, one line says so and the status is 1.
  const tq::PlatformEnvironment environment{std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                            std::getenv("WAYLAND_DISPLAY")};
  std::unique_ptr<QApplication> application;
  tq::MakeApplicationOrExit("trommelquirl-solver", environment,
                            [&] { application = std::make_unique<QApplication>(argc, argv); });

  QCoreApplication::setOrganizationName(QStringLiteral("Trommelquirl"));
  QCoreApplication::setApplicationName(QStringLiteral("trommelquirl-solver"));
  QCoreApplication::setApplicationVersion(QString::fromUtf8(tq::ProjectVersion.data(), static_cast<qsizetype>(tq::ProjectVersion.size())));
  QGuiApplication::setDesktopFileName(QStringLiteral(TQ_SOLVER_APP_ID));
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) icon.addFile(QStringLiteral(":/icons/%1.png").arg(size));
  QGuiApplication::setWindowIcon(icon);

  QTranslator qtTranslator, translator;
  if (qtTranslator.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qtTranslator);
  }
  if (tq::solver_window::LoadWindowTranslation(translator, QLocale())) {
    QCoreApplication::installTranslator(&translator);
  }

  // A layout on the command line opens on it; otherwise the window opens where it was left.
  const std::string keptPath = tq::solver_window::KeptSessionPath();
  std::optional<tq::session::SolvingSession> session;
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() > 2) {
    std::fputs(Usage, stderr);
    return 2;
  }
  if (arguments.size() == 2) {
    const tq::solver_window::LayoutText read = tq::solver_window::ReadLayoutText(arguments[1].toStdString());
    if (read.Refused()) {
      std::fprintf(stderr, "trommelquirl-solver: %s\n", tq::solver_window::RefusedPasteText(read.Fault).toLocal8Bit().constData());
      return 2;
    }
    session.emplace(read.Layout);
  } else {
    std::string problem;
    if (const std::optional<std::string> kept = tq::solver_window::ReadKeptSession(keptPath, problem)) {
      session.emplace(tq::session::SolvingSession::FromSavedText(*kept));
    } else {
      if (!problem.empty()) std::fprintf(stderr, "trommelquirl-solver: cannot read %s: %s\n", keptPath.c_str(), problem.c_str());
      session.emplace(tq::StartLayout);
    }
  }

  // The Small table first: it answers in its quarter second while the Full one builds.
  std::vector<tq::optimal::TableToPrepare> tables;
  for (const tq::optimal::TableKind kind : {tq::optimal::TableKind::Small, tq::optimal::TableKind::Full}) {
    tables.push_back({kind, tq::optimal::CachedTablePath(kind)});
  }
  tq::solver_window::SolverService solver(std::move(tables));
  tq::solver_window::SolverWindow window(solver, std::move(*session), keptPath);
  window.show();
  // The table loads while the window paints; the first solve finds it there.
  solver.PrepareTable();
  return application->exec();
}

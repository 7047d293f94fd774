// Start-up: the globals get their values in a fixed order before the window opens.
#include "ui/startup.h"

#include <csignal>

#include "model/field.h"
#include "model/random.h"
#include "solver/search.h"
#include "solver/search_host.h"
#include "store/data_directory.h"
#include "store/export.h"
#include "store/solutions.h"
#include "ui/commands/commands.h"
#include "ui/commands/window_callback.h"
#include "ui/render/field_drawing.h"
#include "ui/window_toolkit.h"

namespace tq {

namespace {

void ResetGlobals() {
  Field = FieldSlots{};
  SlideState = 0;
  ColourTable = {};
  ClearSolutions();
}

void PlaceFiles() {
  const std::string directory = DataDirectoryPath();
  EnsureDataDirectory(directory);
  SolutionsFile = directory + "/Loesungen.txt";
  ExportDirectory = directory;
}

}  // namespace

int32_t StartProgram() {
  // A file-size limit then fails a save like any other write error instead of killing us.
  std::signal(SIGXFSZ, SIG_IGN);
  ResetGlobals();
  StartToolkit();
  SeedRandom(TickCount());
  FieldWidth = 180;
  FieldHeight = 215;
  StopRequested.store(0);
  SolverRunning.store(0);
  PlaceFiles();
  SetBallColours();
  CreateBallImages();
  LoadSolutionsWithoutWaiting();
  PlaceLayout(StartLayout);
  if (OpenMainWindow() == 0) ShutDown();
  InstallWindowCallback(WindowCallback);
  InstallEndRequestHandler(EndRequestCommand);
  CreateControls();
  ListUnreadSolutionsFile();
  RefreshField();
  return 0;
}

void RunProgram() {
  StartProgram();
  for (;;) WaitForEvent();
}

}  // namespace tq

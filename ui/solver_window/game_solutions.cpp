// The game's solutions file, read afresh, added to and saved under its lock.
#include "ui/solver_window/game_solutions.h"

#include "store/data_directory.h"
#include "store/solutions.h"

namespace tq::solver_window {

GameSolutionsAdd AddToGameSolutions(const std::string& layout, const std::string& solution) {
  const std::string directory = DataDirectoryPath();
  EnsureDataDirectory(directory);
  // The name the game gives its file in the data directory.
  SolutionsFile = directory + "/Loesungen.txt";
  // A file that cannot be read now is no reason not to try: the save then merges with what it
  // finds, or says why it cannot.
  LoadSolutions();
  StoreSolution(layout, solution);
  GameSolutionsAdd result;
  result.File = SolutionsFile;
  result.Saved = SaveSolutions() == 1;
  if (!result.Saved) result.Problem = SolutionsFileProblem();
  return result;
}

}  // namespace tq::solver_window

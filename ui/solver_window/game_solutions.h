// Handing a solution to the game: its solutions file, shared with the game and the command line.
#pragma once

#include <string>

namespace tq::solver_window {

struct GameSolutionsAdd {
  bool Saved = false;
  std::string File;     // the solutions file's path
  std::string Problem;  // why it was not saved, in the system's words
};

// Stores `solution` for `layout` under the game's own rule (it replaces a longer solution of
// the layout, or is added) and saves the file with the merging save, so that what the game or
// another program saved meanwhile is kept. Uses the store's one list: call from one thread.
GameSolutionsAdd AddToGameSolutions(const std::string& layout, const std::string& solution);

}  // namespace tq::solver_window

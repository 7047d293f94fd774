// The process-wide solutions list and its file, on a SolutionTable and a SharedSolutionsFile.
#include "store/solutions.h"

#include <utility>

#include "store/shared_solutions_file.h"
#include "store/solution_table.h"

namespace tq {

std::string SolutionsFile;

namespace {
SolutionTable SolutionList;
SharedSolutionsFile ListFile;
}  // namespace

size_t SolutionCount() { return SolutionList.Count(); }

SolutionEntry SolutionAt(size_t index) {
  return SolutionEntry{std::string(SolutionList.LayoutAt(index)), std::string(SolutionList.SolutionAt(index))};
}

void ClearSolutions() {
  ListFile.Detach();
  SolutionList.Release();
}

int32_t LoadSolutionsFromBytes(std::string_view bytes) {
  ListFile.Detach();
  SolutionList.LoadBytes(bytes);
  return 0;
}

int32_t LoadSolutions() { return ListFile.Load(SolutionsFile, SolutionList); }

std::string SolutionsToBytes() { return SolutionList.ToBytes(); }

int32_t SaveSolutions() { return ListFile.Save(SolutionsFile, SolutionList); }

std::string SolutionsFileProblem() { return ListFile.Problem(); }

SolutionsFileFault LastSolutionsFileFault() {
  return SolutionsFileFault{ListFile.ProblemReason(), ListFile.ProblemFile(), ListFile.ProblemInLockFile(),
                            ListFile.LockHeld()};
}

int32_t RereadSolutions() { return ListFile.Reread(SolutionsFile, SolutionList); }

void WhileSolutionsFileLocked(LockWaitCall whileWaiting) { ListFile.SetLockWait(std::move(whileWaiting)); }

int32_t StoreSolution(std::string_view layout, std::string_view solution) {
  ListFile.Store(SolutionList, layout, solution);
  return 0;
}

std::string_view FindSolution(std::string_view layout) { return SolutionList.Find(layout); }

std::string LookupSolution(std::string_view layout) { return std::string(FindSolution(layout)); }

SolutionFilter CurrentSolutionFilter() { return SolutionList.Filter(); }

void KeySolutionFilter(LayoutKey key) { SolutionList.KeyFilter(key); }

size_t SolutionsHeldBytes() { return SolutionList.HeldBytes(); }

}  // namespace tq

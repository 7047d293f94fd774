// Placeholder until the store lands.
#include "store/solutions.h"
namespace tq {
std::string SolutionsFile;
size_t SolutionCount() { return 0; }
const SolutionEntry& SolutionAt(size_t) { static SolutionEntry e; return e; }
int32_t LoadSolutions() { return 0; }
int32_t SaveSolutions() { return 0; }
int32_t StoreSolution(std::string_view, std::string_view) { return 0; }
std::string LookupSolution(std::string_view) { return ""; }
const std::string* FindSolution(std::string_view) { return nullptr; }
void ClearSolutions() {}
}  // namespace tq

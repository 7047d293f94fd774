// The cache table's usual place and the thread count, from the environment and the machine.
#include "solver/optimal/table_cache.h"

#include <algorithm>
#include <thread>

#include "store/data_directory.h"

namespace tq::optimal {

int SolverThreads() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

std::string CachedTablePath(TableKind kind) { return CacheDirectoryPath() + "/" + TableFileName(kind); }

}  // namespace tq::optimal

// The folders include one another in one direction only: ui and cli above solver and session,
// those above store, store above model; model includes nothing of ours, and the core (model,
// store, session, solver) only the standard library. Session and solver do not include each
// other: a session asks for solutions, whoever answers them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tq {
namespace {

// How high a folder stands; a file may include its own folder's files and those of folders
// below it. ui and cli stand side by side and do not include each other.
const std::map<std::string, int> Level = {{"model", 0}, {"store", 1}, {"session", 2}, {"solver", 2}, {"ui", 3}, {"cli", 3}};

struct Include {
  std::string From;  // the including file, relative to the top of the tree
  std::string Path;  // what it includes, as written
  bool Angled;
};

// The top folder of a path relative to the tree, or "" for a file at the top.
std::string TopFolder(const std::string& path) {
  const size_t slash = path.find('/');
  return slash == std::string::npos ? "" : path.substr(0, slash);
}

// Headers of the libraries the program builds on: Qt for the window, and the test and
// benchmark frameworks. The system's own headers (the C++ and C libraries, POSIX, the
// compiler's intrinsics) are no library in this sense.
bool IsLibraryHeader(const std::string& path) {
  return path.starts_with("Q") || path.starts_with("gtest/") || path.starts_with("gmock/") ||
         path.starts_with("benchmark/");
}

// Every include that breaks the direction, as "from -> path".
std::vector<std::string> Violations(const std::vector<Include>& includes) {
  std::vector<std::string> found;
  for (const Include& include : includes) {
    const auto from = Level.find(TopFolder(include.From));
    if (from == Level.end()) continue;  // tests and benchmarks may include anything
    const bool core = from->second <= Level.at("solver");
    if (include.Angled) {
      if (core && IsLibraryHeader(include.Path)) found.push_back(include.From + " -> <" + include.Path + ">");
      continue;
    }
    const std::string to = TopFolder(include.Path);
    const auto target = Level.find(to);
    const bool ours = target != Level.end() || to == "tests" || to == "bench";
    if (!ours) continue;
    const bool allowed = target != Level.end() && (to == from->first || target->second < from->second);
    if (!allowed) found.push_back(include.From + " -> \"" + include.Path + "\"");
  }
  return found;
}

// The included path of an include line, and whether it stands in angle brackets.
bool ParseInclude(std::string_view line, std::string& path, bool& angled) {
  size_t at = line.find_first_not_of(" \t");
  if (at == std::string_view::npos || line[at] != '#') return false;
  at = line.find_first_not_of(" \t", at + 1);
  if (at == std::string_view::npos || line.substr(at, 7) != "include") return false;
  at = line.find_first_not_of(" \t", at + 7);
  if (at == std::string_view::npos || (line[at] != '<' && line[at] != '"')) return false;
  angled = line[at] == '<';
  const size_t end = line.find(angled ? '>' : '"', at + 1);
  if (end == std::string_view::npos) return false;
  path = line.substr(at + 1, end - at - 1);
  return true;
}

std::vector<Include> IncludesOfTree(const std::filesystem::path& top) {
  std::vector<Include> includes;
  for (const auto& [folder, level] : Level) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(top / folder)) {
      const std::string extension = entry.path().extension().string();
      if (extension != ".h" && extension != ".cpp") continue;
      const std::string from = std::filesystem::relative(entry.path(), top).generic_string();
      std::ifstream in(entry.path());
      Include include{from, "", false};
      for (std::string line; std::getline(in, line);) {
        if (ParseInclude(line, include.Path, include.Angled)) includes.push_back(include);
      }
    }
  }
  return includes;
}

TEST(IncludeDirection, TheTreeIncludesOnlyDownwards) {
  const std::vector<Include> includes = IncludesOfTree(TQ_SOURCE_DIR);
  ASSERT_GT(includes.size(), 200u) << "the tree's sources were not found under " << TQ_SOURCE_DIR;
  EXPECT_EQ(Violations(includes), std::vector<std::string>{});
}

TEST(IncludeDirection, ReadsIncludesInEveryLayoutAndNothingElse) {
  std::string path;
  bool angled = false;
  EXPECT_TRUE(ParseInclude("#include \"store/solutions.h\"", path, angled));
  EXPECT_EQ(path, "store/solutions.h");
  EXPECT_FALSE(angled);
  EXPECT_TRUE(ParseInclude("  #  include\t<QWidget>  // why", path, angled));
  EXPECT_EQ(path, "QWidget");
  EXPECT_TRUE(angled);
  for (const char* other : {"// #include \"ui/x.h\"", "#define X", "#include", "#include \"open", ""}) {
    EXPECT_FALSE(ParseInclude(other, path, angled)) << other;
  }
}

TEST(IncludeDirection, EveryKindOfWrongIncludeIsCaught) {
  const std::vector<Include> includes = {
      {"model/field.cpp", "store/solutions.h", false},        // up one level
      {"store/solutions.cpp", "ui/window_toolkit.h", false},  // up to the window
      {"solver/search.cpp", "cli/console.h", false},          // up to the command line
      {"ui/startup.cpp", "cli/console.h", false},             // sideways
      {"cli/main.cpp", "ui/startup.h", false},                // sideways
      {"solver/walk.cpp", "tests/support/positions.h", false},
      {"store/safe_file.cpp", "QFile", true},  // a library in the core
      {"solver/search.cpp", "benchmark/benchmark.h", true},
      {"session/solving_session.cpp", "solver/search.h", false},  // sideways: solving stays outside
      {"solver/search.cpp", "session/solving_session.h", false},
      {"session/solving_session.cpp", "QString", true},
  };
  EXPECT_EQ(Violations(includes).size(), includes.size());

  const std::vector<Include> fine = {
      {"model/field.cpp", "model/field.h", false},
      {"store/solutions.cpp", "model/field.h", false},
      {"solver/search.cpp", "store/solutions.h", false},
      {"ui/startup.cpp", "solver/search.h", false},
      {"cli/main.cpp", "solver/search.h", false},
      {"session/solving_session.cpp", "model/moves.h", false},
      {"ui/solver_window/solver_window.cpp", "session/solving_session.h", false},
      {"ui/qt/controls.cpp", "QPainter", true},
      {"solver/byte_shuffle.h", "immintrin.h", true},
      {"store/safe_file.cpp", "unistd.h", true},
      {"solver/search.cpp", "vector", true},
      {"tests/ui/ui_support.cpp", "cli/console.h", false},
  };
  EXPECT_EQ(Violations(fine), std::vector<std::string>{});
}

}  // namespace
}  // namespace tq

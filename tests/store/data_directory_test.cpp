// Where the data directory is, from the environment, and its creation.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "store/data_directory.h"
#include "tests/support/temp_directory.h"
#include "tests/support/whole_file.h"

namespace tq {
namespace {

using test::TempDirectory;
using test::WriteWholeFile;

// Sets a variable for one test and puts the old value back afterwards.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    if (value != nullptr) ::setenv(name, value, 1);
    else ::unsetenv(name);
  }
  ~ScopedVariable() {
    if (had_) ::setenv(name_, old_.c_str(), 1);
    else ::unsetenv(name_);
  }

 private:
  const char* name_;
  bool had_ = false;
  std::string old_;
};

// The data, cache and state directories follow the same rules, each from its own variable; the
// other directory's variable is set to something else, which must not count.
TEST(BaseDirectoryPaths, FollowAnAbsoluteXdgVariableElseHome) {
  struct Base {
    const char* Variable;
    const char* OtherVariable;
    std::string (*Path)();
    const char* UnderHome;
  };
  const Base bases[] = {
      {"XDG_DATA_HOME", "XDG_CACHE_HOME", DataDirectoryPath, "/home/anna/.local/share/trommelquirl"},
      {"XDG_CACHE_HOME", "XDG_DATA_HOME", CacheDirectoryPath, "/home/anna/.cache/trommelquirl"},
      {"XDG_STATE_HOME", "XDG_DATA_HOME", StateDirectoryPath, "/home/anna/.local/state/trommelquirl"},
  };
  ScopedVariable home("HOME", "/home/anna");
  for (const Base& base : bases) {
    ScopedVariable other(base.OtherVariable, "/other/anna");
    {
      ScopedVariable own(base.Variable, "/own/anna");
      EXPECT_EQ(base.Path(), "/own/anna/trommelquirl");
    }
    for (const char* ignored : {"relative/place", "", static_cast<const char*>(nullptr)}) {
      ScopedVariable own(base.Variable, ignored);
      EXPECT_EQ(base.Path(), base.UnderHome);
    }
  }
}

TEST(EnsureDataDirectory, CreatesMissingParentsAndReportsABlockedPath) {
  TempDirectory dir;
  const std::string deep = dir.File("a/b/trommelquirl");
  EXPECT_TRUE(EnsureDataDirectory(deep));
  EXPECT_TRUE(std::filesystem::is_directory(deep));
  EXPECT_TRUE(EnsureDataDirectory(deep));

  WriteWholeFile(dir.File("file"), "x");
  EXPECT_FALSE(EnsureDataDirectory(dir.File("file/trommelquirl")));
  EXPECT_FALSE(EnsureDataDirectory(""));

  // The directory of a file, for a name given by the user: a bare name is in the current one.
  EXPECT_TRUE(EnsureDirectoryOf(dir.File("c/d/Loesungen.txt")));
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("c/d")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("c/d/Loesungen.txt")));
  EXPECT_TRUE(EnsureDirectoryOf("Loesungen.txt"));
  EXPECT_FALSE(EnsureDirectoryOf(dir.File("file/Loesungen.txt")));
}

}  // namespace
}  // namespace tq

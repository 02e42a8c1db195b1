// Linked into every test program: before any test runs, the program folder (TALLMARK_HOME) is a
// fresh folder of this run, so that a test program started by hand never reads or writes the
// user's real options file, sports or schedules. The folder is removed at exit.
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

struct OwnProgramFolder {
  OwnProgramFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tallmark-home-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    path = pattern;
    setenv("TALLMARK_HOME", path.c_str(), 1);
  }
  ~OwnProgramFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::string path;
};

const OwnProgramFolder folder;

}  // namespace

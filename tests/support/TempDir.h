// A fresh folder for one test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>

namespace tallmark::test {

class TempDir {
 public:
  TempDir() {
    auto base = std::filesystem::temp_directory_path() / "tallmark-test-XXXXXX";
    std::string pattern = base.string();
    path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    path_ += '/';
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, ending in "/".
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

}  // namespace tallmark::test

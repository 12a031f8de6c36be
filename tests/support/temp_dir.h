// A fresh folder per test, removed afterwards; works on Linux and under Wine.
#pragma once

#include <filesystem>
#include <string>

namespace horalune::testing {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // UTF-8 path of the folder, without a trailing separator.
    std::string path() const;
    // UTF-8 path of a file in the folder, joined the way the program joins it ("\").
    std::string file(const std::string& name) const;
    const std::filesystem::path& fs() const { return dir_; }

  private:
    std::filesystem::path dir_;
};

std::string read_bytes(const std::string& utf8_path);
void write_bytes(const std::string& utf8_path, const std::string& bytes);

}  // namespace horalune::testing

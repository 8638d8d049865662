#pragma once

#include <string>

namespace zorva::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

    // Raw bytes in and out, for fixtures and for checking files byte for byte.
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

  private:
    std::string path_;
};

// Joins lines with CR LF after each, as the program's files are written.
std::string CrLf(std::initializer_list<std::string> lines);

}  // namespace zorva::testing

#pragma once

#include <string>

namespace kagiroi::test {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes. Its path is plain ASCII, so it reads the same in Shift_JIS and UTF-8.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Path of a file or folder inside, joined with '/'.
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

}  // namespace kagiroi::test

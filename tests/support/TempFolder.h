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

// While it lives, nothing can be made, removed or renamed in a folder, not even by root (a
// test process often runs as root, and root ignores a folder's mode): the folder is marked
// immutable where the system allows it, else made read-only. Refusing() is false when neither
// could be done.
class RefusedFolder {
  public:
    explicit RefusedFolder(std::string path);
    ~RefusedFolder();
    RefusedFolder(const RefusedFolder&) = delete;
    RefusedFolder& operator=(const RefusedFolder&) = delete;

    bool Refusing() const { return refusing_; }

  private:
    std::string path_;
    bool immutable_ = false;
    bool refusing_ = false;
};

}  // namespace kagiroi::test

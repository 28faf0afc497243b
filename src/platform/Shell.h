#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kagiroi {

// Opening documents with the system's program and starting other programs. Paths and
// parameters are Shift_JIS; parameters are passed as a list, never through a command line.
class Shell {
  public:
    virtual ~Shell() = default;
    virtual bool OpenDocument(const std::string& path) = 0;
    // Starts `program` without waiting for it; false (and `error`) when it could not start.
    virtual bool StartProgram(const std::string& program,
                              const std::vector<std::string>& parameters,
                              const std::string& workingFolder, std::string* error) = 0;
};

// Opens documents with xdg-open (the shell's "open" on Windows) and starts programs directly.
// An opener that fails (no program for the document) makes OpenDocument false; one still
// running after kOpenerWaitMs has started a viewer that keeps it waiting, and counts as opened.
class SystemShell : public Shell {
  public:
    static constexpr int kOpenerWaitMs = 2000;
    // `opener` is the program given the document (POSIX only).
    explicit SystemShell(std::string opener = "/usr/bin/xdg-open") : opener_(std::move(opener)) {}
    bool OpenDocument(const std::string& path) override;
    bool StartProgram(const std::string& program, const std::vector<std::string>& parameters,
                      const std::string& workingFolder, std::string* error) override;

  private:
    std::string opener_;
};

// `args` as one Windows command line that the C runtime splits back into exactly `args`: each
// quoted, a quote escaped, the backslashes before a quote or the end doubled (a trail byte of a
// Shift_JIS character is no backslash).
std::string WindowsCommandLine(const std::vector<std::string>& args);

}  // namespace kagiroi

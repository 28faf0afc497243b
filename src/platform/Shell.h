#pragma once

#include <string>
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
class SystemShell : public Shell {
  public:
    bool OpenDocument(const std::string& path) override;
    bool StartProgram(const std::string& program, const std::vector<std::string>& parameters,
                      const std::string& workingFolder, std::string* error) override;
};

// `args` as one Windows command line that the C runtime splits back into exactly `args`: each
// quoted, a quote escaped, the backslashes before a quote or the end doubled (a trail byte of a
// Shift_JIS character is no backslash).
std::string WindowsCommandLine(const std::vector<std::string>& args);

}  // namespace kagiroi

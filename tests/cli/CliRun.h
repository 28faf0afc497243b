#pragma once

#include <string>
#include <vector>

namespace kagiroi::test {

// What one run of kagiroi-cli left behind.
struct CliRun {
    int status = -1;  // the exit status; -1 when the program did not exit normally
    std::string out;  // standard output, as bytes
    std::string err;  // standard error, as bytes
};

// The environment a run gets besides the test's own: each value replaces the test process's
// and an empty one is removed, so no run reads the user's folders or installer records.
struct CliEnvironment {
    std::string home;      // KAGIROI_HOME
    std::string now;       // KAGIROI_NOW
    std::string registry;  // KAGIROI_REGISTRY
};

// Runs the built kagiroi-cli (or a copy of it at `program`, UTF-8) with `args` as a child process
// and waits for it.
CliRun RunKagiroiCli(const std::vector<std::string>& args, const CliEnvironment& environment,
                     const std::string& program = {});

}  // namespace kagiroi::test

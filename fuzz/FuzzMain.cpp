// kagiroi_fuzz TARGET|all [--runs N] [--seed S] [--replay FILE]
// Runs N mutated inputs (deterministic by S) through each chosen target, or replays one saved
// input. A failed invariant or a sanitizer report stops the run with a non-zero status.
#include "FuzzDriver.h"
#include "FuzzTargets.h"

#include "platform/FileSystem.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace kagiroi::fuzz {

namespace {

std::string gBase;

std::string Base() {
    if (gBase.empty()) {
        const char* shm = "/dev/shm";
        std::string root =
            DirectoryExists(shm) ? shm : std::filesystem::temp_directory_path().string();
        gBase = root + "/kagiroi-fuzz-" + std::to_string(::getpid());
    }
    return gBase;
}

}  // namespace

std::string WorkFolder(const std::string& target) {
    std::string folder = Base() + "/" + target;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

}  // namespace kagiroi::fuzz

int main(int argc, char** argv) {
    using namespace kagiroi::fuzz;
    std::string chosen = argc > 1 ? argv[1] : "";
    uint64_t runs = 1000, seed = 1;
    std::string replay;
    for (int i = 2; i + 1 < argc; i += 2) {
        std::string option = argv[i];
        if (option == "--runs")
            runs = std::strtoull(argv[i + 1], nullptr, 10);
        else if (option == "--seed")
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (option == "--replay")
            replay = argv[i + 1];
    }
    std::vector<FuzzTarget> targets = TextTargets();
    for (auto& t : DayTargets())
        targets.push_back(std::move(t));

    int ran = 0;
    for (const FuzzTarget& target : targets) {
        if (chosen != "all" && chosen != target.name) continue;
        ++ran;
        if (!replay.empty()) {
            auto input = kagiroi::ReadWholeFile(replay);
            if (!input) return 2;
            ReplayInput(target, *input);
            std::printf("%s: the input passes\n", target.name);
            continue;
        }
        size_t seeds = RunTarget(target, runs, seed);
        std::printf("%s: %zu seeds and %llu runs (seed %llu), no failure\n", target.name, seeds,
                    static_cast<unsigned long long>(runs), static_cast<unsigned long long>(seed));
        std::fflush(stdout);
    }
    std::error_code ignored;
    std::filesystem::remove_all(Base(), ignored);
    if (ran == 0) {
        std::fprintf(stderr,
                     "usage: kagiroi_fuzz TARGET|all [--runs N] [--seed S] [--replay FILE]\n"
                     "targets:");
        for (const auto& t : targets)
            std::fprintf(stderr, " %s", t.name);
        std::fprintf(stderr, "\n");
        return 2;
    }
    return 0;
}

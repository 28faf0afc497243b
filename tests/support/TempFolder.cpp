#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <random>
#include <stdexcept>

namespace kagiroi::test {

namespace {

#ifdef _WIN32
// No mkdtemp: a random name, made with a call that fails when the name is taken.
std::string MakeUniqueFolder() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path path =
            base / ("kagiroi-test-" + std::to_string(random() % 1000000000));
        std::error_code error;
        if (std::filesystem::create_directory(path, error)) return path.generic_string();
    }
    throw std::runtime_error("cannot make a temporary folder");
}
#else
std::string MakeUniqueFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kagiroi-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
}
#endif

}  // namespace

TempFolder::TempFolder() : path_(MakeUniqueFolder()) {}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace kagiroi::test

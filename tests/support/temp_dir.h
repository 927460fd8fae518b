// Test helpers: a private working folder per test, and file helpers.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace testing_support {

// Makes a folder of this process's own in the system's temporary folder.
inline std::filesystem::path makeTempFolder(const std::string& prefix) {
    std::random_device random;
    for (;;) {
        auto path = std::filesystem::temp_directory_path() / (prefix + std::to_string(random()));
        if (std::filesystem::create_directory(path)) return path;
    }
}

// Makes a fresh folder, works inside it, and goes back and removes it after.
struct TempDir {
    TempDir() : previous(std::filesystem::current_path()) {
        std::filesystem::current_path(path = makeTempFolder("varne-test-"));
    }
    // A folder Windows still holds (a child process's working folder, not yet
    // let go) stays behind rather than ending the test run.
    ~TempDir() {
        std::filesystem::current_path(previous);
        std::error_code leftBehind;
        std::filesystem::remove_all(path, leftBehind);
    }
    std::filesystem::path previous, path;
};

inline void writeFile(const std::filesystem::path& name, const std::string& content) {
    if (name.has_parent_path()) std::filesystem::create_directories(name.parent_path());
    std::ofstream(name, std::ios::binary) << content;
}

inline std::string readFile(const std::filesystem::path& name,
                            std::ios::openmode mode = std::ios::binary) {
    std::ostringstream text;
    text << std::ifstream(name, mode).rdbuf();
    return text.str();
}

// The log as the program writes it, a text file: its lines end in "\n" on every system.
inline std::string readLog() { return readFile("log.txt", std::ios::in); }

inline int countOf(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

}  // namespace testing_support

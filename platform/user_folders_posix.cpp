// The user's own folders on a POSIX desktop, as the XDG base-directory
// convention and xdg-user-dirs name them.
#include "platform/window.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace plat {

namespace {

std::string home() {
    const char* folder = std::getenv("HOME");
    return folder ? folder : "";
}

// The first line `xdg-user-dir PICTURES` prints; empty when it cannot run.
std::string askXdgUserDir() {
    FILE* pipe = popen("xdg-user-dir PICTURES 2>/dev/null", "r");
    if (!pipe) return "";
    char line[4096];
    std::string answer = std::fgets(line, sizeof line, pipe) ? line : "";
    pclose(pipe);
    if (!answer.empty() && answer.back() == '\n') answer.pop_back();
    return answer;
}

}  // namespace

std::string StateFolder() {
    // The convention ignores a relative path in the variable.
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/') return state;
    return home().empty() ? "" : home() + "/.local/state";
}

std::string ConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return config;
    return home().empty() ? "" : home() + "/.config";
}

std::string PicturesFolder() {
    if (home().empty()) return "";
    const std::string answer = askXdgUserDir();
    // xdg-user-dir answers the home folder itself when no pictures folder is set.
    if (answer.empty() || answer == home() || answer == home() + "/") return home() + "/Pictures";
    return answer;
}

bool CanWriteIn(const std::string& folder) { return access(folder.c_str(), W_OK) == 0; }

}  // namespace plat

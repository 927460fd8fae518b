#include "app/startup.h"

#include "app/log.h"
#include "platform/window.h"

#include <cstdio>
#include <string>

namespace fs = std::filesystem;

namespace {

bool holdsData(const fs::path& folder) {
    std::error_code error;
    return fs::exists(folder / "data/config.txt", error) ||
           fs::exists(folder / "data/settings.txt", error);
}

bool enter(const fs::path& folder) {
    std::error_code error;
    fs::current_path(folder, error);
    return !error;
}

}  // namespace

fs::path DataFolder(const fs::path& workDir, const fs::path& programDir) {
    if (holdsData(workDir) || programDir.empty()) return workDir;
    for (const fs::path& folder : {programDir, (programDir / "..").lexically_normal()})
        if (holdsData(folder)) return folder;
    return workDir;
}

bool StartRun(const char* title) {
    std::error_code error;
    const fs::path workDir = fs::current_path(error);
    const fs::path folder = DataFolder(workDir, plat::ProgramFolder());
    const bool moved = folder != workDir && enter(folder);
    log_init(title);
    if (moved)
        log_txt("Running in %s: the working directory %s has no data/config.txt or "
                "data/settings.txt",
                folder.string().c_str(), workDir.string().c_str());
    if (plat::HasDisplay()) return true;
    // Advice to name a display would mislead where one is named but cannot be opened.
    std::string message = plat::NamedDisplayError();
    if (message.empty()) message = "no display: set DISPLAY, or run under xvfb-run";
    std::fprintf(stderr, "%s\n", message.c_str());
    log_txt("%s", message.c_str());
    return false;
}

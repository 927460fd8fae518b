#include "app/startup.h"

#include "platform/log.h"
#include "platform/window.h"
#include "scene/frame_tools.h"

#include <cstdio>
#include <string>

namespace fs = std::filesystem;

namespace {

// Where `make install` and the package put the data, from the program's folder.
const char* const kInstalledData = "../share/games/3d-varne";

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

// 3d-varne/ in one of the user's folders; empty when there is no such folder.
std::string ownFolderIn(const std::string& userFolder) {
    return userFolder.empty() ? "" : (fs::path(userFolder) / "3d-varne").string();
}

// Makes the folder and its parents as needed; false when it is not there after.
bool made(const std::string& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    return fs::is_directory(folder, error);
}

// Points the log and the F12 screenshots (whose folder is made when the first
// is saved) at the user's folders and returns the log line saying so; empty,
// with nothing changed, when they cannot be had.
std::string writeInUserFolders(const fs::path& runFolder) {
    const std::string state = ownFolderIn(plat::StateFolder());
    const std::string pictures = ownFolderIn(plat::PicturesFolder());
    if (state.empty() || pictures.empty() || !made(state)) return "";
    log_set_folder(state);
    SetScreenshotFolder(pictures);
    return "Writing log.txt to " + state + " and screenshots to " + pictures + ": " +
           runFolder.string() + " cannot be written";
}

}  // namespace

fs::path DataFolder(const fs::path& workDir, const fs::path& programDir) {
    if (holdsData(workDir) || programDir.empty()) return workDir;
    for (const fs::path& folder : {programDir, programDir / "..", programDir / kInstalledData})
        if (holdsData(folder)) return folder.lexically_normal();
    return workDir;
}

bool StartRun(const char* title) {
    std::error_code error;
    const fs::path workDir = fs::current_path(error);
    const fs::path folder = DataFolder(workDir, plat::ProgramFolder());
    const bool moved = folder != workDir && enter(folder);
    const fs::path runFolder = moved ? folder : workDir;
    const std::string elsewhere = plat::CanWriteIn(".") ? "" : writeInUserFolders(runFolder);
    log_init(title);
    if (moved)
        log_txt("Running in %s: the working directory %s has no data/config.txt or "
                "data/settings.txt",
                folder.string().c_str(), workDir.string().c_str());
    if (!elsewhere.empty()) log_txt("%s", elsewhere.c_str());
    if (plat::HasDisplay()) return true;
    // Advice to name a display would mislead where one is named but cannot be opened.
    std::string message = plat::NamedDisplayError();
    if (message.empty()) message = "no display: set DISPLAY, or run under xvfb-run";
    std::fprintf(stderr, "%s\n", message.c_str());
    log_txt("%s", message.c_str());
    return false;
}


std::string CommandLineShotPath(const std::string& name) {
    const fs::path path(name);
    if (name.empty()) return name;
    if (path.is_absolute() || plat::CanWriteIn(".")) return fs::absolute(path).string();
    const std::string pictures = ownFolderIn(plat::PicturesFolder());
    if (pictures.empty() || !made(pictures)) return fs::absolute(path).string();
    return (fs::path(pictures) / path).string();
}

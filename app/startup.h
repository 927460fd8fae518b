// What a run settles before its first window: the folder it runs in, the log,
// and whether there is a display to open windows on.
#pragma once

#include <filesystem>

// The first of the working directory, the program's folder and that folder's
// parent that holds data/config.txt or data/settings.txt; the working
// directory when none does.
std::filesystem::path DataFolder(const std::filesystem::path& workDir,
                                 const std::filesystem::path& programDir);
// Moves to the DataFolder and starts the log there under the title, naming the
// folder when it is not the working directory. False, said on standard error
// and in the log, when no display can be reached: the display the environment
// names with SDL's reason, or that none is named.
bool StartRun(const char* title);

// What a run settles before its first window: the folder it runs in, where it
// writes its files, the log, and whether there is a display to open windows on.
#pragma once

#include <filesystem>
#include <string>

// The first of the working directory, the program's folder, that folder's
// parent (a build folder in a checkout) and ../share/games/3d-varne from it
// (an installed copy) that holds data/config.txt or data/settings.txt; the
// working directory when none does.
std::filesystem::path DataFolder(const std::filesystem::path& workDir,
                                 const std::filesystem::path& programDir);
// Moves to the DataFolder and starts the log under the title. The log and F12
// screenshots stay in that folder when it can be written, as in a checkout;
// else (an installed copy) they go to 3d-varne/ in the user's state and
// pictures folders, which the log names. The log names the DataFolder too when
// it is not the working directory. False, said on standard error and in the
// log, when no display can be reached: the display the environment names with
// SDL's reason, or that none is named.
bool StartRun(const char* title);
// The file --screenshot names, made absolute: against the working directory,
// or, when that cannot be written and the name is relative (a run from /),
// in 3d-varne/ of the user's pictures folder, made as needed.
std::string CommandLineShotPath(const std::string& name);

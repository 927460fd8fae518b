// Standard output and error of a windowed Windows program. Started from a
// console, such a program inherits no handles to it, so --help and the
// messages of a refused option would vanish; it attaches to its parent's
// console instead. Handles that lead somewhere already (a file, a pipe, a
// console Wine passes on) are kept. Kept apart from the platform header, whose
// names <windows.h> would rename.
#include <windows.h>

#include <cstdio>

namespace plat {

void UseParentConsole() {
    const bool out = GetStdHandle(STD_OUTPUT_HANDLE) != nullptr;
    const bool err = GetStdHandle(STD_ERROR_HANDLE) != nullptr;
    if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!out) std::freopen("CONOUT$", "w", stdout);
    if (!err) std::freopen("CONOUT$", "w", stderr);
}

}  // namespace plat

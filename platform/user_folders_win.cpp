// Windows has no XDG folders: the zip is unpacked into a folder of the user's,
// where the program writes its files as from a source checkout.
#include "platform/window.h"

#include <cstdlib>

namespace plat {

std::string StateFolder() { return ""; }
std::string PicturesFolder() { return ""; }

std::string ConfigFolder() {
    const char* appData = std::getenv("APPDATA");
    return appData ? appData : "";
}
bool CanWriteIn(const std::string&) { return true; }

}  // namespace plat

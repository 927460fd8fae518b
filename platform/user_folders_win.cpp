// Windows has no XDG folders: the zip is unpacked into a folder of the user's,
// where the program writes its files as from a source checkout.
#include "platform/window.h"

namespace plat {

std::string StateFolder() { return ""; }
std::string PicturesFolder() { return ""; }
bool CanWriteIn(const std::string&) { return true; }

}  // namespace plat

// The executable's folder over SDL2.
#include "platform/sdl_internal.h"

namespace plat {

std::string ProgramFolder() {
    char* base = SDL_GetBasePath();
    const std::string folder = base ? base : "";
    SDL_free(base);
    return folder;
}

}  // namespace plat

// Maps SDL key codes to the virtual-key codes the program works with.
#pragma once

namespace plat {
// 0 for keys the program has no code for.
unsigned virtualKeyFromSdl(int sdlKey);
}

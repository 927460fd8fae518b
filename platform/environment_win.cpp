// The process environment on Windows: the C runtime's copy, which getenv reads,
// and the system's, which it passes on.
#include "platform/window.h"

#include <cstdlib>

namespace plat {

bool SetEnvironmentVariable(const char* name, const char* value) {
    return _putenv_s(name, value ? value : "") == 0;
}

}  // namespace plat

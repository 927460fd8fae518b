// The process environment on POSIX systems.
#include "platform/window.h"

#include <cstdlib>

namespace plat {

bool SetEnvironmentVariable(const char* name, const char* value) {
    return (value ? setenv(name, value, 1) : unsetenv(name)) == 0;
}

// A terminal's program inherits its standard streams.
void UseParentConsole() {}

}  // namespace plat

#include "app/startup.h"

#include "app/log.h"
#include "platform/window.h"

#include <cstdio>

bool StartRun(const char* title) {
    log_init(title);
    if (plat::HasDisplay()) return true;
    const char* const message = "no display: set DISPLAY, or run under xvfb-run";
    std::fprintf(stderr, "%s\n", message);
    log_txt("%s", message);
    return false;
}

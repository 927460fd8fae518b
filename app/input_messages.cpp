#include "app/input_messages.h"

bool HandleInputMessage(unsigned msg, plat::WPARAM wParam, bool& active, bool (&keys)[256]) {
    switch (msg) {
    case plat::WM_ACTIVATE: active = plat::hiWord(wParam) == 0; return true;
    case plat::WM_SYSCOMMAND:
        return wParam == plat::SC_SCREENSAVE || wParam == plat::SC_MONITORPOWER;
    case plat::WM_KEYDOWN:
    case plat::WM_KEYUP:
        if (wParam < 256) keys[wParam] = msg == plat::WM_KEYDOWN;
        return true;
    default: return false;
    }
}

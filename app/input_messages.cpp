#include "app/input_messages.h"

namespace {

void setKey(unsigned key, bool down, bool (&keys)[256], KeyTaps& taps) {
    if (down) {
        keys[key] = true;
        taps.unread[key] = true;
        taps.released[key] = false;
    } else if (taps.unread[key]) {
        taps.released[key] = true;
    } else {
        keys[key] = false;
    }
}

}  // namespace

bool HandleInputMessage(unsigned msg, plat::WPARAM wParam, bool& active, bool (&keys)[256],
                        KeyTaps& taps) {
    switch (msg) {
    case plat::WM_ACTIVATE: active = plat::hiWord(wParam) == 0; return true;
    case plat::WM_SYSCOMMAND:
        return wParam == plat::SC_SCREENSAVE || wParam == plat::SC_MONITORPOWER;
    case plat::WM_KEYDOWN:
    case plat::WM_KEYUP:
        if (wParam < 256) setKey(unsigned(wParam), msg == plat::WM_KEYDOWN, keys, taps);
        return true;
    default: return false;
    }
}

void FrameReadKeys(bool (&keys)[256], KeyTaps& taps) {
    for (int key = 0; key < 256; ++key) {
        if (taps.released[key]) keys[key] = false;
        taps.unread[key] = taps.released[key] = false;
    }
}

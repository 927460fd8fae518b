#include "app/input_messages.h"

namespace {

void setKey(unsigned key, bool down, bool (&keys)[256], KeyTaps& taps) {
    const bool last = keys[key] != (taps.waiting[key] % 2 == 1);  // once all changes are shown
    if (down == last) return;  // auto-repeat, or the key-up of a key that is up
    if (taps.unread[key]) {
        ++taps.waiting[key];
    } else {
        keys[key] = down;
        taps.unread[key] = true;
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
    case plat::WM_LBUTTONDOWN:
    case plat::WM_LBUTTONUP:
        setKey(plat::VK_LBUTTON, msg == plat::WM_LBUTTONDOWN, keys, taps);
        return true;
    case plat::WM_RBUTTONDOWN:
    case plat::WM_RBUTTONUP:
        setKey(plat::VK_RBUTTON, msg == plat::WM_RBUTTONDOWN, keys, taps);
        return true;
    default: return false;
    }
}

void FrameReadKeys(bool (&keys)[256], KeyTaps& taps) {
    for (int key = 0; key < 256; ++key) {
        taps.unread[key] = taps.waiting[key] > 0;
        if (taps.unread[key]) {
            --taps.waiting[key];
            keys[key] = !keys[key];
        }
    }
}

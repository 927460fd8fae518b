#include "platform/input_messages.h"

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

// True when handled; other messages, and other system commands, are left to the caller.
bool handleInput(const ProgramWindow& window, unsigned msg, plat::WPARAM wParam) {
    switch (msg) {
    case plat::WM_ACTIVATE: window.active = plat::hiWord(wParam) == 0; return true;
    case plat::WM_SYSCOMMAND:
        return wParam == plat::SC_SCREENSAVE || wParam == plat::SC_MONITORPOWER;
    case plat::WM_KEYDOWN:
    case plat::WM_KEYUP:
        if (wParam < 256)
            setKey(unsigned(wParam), msg == plat::WM_KEYDOWN, window.keys, window.taps);
        return true;
    case plat::WM_LBUTTONDOWN:
    case plat::WM_LBUTTONUP:
        setKey(plat::VK_LBUTTON, msg == plat::WM_LBUTTONDOWN, window.keys, window.taps);
        return true;
    case plat::WM_RBUTTONDOWN:
    case plat::WM_RBUTTONUP:
        setKey(plat::VK_RBUTTON, msg == plat::WM_RBUTTONDOWN, window.keys, window.taps);
        return true;
    default: return false;
    }
}

// Called after each frame: shows the next waiting change of each key.
void frameReadKeys(bool (&keys)[256], KeyTaps& taps) {
    for (int key = 0; key < 256; ++key) {
        taps.unread[key] = taps.waiting[key] > 0;
        if (taps.unread[key]) {
            --taps.waiting[key];
            keys[key] = !keys[key];
        }
    }
}

}  // namespace

plat::LRESULT HandleWindowMessage(const ProgramWindow& window, plat::Window* handle, unsigned msg,
                                  plat::WPARAM wParam, plat::LPARAM lParam) {
    switch (msg) {
    case plat::WM_CLOSE:
        if (window.close) window.close();
        plat::PostQuitMessage(0);
        return 0;
    case plat::WM_SIZE:
        window.resize(int(plat::loWord(plat::WPARAM(lParam))),
                      int(plat::hiWord(plat::WPARAM(lParam))));
        return 0;
    default: break;
    }
    if (handleInput(window, msg, wParam)) return 0;
    return plat::DefWindowProc(handle, msg, wParam, lParam);
}

bool RunMessageLoop(const ProgramWindow& window, const std::function<void()>& frame,
                    const bool& stop) {
    while (!stop) {
        plat::Message msg;
        if (plat::PeekMessage(&msg)) {
            if (msg.message == plat::WM_QUIT) return false;
            plat::TranslateMessage(msg);
            plat::DispatchMessage(msg);
        } else if (window.active && window.keys[plat::VK_ESCAPE]) {
            return false;
        } else {
            frame();
            frameReadKeys(window.keys, window.taps);
        }
    }
    return true;
}

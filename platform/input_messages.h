// What both program windows (the launcher and the scene) do alike: their
// window procedure and their message and frame loop, over the key state their
// frames read.
#pragma once

#include "platform/window.h"

#include <functional>

// Key changes that wait for a frame: every change of a key's state is read by
// at least one frame before the next, so a quick tap (or two) between two frames
// is not lost; a key held across frames changes at once, as it always did.
struct KeyTaps {
    bool unread[256] = {};  // the key changed since a frame last read the keys
    int waiting[256] = {};  // later changes, each shown to a frame of its own
};

// One program window: the input its procedure writes and its frames read, and
// what the window does itself when it is asked to close or changes size.
struct ProgramWindow {
    bool& active;       // false while minimised
    bool (&keys)[256];  // held, by virtual-key code (mouse buttons as VK_LBUTTON, VK_RBUTTON)
    KeyTaps& taps;
    void (*close)();  // before the quit is posted on a close request; may be null
    void (*resize)(int width, int height);
};

// The window procedure of both windows: a close request runs close and posts
// the quit; a size change goes to resize; activation (active unless
// minimised), key and mouse-button changes are kept in the window's input;
// the screen saver and monitor power-off are refused. Everything else goes to
// the default procedure.
plat::LRESULT HandleWindowMessage(const ProgramWindow& window, plat::Window* handle, unsigned msg,
                                  plat::WPARAM wParam, plat::LPARAM lParam);

// The message and frame loop of both windows: dispatches every waiting
// message; when none waits, ends on Escape (unless minimised) or else runs one
// frame, after which keys tapped since the previous frame are let go. Runs
// while stop is false; returns false when it ended on the quit message or
// Escape, true when stop was set.
bool RunMessageLoop(const ProgramWindow& window, const std::function<void()>& frame,
                    const bool& stop);

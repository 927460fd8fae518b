// Window messages that both program windows handle alike.
#pragma once

#include "platform/window.h"

// Key changes that wait for a frame: every change of a key's state is read by
// at least one frame before the next, so a quick tap (or two) between two frames
// is not lost; a key held across frames changes at once, as it always did.
struct KeyTaps {
    bool unread[256] = {};  // the key changed since a frame last read the keys
    int waiting[256] = {};  // later changes, each shown to a frame of its own
};

// Activation (active unless minimised), refusal of the screen saver and
// monitor power-off, and key state by virtual-key code (the mouse buttons
// held as VK_LBUTTON and VK_RBUTTON). True when handled;
// other messages, and other system commands, are left to the caller.
bool HandleInputMessage(unsigned msg, plat::WPARAM wParam, bool& active, bool (&keys)[256],
                        KeyTaps& taps);
// Called after each frame: shows the next waiting change of each key.
void FrameReadKeys(bool (&keys)[256], KeyTaps& taps);

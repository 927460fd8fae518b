// Window messages that both program windows handle alike.
#pragma once

#include "platform/window.h"

// Key-ups that wait for a frame: a key pressed and released between two frames
// stays down until one frame has read the keys, so a quick tap is not lost.
struct KeyTaps {
    bool unread[256] = {};    // went down since a frame last read the keys
    bool released[256] = {};  // and is up again
};

// Activation (active unless minimised), refusal of the screen saver and
// monitor power-off, and key state by virtual-key code. True when handled;
// other messages, and other system commands, are left to the caller.
bool HandleInputMessage(unsigned msg, plat::WPARAM wParam, bool& active, bool (&keys)[256],
                        KeyTaps& taps);
// Called after each frame: lets go of the keys whose key-up waited for it.
void FrameReadKeys(bool (&keys)[256], KeyTaps& taps);

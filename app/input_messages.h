// Window messages that both program windows handle alike.
#pragma once

#include "platform/window.h"

// Activation (active unless minimised), refusal of the screen saver and
// monitor power-off, and key state by virtual-key code. True when handled;
// other messages, and other system commands, are left to the caller.
bool HandleInputMessage(unsigned msg, plat::WPARAM wParam, bool& active, bool (&keys)[256]);

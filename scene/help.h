// The help screen shown while F1 is held: the title and every control, as
// README.md's table lists them.
#pragma once

#include <span>

struct Control {
    const char* keys;
    const char* effect;
};

// Every control in the order of README.md's table.
std::span<const Control> Controls();
// Clears the view and draws the screen in the texts' own colours, unlit.
void DrawHelp();

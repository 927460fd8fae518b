// Where a frame's input comes from: the live timer, keys and pointer, or a
// script (a replay) that supplies them; a script may also keep what the frame
// saw (a recording).
#pragma once

#include "io/recording.h"
#include "platform/window.h"

// The main window's input, written by its window procedure (app/main.cpp).
extern bool keys[256];    // key held, by virtual-key code
extern bool active;       // false while the scene window is minimised
extern plat::Point mpos;  // where the mouse pointer was found this frame

class FrameScript {
public:
    virtual ~FrameScript() = default;
    // Whether the frame reads the live timer and pointer before pass.
    virtual bool readsLiveInput() const = 0;
    // Sees the frame's input before the frame uses it, and may replace it.
    virtual void pass(FrameInput& input) = 0;
    // Sees the frame's input again once the frame has taken its physics steps
    // (input.steps): all a recording keeps.
    virtual void stepped(const FrameInput& input) = 0;
};

// The frame's input: the timer's rate and step (rate first, as the frame
// always read them), the pointer's move (none while the panel is shown) and the
// panel's next command; with a script (null for live
// input), also the keys held, then passed through it, and the keys it gives
// become the held keys.
FrameInput TakeFrameInput(FrameScript* script);
// While the scene window has the focus and is not minimised, pins the pointer
// to the window's centre and gives in input how far it moved from there since
// the previous frame, with pointerHeld false when the pointer was not pinned
// or the centre moved (the window was moved or resized).
void ReadPointer(FrameInput& input);

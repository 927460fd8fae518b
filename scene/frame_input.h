// Where a frame's input comes from: the live timer, keys and pointer, or a
// script (a replay) that supplies them; a script may also keep what the frame
// saw (a recording).
#pragma once

#include "io/recording.h"

class FrameScript {
public:
    virtual ~FrameScript() = default;
    // Whether the frame reads the live timer and pointer before pass.
    virtual bool readsLiveInput() const = 0;
    // Sees the frame's input before the frame uses it, and may replace it.
    virtual void pass(FrameInput& input) = 0;
};

// The script of this run, or null for live input; set by the program's entry.
extern FrameScript* frameScript;

// The frame's input: the timer's rate and step (rate first, as the frame
// always read them) and the pointer's move; with a script, also the keys held,
// then passed through it, and the keys it gives become the held keys.
FrameInput TakeFrameInput();

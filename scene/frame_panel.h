// The control panel inside a frame: Tab shows and hides it, the frame applies
// the panel's command of its input, and draws the panel over the scene.
#pragma once

#include "io/recording.h"

// Tab's press: shows or hides the panel, the pointer freed or given back to the look.
void TogglePanel();
// Applies a panel command as a key press is applied: before the physics step.
void ApplyPanelCommand(const PanelCommand& command);
// The panel over the frame, while it is shown.
void DrawPanelOverScene();
// Saves the panel's layout and stops it; at the program's end.
void ClosePanelAtExit();

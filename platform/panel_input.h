// The control panel's input over the window system: Dear ImGui's SDL2 backend
// fed from the program's event pump. The caller owns ImGui's context and makes
// it before PanelInputStart.
#pragma once

namespace plat {

// Starts the backend on the window whose GL context is current; false when
// there is none.
bool PanelInputStart();
void PanelInputNewFrame();  // before ImGui::NewFrame
void PanelInputStop();
// While on, every event goes to the panel too, and the panel keeps for itself
// the mouse buttons pressed and, while one of its text fields has the focus,
// the keys pressed; releases still reach the program, so nothing stays held.
void SetPanelInput(bool on);

}  // namespace plat

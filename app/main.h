// Process entry, the main window's procedure, the message and frame loop, and
// the scene shut-down.
#pragma once

#include "platform/window.h"

// Reads the command line, then runs WinMain; a wrong option or a refused
// recording ends the run with exit code 2 before anything opens.
int RunProgram(int argc, char* const* argv);
// Runs the whole program; the exit code is 1 when there is no display or the
// last frame could not be saved, 2 when a recording cannot be written, else 0.
int WinMain();
plat::LRESULT WndProc(plat::Window* window, unsigned msg, plat::WPARAM wParam, plat::LPARAM lParam);
// Releases the physics world and the audio; runs at most once per run.
void OnClose();
// Dispatches every waiting message; when none waits, ends on Escape (unless
// minimised) or else draws and presents one frame with drawFrame, after which
// keys tapped since the previous frame are let go. Returns on the quit message.
void MainLoop(void (*drawFrame)());

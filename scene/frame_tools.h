// The viewer's tools inside a frame: their keys and mouse buttons, the held
// body following the view, the debug view and the tools' overlay lines.
#pragma once

#include "play/key_presses.h"

#include <string>

// F2 pause, F3 step, F4 debug view, F5 reset, F6 statistics, F7 / F8 speed,
// F9 the next scene, F10 shadows, the left button taking a body and the right one throwing a ball.
void ApplyToolKeys(const KeyPresses& presses);
// Bodies and camera back to their start; thrown balls and spawned bodies gone.
void ResetScene();
// Shows scene `index` of kSceneNames from its start, as ResetScene leaves a
// scene, and logs its name. F9 chooses the one after the shown one (after the
// last, the demo's own).
void ChooseScene(int index);
// Keeps the held body at its distance along the view; lets it go once the
// left button is up. After the camera has moved for the frame.
void MoveHeldBody();
// The debug view, when on, over the drawn scene.
void DrawToolViews();
// The run's state line (paused, speed), the statistics when on and, while
// the left button is held, the crosshair; over the overlay's own lines.
void DrawToolOverlay();
// Saves the frame drawn so far under the screenshot folder and logs the file's name.
void SaveScreenshot();
// Where F12 screenshots go: "screenshots" in the folder the run is in, unless
// the start-up chose another (made when the first is saved).
void SetScreenshotFolder(const std::string& folder);

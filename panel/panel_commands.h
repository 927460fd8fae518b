// What the control panel can change, as commands: the panel queues them, the
// frame takes one a frame into its input (so a recording keeps it) and applies
// it as it applies a key press (scene/frame_panel.cpp).
#pragma once

#include "io/recording.h"

enum PanelOp : std::uint8_t {
    kPanelNone,
    kPanelPause,             // pause or resume, as F2
    kPanelStep,              // one step while paused, as F3
    kPanelSpeed,             // value[0]: the slowdown level, speed 1 / 2^level
    kPanelReset,             // as F5
    kPanelGravity,           // value[0]: the scale of the scene's gravity, 0 to 3
    kPanelSolverIterations,  // value[0]: the solver's iterations a step, 1 to kMaxSolverIterations
    kPanelSpawn,             // value[0]: a SpawnKind, value[1]: how many
    kPanelClearSpawned,
    kPanelLight,       // value: the light's position
    kPanelVolume,      // value[0]: the music's volume, 0 to 100
    kPanelMute,        // value[0]: 1 mutes the music, 0 gives it back
    kPanelDebugParts,  // value[0]: the debug view's NewtonDebugPart bits
    kPanelStats,       // value[0]: 1 shows the statistics, 0 hides them
    kPanelScreenshot,  // as F12
    kPanelScene,       // value[0]: the scene to show from its start, a number in kSceneNames
    kPanelShadows,     // value[0]: 1 turns shadows on, 0 off (as F10 toggles them)
};

constexpr int kMaxSolverIterations = 50;

PanelCommand MakePanelCommand(PanelOp op, float a = 0, float b = 0, float c = 0);
// Queues a command the panel made; the frame takes them in order, one a frame.
void QueuePanelCommand(const PanelCommand& command);
// The oldest queued command, or none (op kPanelNone).
PanelCommand TakePanelCommand();

// The control panel (Tab): Dear ImGui over the scene, showing what the run is
// doing and queuing a command (panel/panel_commands.h) for every change asked
// for. It draws nothing and touches no state of the program itself.
#pragma once

#include "platform/newton.h"
#include "play/frame_stats.h"
#include "render/vector_math.h"

#include <string>

// What the panel shows, as the frame found it.
struct PanelState {
    bool paused = false;
    int slowdown = 0;  // speed 1 / 2^slowdown
    float gravityScale = 1;
    int solverIterations = 0;
    NewtonWorldStats counts{};
    Vertex light{0, 0, 0};
    int musicVolume = 0;
    bool muted = false;
    int debugParts = 0;
    bool stats = false;
    bool shadows = false;  // asked for
    const FrameSeries* frameMs = nullptr;
    const FrameSeries* physicsMs = nullptr;
    int scene = 0;             // the scene shown, a number in kSceneNames
    double realTimeShare = 0;  // simulated time over real time, the last second
};

// Draws the panel over the frame drawn so far. The first call starts ImGui on
// the current GL context, its layout kept in layoutFile ("" keeps none).
void DrawPanel(const PanelState& state, const std::string& layoutFile);
// Gives the mouse and keys back to the program, or to the panel.
void SetPanelShown(bool shown);
// Saves the layout and stops ImGui, if it was started.
void ClosePanel();
// "median 16.7 ms, worst 33.4 ms": what is written beside a plot.
std::string PlotCaption(const FrameSeries& series);

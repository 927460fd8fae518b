// The command line: GNU-style long options that run the demo without the
// launcher, for a fixed number of frames, with a fixed time step, a screenshot,
// extra boxes, or recording and replaying a run's input.
#pragma once

#include <string>

// What the command line asks for; the defaults are the program as it runs without options.
struct RunOptions {
    int mode = -1;           // --mode N: launcher entry 0-8 chosen without the launcher
    long frames = 0;         // --frames N: quit after N frames (0: run until quit)
    std::string screenshot;  // --screenshot FILE: the last frame as PNG
    double fixedStep = 0;    // --fixed-step S: every frame S seconds long (0: real time)
    int boxes = 0;           // --boxes N: N extra boxes of edge 2 in a grid above the floor
    int scene = 0;           // --scene NAME: the scene's number in kSceneNames (0: the demo's own)
    std::string record;      // --record FILE
    std::string replay;      // --replay FILE
    bool shadows = false;    // --shadows: shadows from the light on from the start

    bool operator==(const RunOptions&) const = default;
};
// The outcome of reading the command line: run with options, or stop with exitCode
// (0 after --help / --version, 2 after a wrong option) once `message` has been printed by the
// caller (to stdout for 0, to stderr for 2). The message ends with a line end.
struct OptionsResult {
    RunOptions options;
    bool run = true;
    int exitCode = 0;
    std::string message;
};
// Reads argv[1..argc-1]; may be called again (it resets getopt's state) and
// never prints anything itself.
OptionsResult ParseOptions(int argc, char* const* argv);

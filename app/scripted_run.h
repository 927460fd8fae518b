// A run shaped by the command line: the screen mode without the launcher, a
// fixed frame time, a frame limit, a screenshot of the last frame, and the
// input recorded or replayed, with a hash of the bodies' final state.
#pragma once

#include "app/options.h"
#include "io/recording.h"
#include "scene/frame_input.h"

#include <cstdint>
#include <memory>

class Recorder;

class ScriptedRun {
public:
    // Takes the options (file names made absolute, as the run later moves to
    // its data folder; a screenshot's as CommandLineShotPath says) and reads a replay's recording
    // whole. False, with the reason on standard error, when the recording is refused.
    bool prepare(RunOptions given);
    // The launcher entry to start with instead of the launcher, or -1.
    int presetMode() const;
    // How many extra boxes the scene drops: the command line's, or the replayed run's.
    int stressBoxes() const { return options.boxes; }
    // The scene to show first (a number in kSceneNames): the command line's, or the replayed run's.
    int scene() const { return options.scene; }
    // Whether the scene starts with shadows on (--shadows; a replay too).
    bool shadows() const { return options.shadows; }
    // Once the mode is known and before the scene is set up: the fixed clock
    // and the physics' time budget for live frames, and a recording opened. False, said on standard
    // error, when the recording cannot be written.
    bool start(int mode);
    // What hands each frame its input: the replay or the recording, or null
    // for live input.
    FrameScript* frameScript() const { return script.get(); }
    // Around each frame: the fixed clock moves on before; after (and before
    // the frame is shown) the frame is counted, the bodies' state hashed, the
    // last frame saved as PNG and the quit posted when the limit is reached.
    void beforeFrame();
    void afterFrame();
    // Closes a recording and prints the final hash of a recorded or replayed run;
    // a run that ended before its screenshot could be saved fails, said on standard error.
    void finish();
    // 1 when the last frame or the recording could not be written, else 0.
    int exitCode() const { return failed ? 1 : 0; }

private:
    void reportUnsavedShot();

    RunOptions options;
    std::unique_ptr<FrameScript> script;
    Recorder* recorder = nullptr;  // the script, when it records
    long frameLimit = 0;
    long framesDone = 0;
    std::uint64_t stateHash = 0;
    int replayMode = -1;
    bool shotTried = false;  // the last frame was saved, or that failed and was said
    bool failed = false;
};

// The hash of every body's matrix: the shown scene's (the listed ones and the
// stress boxes, or a classic scene's), then the thrown balls.
std::uint64_t BodiesStateHash();

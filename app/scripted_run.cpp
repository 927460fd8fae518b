#include "app/scripted_run.h"

#include "app/startup.h"
#include "physics/newton_primitive.h"
#include "platform/log.h"
#include "platform/window.h"
#include "play/play_tools.h"
#include "render/png_file.h"
#include "scene/scene_choice.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

// Keeps every frame's input in the recording as the frame saw it.
class Recorder : public FrameScript {
public:
    bool readsLiveInput() const override { return true; }
    void pass(FrameInput& input) override { writer.Append(input); }

    RecordingWriter writer;
};

namespace {

constexpr std::int64_t kFixedTicksPerSecond = 1000000000;
std::int64_t fixedTicks = 0;

std::int64_t fixedCounter() { return fixedTicks; }

// Gives the frames the recorded input, one record a frame.
class Replayer : public FrameScript {
public:
    explicit Replayer(std::vector<FrameInput> frames) : frames(std::move(frames)) {}
    bool readsLiveInput() const override { return false; }
    void pass(FrameInput& input) override {
        if (next < frames.size()) input = frames[next++];
    }

private:
    std::vector<FrameInput> frames;
    std::size_t next = 0;
};

void makeAbsolute(std::string& path) {
    if (!path.empty()) path = std::filesystem::absolute(path).string();
}

void hashBytes(std::uint64_t& hash, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 0x100000001b3ull;  // FNV-1a
}

void hashBody(std::uint64_t& hash, const NewtonBody* body) {
    float matrix[16];
    NewtonBodyGetMatrix(body, matrix);
    hashBytes(hash, matrix, sizeof matrix);
}

}  // namespace

std::uint64_t BodiesStateHash() {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    if (const ClassicScene* classic = ShownClassicScene()) {
        for (const auto& body : classic->bodies()) hashBody(hash, body->getBody());
    } else {
        for (const auto* node = &NewtonObjects; node; node = node->getNext())
            if (node->getData() && node->getData()->getBody())
                hashBody(hash, node->getData()->getBody());
        for (const auto& box : tools.stress.all()) hashBody(hash, box->getBody());
    }
    for (const auto& ball : tools.balls.all()) hashBody(hash, ball->getBody());
    return hash;
}

bool ScriptedRun::prepare(RunOptions given) {
    options = std::move(given);
    options.screenshot = CommandLineShotPath(options.screenshot);
    for (std::string* path : {&options.record, &options.replay}) makeAbsolute(*path);
    frameLimit = options.frames;
    if (options.replay.empty()) return true;
    std::string error;
    std::optional<Recording> recording = ReadRecording(options.replay, error);
    if (recording && recording->frames.empty()) error = options.replay + ": holds no frame";
    if (!recording || !error.empty()) {
        std::fprintf(stderr, "3d-varne: --replay: %s\n", error.c_str());
        return false;
    }
    replayMode = recording->header.mode;
    options.boxes = recording->header.boxes;
    options.scene = recording->header.scene;
    const long recorded = long(recording->frames.size());
    frameLimit = frameLimit > 0 ? std::min(frameLimit, recorded) : recorded;
    script = std::make_unique<Replayer>(std::move(recording->frames));
    return true;
}

int ScriptedRun::presetMode() const { return replayMode >= 0 ? replayMode : options.mode; }

bool ScriptedRun::start(int mode) {
    if (options.fixedStep > 0) plat::SetCounterSource(fixedCounter, kFixedTicksPerSecond);
    if (options.record.empty()) return true;
    auto writing = std::make_unique<Recorder>();
    std::string error;
    if (!writing->writer.Open(options.record, {mode, options.boxes, options.scene}, error)) {
        std::fprintf(stderr, "3d-varne: --record: %s\n", error.c_str());
        return false;
    }
    recorder = writing.get();
    script = std::move(writing);
    return true;
}

void ScriptedRun::beforeFrame() {
    if (options.fixedStep > 0) fixedTicks += std::llround(options.fixedStep * kFixedTicksPerSecond);
}

void ScriptedRun::afterFrame() {
    ++framesDone;
    if (script) stateHash = BodiesStateHash();
    if (frameLimit <= 0 || framesDone != frameLimit) return;
    if (!options.screenshot.empty()) {
        shotTried = true;
        std::string error;
        if (SaveFramePng(options.screenshot, error)) {
            log_txt("Screenshot saved: %s", options.screenshot.c_str());
        } else {
            std::fprintf(stderr, "3d-varne: --screenshot: %s\n", error.c_str());
            failed = true;
        }
    }
    plat::PostQuitMessage(0);
}

void ScriptedRun::reportUnsavedShot() {
    if (frameLimit > 0) {
        std::fprintf(stderr,
                     "3d-varne: --screenshot: the run ended after %ld of %ld frames, before the "
                     "last could be saved\n",
                     framesDone, frameLimit);
    } else {
        std::fputs("3d-varne: --screenshot: nothing saved: without --frames no frame is the last\n",
                   stderr);
    }
    failed = true;
}

void ScriptedRun::finish() {
    if (!options.screenshot.empty() && !shotTried) reportUnsavedShot();
    std::string error;
    if (recorder && !recorder->writer.Close(error)) {
        std::fprintf(stderr, "3d-varne: --record: %s\n", error.c_str());
        failed = true;
    }
    if (!script) return;
    std::printf("final state hash: %016llx (%ld frames)\n", (unsigned long long)stateHash,
                framesDone);
    log_txt("final state hash: %016llx (%ld frames)", (unsigned long long)stateHash, framesDone);
}

#include "scene/frame_input.h"

#include "scene/frame.h"
#include "scene/timer.h"

FrameScript* frameScript = nullptr;

namespace {

void packKeys(FrameInput& input) {
    input.keys.fill(0);
    for (int key = 0; key < 256; ++key)
        if (keys[key]) input.keys[std::size_t(key / 8)] |= std::uint8_t(1u << (key % 8));
}

void unpackKeys(const FrameInput& input) {
    for (int key = 0; key < 256; ++key)
        keys[key] = (input.keys[std::size_t(key / 8)] >> (key % 8)) & 1;
}

}  // namespace

FrameInput TakeFrameInput() {
    FrameInput input;
    if (!frameScript || frameScript->readsLiveInput()) {
        input.fps = timer.GetFPS(1);
        input.seconds = timer.GetElapsedSeconds(1);
        if (!keys[plat::VK_F1]) ReadPointer(input);  // the help screen leaves the pointer be
    }
    if (!frameScript) return input;  // the frame reads the held keys themselves
    packKeys(input);
    frameScript->pass(input);
    unpackKeys(input);
    return input;
}

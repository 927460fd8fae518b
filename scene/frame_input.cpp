#include "scene/frame_input.h"

#include "panel/panel_commands.h"
#include "play/play_tools.h"
#include "scene/timer.h"

plat::Point mpos;

namespace {

bool pointerHeld = false;  // whether the last frame pinned the pointer
plat::Point pinnedAt;      // where, in screen coordinates

// The centre of the window in screen coordinates.
plat::Point centreOf(plat::Window* window) {
    plat::Rect client;
    plat::GetClientRect(window, &client);
    plat::Point centre{client.right / 2, client.bottom / 2};
    plat::ClientToScreen(window, &centre);
    return centre;
}

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

FrameInput TakeFrameInput(FrameScript* script) {
    FrameInput input;
    if (!script || script->readsLiveInput()) {
        input.fps = timer.GetFPS(1);
        input.seconds = timer.GetElapsedSeconds(1);
        if (tools.panelShown) pointerHeld = false;  // the panel's: taking it back turns nothing
        else if (!keys[plat::VK_F1]) ReadPointer(input);  // the help screen leaves it be
        input.panel = TakePanelCommand();
    }
    if (!script) return input;  // the frame reads the held keys themselves
    packKeys(input);
    script->pass(input);
    unpackKeys(input);
    return input;
}

void ReadPointer(FrameInput& input) {
    plat::Window* window = active ? plat::GetFocus() : nullptr;
    const plat::Point centre = window ? centreOf(window) : plat::Point{};
    // The pointer was elsewhere, or the window was moved or resized under it:
    // taking it to the centre turns nothing.
    input.pointerHeld = pointerHeld && window && centre.x == pinnedAt.x && centre.y == pinnedAt.y;
    pointerHeld = window != nullptr;
    pinnedAt = centre;
    if (!window) return;
    plat::GetCursorPos(&mpos);
    plat::SetCursorPos(centre.x, centre.y);
    input.lookX = centre.x - mpos.x;
    input.lookY = centre.y - mpos.y;
}

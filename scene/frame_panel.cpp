#include "scene/frame_panel.h"

#include "config/settings.h"
#include "panel/panel.h"
#include "panel/panel_commands.h"
#include "panel/panel_layout.h"
#include "physics/newton_box.h"
#include "physics/newton_cylinder.h"
#include "physics/newton_model.h"
#include "physics/newton_sphere.h"
#include "platform/log.h"
#include "platform/window.h"
#include "play/play_tools.h"
#include "scene/camera.h"
#include "scene/frame_tools.h"
#include "scene/scene_choice.h"
#include "scene/setup.h"
#include "scene/shadows.h"
#include "sound/sound.h"

#include <memory>

namespace {

constexpr int kStartVolume = 75;  // the music's volume at the start, as scene/setup.cpp plays it
int musicVolume = kStartVolume;
bool muted = false;

// A recorded value as a whole number within [low, high]; NaN gives low.
int wholeWithin(float value, int low, int high) {
    return !(value >= float(low)) ? low : value > float(high) ? high : int(value);
}

// Spawned bodies weigh as the scene's own of their kind; spheres and cylinders
// get the inertia of their shape.
std::unique_ptr<NewtonPrimitive> makeBody(SpawnKind kind, Vertex at) {
    switch (kind) {
    case SpawnKind::box: return std::make_unique<NewtonBox>(nWorld, at, 10, 5);
    case SpawnKind::sphere: return std::make_unique<NewtonSphere>(nWorld, at, 10, 3, true);
    case SpawnKind::cylinder:
        return std::make_unique<NewtonCylinder>(nWorld, settings->getSetting("CYLINDER_MODEL"), at,
                                                10, 2.5f, 3, true);
    case SpawnKind::gem:
        if (!settings->IsSet("TEST_MODEL")) return nullptr;
        return std::make_unique<NewtonModel>(nWorld, settings->getSetting("TEST_MODEL"), at, 40,
                                             1.0f);
    }
    return nullptr;
}

void spawn(float kindNumber, float count) {
    static const char* const kNames[] = {"box", "sphere", "cylinder", "gem"};
    const auto kind = SpawnKind(wholeWithin(kindNumber, 0, int(SpawnKind::gem)));
    const int bodies = wholeWithin(count, 0, SpawnedBodies::kMaxCount);
    for (int i = 0; i < bodies; ++i)
        if (auto body = makeBody(kind, SpawnedBodies::placeOf(cam.eye(), cam.forward(), i)))
            tools.spawned.add(std::move(body));
    log_txt("Spawned %d x %s: %d bodies in the world", bodies, kNames[int(kind)],
            NewtonWorldGetStats(nWorld).bodies);
}

void applyVolume() { setMusicVolume(muted ? 0 : musicVolume); }

}  // namespace

void TogglePanel() {
    tools.panelShown = !tools.panelShown;
    SetPanelShown(tools.panelShown);
    plat::ShowCursor(tools.panelShown);  // seen over the panel in fullscreen too, then hidden again
}

void ApplyPanelCommand(const PanelCommand& command) {
    const float* v = command.value;
    switch (command.op) {
    case kPanelPause: tools.clock.togglePause(); break;
    case kPanelStep: tools.clock.requestStep(); break;
    case kPanelSpeed: tools.clock.setSlowdown(wholeWithin(v[0], 0, SimClock::kSlowest)); break;
    case kPanelReset: ResetScene(); break;
    case kPanelGravity: gravityScale = !(v[0] >= 0) ? 0 : v[0] > 3 ? 3 : v[0]; break;
    case kPanelSolverIterations:
        NewtonSetSolverIterations(nWorld, wholeWithin(v[0], 1, kMaxSolverIterations));
        break;
    case kPanelSpawn: spawn(v[0], v[1]); break;
    case kPanelClearSpawned:
        tools.grab.release();
        tools.spawned.clear();
        break;
    case kPanelLight: lightPos = newV(v[0], v[1], v[2]); break;
    case kPanelVolume: musicVolume = wholeWithin(v[0], 0, 100), applyVolume(); break;
    case kPanelMute: muted = v[0] != 0, applyVolume(); break;
    case kPanelDebugParts: tools.debugParts = wholeWithin(v[0], 0, kDebugAll); break;
    case kPanelStats: tools.statsView = v[0] != 0; break;
    case kPanelScene: ChooseScene(wholeWithin(v[0], 0, kSceneCount - 1)); break;
    case kPanelShadows: SetShadows(v[0] != 0); break;
    default: break;  // none, or a screenshot: taken once the frame is drawn
    }
}

void DrawPanelOverScene() {
    if (!tools.panelShown) return;
    PanelState state;
    state.paused = tools.clock.isPaused();
    state.slowdown = tools.clock.slowdownLevel();
    state.gravityScale = gravityScale;
    state.solverIterations = NewtonGetSolverIterations(nWorld);
    state.counts = NewtonWorldGetStats(nWorld);
    state.light = lightPos;
    state.musicVolume = musicVolume;
    state.muted = muted;
    state.debugParts = tools.debugParts;
    state.stats = tools.statsView;
    state.shadows = ShadowsAsked();
    state.frameMs = &tools.frameMs;
    state.physicsMs = &tools.physicsMs;
    state.scene = ShownScene();
    state.realTimeShare = tools.stats.summary().realTimeShare;
    DrawPanel(state, PanelLayoutFile());
}

void ClosePanelAtExit() { ClosePanel(); }

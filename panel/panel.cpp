#include "panel/panel.h"

#include "panel/panel_commands.h"
#include "panel/panel_layout.h"
#include "physics/classic_scene.h"
#include "physics/newton_primitive.h"
#include "platform/panel_input.h"
#include "play/sim_clock.h"
#include "play/spawned_bodies.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <imgui.h>
#include <imgui_impl_opengl2.h>

#include <cstdio>

namespace {

constexpr float kMargin = 10, kWidth = 340, kLabelWidth = 110, kColumn = 130;  // pixels

bool started = false;
std::string layoutPath;
int openNow = 0;  // the sections open in this frame

void start(const std::string& layoutFile) {
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;  // never imgui.ini in the working directory: ours is read here
    layoutPath = layoutFile;
    io.ConfigFlags |= ImGuiConfigFlags_NoMouseCursorChange;  // the program owns the cursor
    ImGui::StyleColorsDark();
    ImGui::GetStyle().ItemSpacing.y = 2;  // every section fits in a window 600 pixels high
    ImGui::GetStyle().FramePadding.y = 1;
    RegisterPanelSections();
    LoadPanelLayout(layoutPath);
    plat::PanelInputStart();
    ImGui_ImplOpenGL2_Init();
    started = true;
    plat::SetPanelInput(true);  // only drawn while shown
}

void queue(PanelOp op, float a = 0, float b = 0, float c = 0) {
    QueuePanelCommand(MakePanelCommand(op, a, b, c));
}

bool section(const char* title, PanelSection bit) {
    ImGui::SetNextItemOpen((OpenPanelSections() & bit) != 0, ImGuiCond_Once);
    const bool open = ImGui::CollapsingHeader(title);
    if (open) openNow |= bit;
    return open;
}

void simulation(const PanelState& s) {
    if (!section("Simulation", kSectionSimulation)) return;
    if (ImGui::Button(s.paused ? "Resume" : "Pause")) queue(kPanelPause);
    ImGui::SameLine();
    if (ImGui::Button("One step")) queue(kPanelStep);
    ImGui::SameLine();
    if (ImGui::Button("Reset")) queue(kPanelReset);
    static const char* const kSpeeds[] = {"1x", "1/2x", "1/4x", "1/8x"};
    int faster = SimClock::kSlowest - s.slowdown;  // to the right is faster
    if (ImGui::SliderInt("speed", &faster, 0, SimClock::kSlowest, kSpeeds[s.slowdown]))
        queue(kPanelSpeed, float(SimClock::kSlowest - faster));
    float gravity = s.gravityScale * kGravity;
    if (ImGui::SliderFloat("gravity", &gravity, 0, 3 * kGravity, "%.2f"))
        queue(kPanelGravity, gravity / kGravity);
    int iterations = s.solverIterations;
    if (ImGui::SliderInt("iterations", &iterations, 1, kMaxSolverIterations))
        queue(kPanelSolverIterations, float(iterations));
    ImGui::Text("bodies awake %d of %d, contacts %d", s.counts.awake, s.counts.bodies,
                s.counts.contacts);
}

void spawn() {
    if (!section("Spawn", kSectionSpawn)) return;
    static int kind = 0, count = 1;
    ImGui::Combo("body", &kind, "box\0sphere\0cylinder\0gem\0");
    ImGui::SliderInt("count", &count, 1, SpawnedBodies::kMaxCount);
    if (ImGui::Button("Spawn##button")) queue(kPanelSpawn, float(kind), float(count));
    ImGui::SameLine();
    if (ImGui::Button("Clear spawned")) queue(kPanelClearSpawned);
}

void light(const PanelState& s) {
    if (!section("Light", kSectionLight)) return;
    float at[3] = {s.light.x, s.light.y, s.light.z};
    if (ImGui::SliderFloat3("position", at, -200, 200, "%.1f"))
        queue(kPanelLight, at[0], at[1], at[2]);
}

void sound(const PanelState& s) {
    if (!section("Sound", kSectionSound)) return;
    int volume = s.musicVolume;
    if (ImGui::SliderInt("music volume", &volume, 0, 100)) queue(kPanelVolume, float(volume));
    bool muted = s.muted;
    if (ImGui::Checkbox("mute", &muted)) queue(kPanelMute, muted ? 1.0f : 0.0f);
}

void view(const PanelState& s) {
    if (!section("View", kSectionView)) return;
    static const struct {
        const char* label;
        int bit;
    } kParts[] = {{"shapes", kDebugShapes},
                  {"contacts", kDebugContacts},
                  {"joints", kDebugJoints},
                  {"world box", kDebugWorldBox}};
    for (const auto& part : kParts) {
        bool on = (s.debugParts & part.bit) != 0;
        if (ImGui::Checkbox(part.label, &on))
            queue(kPanelDebugParts, float(s.debugParts ^ part.bit));
        if ((&part - kParts) % 2 == 0) ImGui::SameLine(kColumn);  // two a row
    }
    bool stats = s.stats;
    if (ImGui::Checkbox("statistics", &stats)) queue(kPanelStats, stats ? 1.0f : 0.0f);
    ImGui::SameLine(kColumn);  // beside the statistics: the panel keeps its height
    bool shadows = s.shadows;
    if (ImGui::Checkbox("shadows", &shadows)) queue(kPanelShadows, shadows ? 1.0f : 0.0f);
    if (ImGui::Button("Screenshot")) queue(kPanelScreenshot);
}

void plot(const char* label, const FrameSeries& series) {
    const std::vector<float>& ms = series.values();
    ImGui::PlotLines(label, ms.data(), int(ms.size()), 0, nullptr, 0, FLT_MAX, ImVec2(0, 40));
    ImGui::Text("%s", PlotCaption(series).c_str());
}

void plots(const PanelState& s) {
    if (!section("Plots (last 240 frames, ms)", kSectionPlots)) return;
    if (s.frameMs) plot("frame", *s.frameMs);
    if (s.physicsMs) plot("physics", *s.physicsMs);
    ImGui::Text("%s", RealTimeLine(s.realTimeShare).c_str());
}

// The scenes by name; choosing one shows it from its start.
void scenes(const PanelState& s) {
    if (!section("Scene", kSectionScene)) return;
    int scene = s.scene;
    if (ImGui::Combo("scene", &scene, kSceneNames, kSceneCount)) queue(kPanelScene, float(scene));
}

}  // namespace

std::string PlotCaption(const FrameSeries& series) {
    char text[64];
    std::snprintf(text, sizeof text, "median %.1f ms, worst %.1f ms", series.median(),
                  series.worst());
    return text;
}

void DrawPanel(const PanelState& state, const std::string& layoutFile) {
    if (!started) start(layoutFile);
    ImGui_ImplOpenGL2_NewFrame();
    plat::PanelInputNewFrame();
    ImGui::NewFrame();
    // At first along the right edge, clear of the overlay's lines at the top left.
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowPos(ImVec2(display.x - kMargin, kMargin), ImGuiCond_FirstUseEver,
                            ImVec2(1, 0));
    // As wide as its widgets need and as high as its open sections: drawing
    // the panel costs by the pixels it covers. Opaque, as nothing under it is
    // worth reading through it.
    ImGui::SetNextWindowSizeConstraints(ImVec2(kWidth, 0), ImVec2(kWidth, display.y - 2 * kMargin));
    ImGui::SetNextWindowBgAlpha(1);
    openNow = 0;
    if (ImGui::Begin(kPanelTitle, nullptr, ImGuiWindowFlags_AlwaysAutoResize)) {
        ImGui::PushItemWidth(-kLabelWidth);
        simulation(state);
        spawn();
        light(state);
        sound(state);
        view(state);
        plots(state);
        scenes(state);
        KeepOpenPanelSections(openNow);
        ImGui::PopItemWidth();
    }
    ImGui::End();
    ImGui::Render();
    // ImGui smooths its own edges; multisampling them again would only cost.
    glDisable(GL_MULTISAMPLE_ARB);
    ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
    glEnable(GL_MULTISAMPLE_ARB);
}

void SetPanelShown(bool shown) {
    plat::SetPanelInput(shown);
    if (!shown && started) SavePanelLayout(layoutPath);
}

void ClosePanel() {
    if (!started) return;
    SavePanelLayout(layoutPath);
    ImGui_ImplOpenGL2_Shutdown();
    plat::PanelInputStop();
    ImGui::DestroyContext();
    started = false;
}

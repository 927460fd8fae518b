#include "platform/sdl_internal.h"
#include "platform/panel_input.h"

#include <imgui.h>
#include <imgui_impl_sdl.h>

#include <cfloat>

namespace plat {
namespace {

bool started = false;
bool panelInput = false;

}  // namespace

bool PanelInputStart() {
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    if (!window) return false;
    started = ImGui_ImplSDL2_InitForOpenGL(window, SDL_GL_GetCurrentContext());
    return started;
}

// The backend reads the pointer from SDL's global position, which on X11 SDL
// refreshes only on raw input events: none come while a drag holds the pointer,
// nor for a pointer moved by another client, and a slider then stops following
// it. The position SDL keeps from the window's own motion events always follows.
void PanelInputNewFrame() {
    ImGui_ImplSDL2_NewFrame();
    ImGuiIO& io = ImGui::GetIO();
    if (io.MousePos.x == -FLT_MAX) return;  // the pointer is not the window's
    int x = 0, y = 0;
    SDL_GetMouseState(&x, &y);
    io.MousePos = ImVec2(float(x), float(y));
}

void PanelInputStop() {
    if (started) ImGui_ImplSDL2_Shutdown();
    started = panelInput = false;
}

void SetPanelInput(bool on) { panelInput = on && started; }

namespace detail {

bool panelTakes(const SDL_Event& e) {
    if (!panelInput) return false;
    ImGui_ImplSDL2_ProcessEvent(&e);
    if (e.type == SDL_MOUSEBUTTONDOWN) return true;
    return e.type == SDL_KEYDOWN && ImGui::GetIO().WantTextInput;
}

}  // namespace detail
}  // namespace plat

#include "platform/panel_input.h"
#include "platform/sdl_internal.h"

#include <imgui.h>
#include <imgui_impl_sdl.h>

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

void PanelInputNewFrame() { ImGui_ImplSDL2_NewFrame(); }

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

// The panel's layout file (panel.ini) through ImGui's settings reader and ours:
// whatever the text, the sections open stay within their bits, and a panel
// window entry that is kept has a place and size ImGui could have written.
#include "fuzz_support.h"
#include "panel/panel_layout.h"

#include <imgui.h>
#include <imgui_internal.h>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool started = false;
    if (!started) {
        ImGui::CreateContext();
        ImGui::GetIO().IniFilename = nullptr;
        RegisterPanelSections();
        started = true;
    }
    ReadPanelLayout(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(OpenPanelSections() >= 0 && OpenPanelSections() <= kSectionsAll);
    if (const ImGuiWindowSettings* panel = ImGui::FindWindowSettings(ImHashStr(kPanelTitle)))
        FUZZ_CHECK(panel->Pos.x >= 0 && panel->Pos.y >= 0 && panel->Size.x > 0 &&
                   panel->Size.y > 0);
    ImGui::ClearIniSettings();
    return 0;
}

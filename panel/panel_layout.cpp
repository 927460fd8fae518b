#include "panel/panel_layout.h"

#include "io/file_bytes.h"
#include "platform/log.h"
#include "platform/window.h"

#include <imgui.h>
#include <imgui_internal.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

constexpr std::size_t kMaxLayoutFile = 64 << 10;
// What ImGui writes for a window it has shown: a place on the display and a size.
constexpr short kMinSize = 32, kMaxExtent = 16384;

int openSections = kSectionsAtFirst;

void* openEntry(ImGuiContext*, ImGuiSettingsHandler*, const char* name) {
    return std::strcmp(name, "Sections") == 0 ? &openSections : nullptr;
}

// A line that is not "Open=<0-127>" leaves the sections as they were.
void readLine(ImGuiContext*, ImGuiSettingsHandler*, void*, const char* line) {
    int bits = 0;
    char rest = 0;
    if (std::sscanf(line, "Open=%d%c", &bits, &rest) == 1 && bits >= 0 && bits <= kSectionsAll)
        openSections = bits;
}

void writeAll(ImGuiContext*, ImGuiSettingsHandler* handler, ImGuiTextBuffer* out) {
    out->appendf("[%s][Sections]\nOpen=%d\n\n", handler->TypeName, openSections);
}

bool sane(const ImGuiWindowSettings& s) {
    return s.Pos.x >= 0 && s.Pos.y >= 0 && s.Pos.x < kMaxExtent && s.Pos.y < kMaxExtent &&
           s.Size.x >= kMinSize && s.Size.y >= kMinSize && s.Size.x < kMaxExtent &&
           s.Size.y < kMaxExtent;
}

}  // namespace

void RegisterPanelSections() {
    openSections = kSectionsAtFirst;
    ImGuiSettingsHandler handler;
    handler.TypeName = "3D-Varne";
    handler.TypeHash = ImHashStr("3D-Varne");
    handler.ReadOpenFn = openEntry;
    handler.ReadLineFn = readLine;
    handler.WriteAllFn = writeAll;
    ImGui::GetCurrentContext()->SettingsHandlers.push_back(handler);
}

void ReadPanelLayout(const char* text, std::size_t size) {
    if (size == 0) return;  // ImGui would take the text as terminated and look for its end
    ImGui::LoadIniSettingsFromMemory(text, size);
    const ImGuiWindowSettings* panel = ImGui::FindWindowSettings(ImHashStr(kPanelTitle));
    if (!panel || sane(*panel)) return;
    ImGui::ClearIniSettings();
    openSections = kSectionsAtFirst;
}

void LoadPanelLayout(const std::string& file) {
    if (file.empty()) return;
    const FileBytes bytes = ReadFileBytes(file.c_str(), kMaxLayoutFile);
    if (bytes.data) ReadPanelLayout(reinterpret_cast<const char*>(bytes.data.get()), bytes.size);
}

void SavePanelLayout(const std::string& file) {
    if (file.empty()) return;
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ignored);
    std::size_t size = 0;
    const char* text = ImGui::SaveIniSettingsToMemory(&size);
    std::FILE* out = std::fopen(file.c_str(), "wb");
    const bool written = out && std::fwrite(text, 1, size, out) == size;
    if ((out && std::fclose(out) != 0) || !written)
        log_txt("The panel's layout is not saved: %s cannot be written", file.c_str());
    ImGui::GetIO().WantSaveIniSettings = false;
}

int OpenPanelSections() { return openSections; }

void KeepOpenPanelSections(int sections) {
    if (sections == openSections) return;
    openSections = sections;
    ImGui::MarkIniSettingsDirty();
}

std::string PanelLayoutFile() {
    const std::string folder = plat::ConfigFolder();
    return folder.empty() ? "" : folder + "/3d-varne/panel.ini";
}

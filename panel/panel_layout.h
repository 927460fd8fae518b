// The panel's layout between runs, in one file: ImGui's settings text (the
// window's place and size) with an entry of ours, "[3D-Varne][Sections]" and
// "Open=<bits>", for the sections open. A missing, unreadable or damaged file
// gives the default layout, and the run goes on.
#pragma once

#include <cstddef>
#include <string>

enum PanelSection : int {
    kSectionSimulation = 1,
    kSectionSpawn = 2,
    kSectionLight = 4,
    kSectionSound = 8,
    kSectionView = 16,
    kSectionPlots = 32,
    kSectionScene = 64,
    kSectionsAll = 127,
    // Only the simulation's controls at first: a short panel covers little of
    // the scene, and every other section is a click away and remembered.
    kSectionsAtFirst = kSectionSimulation,
};

// The panel's window, by the title ImGui keeps its settings under.
constexpr const char* kPanelTitle = "3D-Varne panel (Tab hides it)";

// Registers our entry with the current ImGui context, before any layout is read.
void RegisterPanelSections();
// Reads a layout's text into the current context. A window entry of the panel
// whose place or size ImGui could not have written (a damaged file) makes it
// the default layout instead.
void ReadPanelLayout(const char* text, std::size_t size);
// Reads the file, if there is one ("" reads none), as ReadPanelLayout.
void LoadPanelLayout(const std::string& file);
// Writes the context's layout to the file; says in the log why when it cannot.
void SavePanelLayout(const std::string& file);
// The sections open, as the file or the user left them.
int OpenPanelSections();
// Keeps the sections open now; marks the layout to be saved when they changed.
void KeepOpenPanelSections(int sections);
// $XDG_CONFIG_HOME/3d-varne/panel.ini (~/.config/... without it); "" when the
// user has no configuration folder.
std::string PanelLayoutFile();

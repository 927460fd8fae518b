// The configuration store: the screen mode of the main window and the
// key/value pairs of data/config.txt (music, shaders, models, skybox, ...).
#pragma once

#include <string_view>

struct setting_t {
    char key[150];
    char value[150];
};

class Settings3D {
public:
    static constexpr int kMaxSets = 100;
    static constexpr int kMaxToken = 149;

    Settings3D();
    // Appends the pairs of data/config.txt. A missing file is reported in a
    // box and ends the run through a posted quit; the table then stays empty.
    void loadSets();
    // Appends the pairs of configuration text (what loadSets reads from the file).
    void addSets(std::string_view text);
    // Value of the first pair with exactly this key, or null. Points into the
    // store and stays valid for the run.
    char* getSetting(const char* key);
    bool IsSet(const char* key);
    // True only when the value is exactly "yes".
    bool IsEnabled(const char* key);
    // Stores the positive sizes and the flag, then loads the file.
    void SetSettings(int width, int height, int bpp, bool fullscreen);
    int ScreenX() const { return screenWidth; }
    int ScreenY() const { return screenHeight; }
    int ScreenBPP() const { return screenBpp; }
    bool doFullscreen() const { return fullscreen; }
    void SetFullscreen(bool on) { fullscreen = on; }

    int screenWidth;
    int screenHeight;
    int screenBpp;
    bool fullscreen;
    setting_t sets[kMaxSets];
    int numSets;
};

// The one configuration store; defined in app/main.cpp.
extern Settings3D* settings;

#include "config/settings.h"

#include "io/file_bytes.h"
#include "platform/log.h"
#include "platform/window.h"

#include <cctype>
#include <cstring>
#include <filesystem>

namespace {

const char* const kConfigFile = "data/config.txt";
const char* const kHeader = "[3D-VARNE-CFG]";

// Walks the text with the look-ahead the token rules need.
class TokenReader {
public:
    explicit TokenReader(std::string_view t) : text(t) {}

    bool atEnd() const { return at == text.size(); }

    // Matches the header as far as it goes; the first differing character
    // stays unread. True when the whole header was there.
    bool matchHeader() {
        const char* h = kHeader;
        for (; *h && !atEnd() && text[at] == *h; ++h) ++at;
        return *h == '\0';
    }

    void skipSpace() {
        while (!atEnd() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    }

    // Reads one token into out (at most kMaxToken characters kept); returns
    // whether characters had to be dropped.
    bool readToken(char* out) {
        int length = 0;
        bool cut = false;
        for (; !atEnd() && !std::isspace(static_cast<unsigned char>(text[at])); ++at) {
            if (length < Settings3D::kMaxToken) out[length++] = text[at];
            else cut = true;
        }
        out[length] = '\0';
        return cut;
    }

private:
    std::string_view text;
    size_t at = 0;
};

}  // namespace

Settings3D::Settings3D()
    : screenWidth(800), screenHeight(600), screenBpp(16), fullscreen(false), sets{}, numSets(0) {}

void Settings3D::loadSets() {
    FileBytes file = ReadFileBytes(kConfigFile, kMaxTextFile);
    if (!file.data) {
        std::error_code error;
        log_msg("Could not load Configuration file! Tried %s in the working directory %s",
                kConfigFile, std::filesystem::current_path(error).string().c_str());
        plat::PostQuitMessage(0);
        return;
    }
    log_txt("Loading Configuration...");
    addSets(file.text());
}

void Settings3D::addSets(std::string_view text) {
    TokenReader in(text);
    if (!in.matchHeader())
        log_txt("%s: no %s header, read from its first token", kConfigFile, kHeader);
    in.skipSpace();
    int droppedPairs = 0, cutTokens = 0;
    while (!in.atEnd()) {
        setting_t spare;
        setting_t& entry = numSets < kMaxSets ? sets[numSets] : spare;
        cutTokens += in.readToken(entry.key);
        in.skipSpace();
        cutTokens += in.readToken(entry.value);
        in.skipSpace();
        if (&entry == &spare) ++droppedPairs;
        else ++numSets;
    }
    if (droppedPairs || cutTokens)
        log_txt("%s: %i pairs past the first %i dropped, %i tokens cut to %i characters",
                kConfigFile, droppedPairs, kMaxSets, cutTokens, kMaxToken);
}

char* Settings3D::getSetting(const char* key) {
    for (int i = 0; i < numSets; ++i)
        if (std::strcmp(sets[i].key, key) == 0) return sets[i].value;
    return nullptr;
}

bool Settings3D::IsSet(const char* key) { return getSetting(key) != nullptr; }

bool Settings3D::IsEnabled(const char* key) {
    const char* value = getSetting(key);
    return value && std::strcmp(value, "yes") == 0;
}

void Settings3D::SetSettings(int width, int height, int bpp, bool on) {
    if (width > 0) screenWidth = width;
    if (height > 0) screenHeight = height;
    if (bpp > 0) screenBpp = bpp;
    fullscreen = on;
    loadSets();
}

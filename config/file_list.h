// The file list data/settings.txt: the names of the font and logo textures.
//
//   [FILES]
//   FONT: data/textures/font.bmp
//   LOGO: data/textures/logo.tga
//
// Labels match literally; any run of whitespace separates the parts.
#pragma once

#include <cstddef>

struct FileList {
    static constexpr int kMaxName = 63;
    char font[kMaxName + 1] = {};  // empty when missing
    char logo[kMaxName + 1] = {};
};

// Reads the names from the text, as far as the text matches. Names longer
// than kMaxName are not taken.
FileList ParseFileList(const char* text, std::size_t length);
// Reads data/settings.txt. Logs one line for a missing file, a missing name
// or an overlong name; wantLogo says whether the logo name is needed too.
FileList LoadFileList(bool wantLogo);

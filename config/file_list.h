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
// The font name alone, as the scene reads it: the name after the first FONT:
// label that starts a token, with or without the [FILES] header before it.
FileList ScanFontName(const char* text, std::size_t length);
// Reads data/settings.txt. Logs one line for a missing file, a missing name
// or an overlong name. wantLogo: both names, read by ParseFileList (the
// launcher); otherwise the font alone, read by ScanFontName (the scene).
FileList LoadFileList(bool wantLogo);

// Screenshots: the frame read back from GL and written as a PNG file.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

// Writes width x height RGB pixels (rows bottom-up, as glReadPixels gives them) as an 8-bit
// RGB PNG, top row first; the folder must exist. False with `error` set when it cannot.
bool WritePng(const std::string& path, int width, int height, const std::uint8_t* rgbBottomUp,
              std::string& error);
// Reads the current GL read buffer's pixels of the viewport and writes them with WritePng.
bool SaveFramePng(const std::string& path, std::string& error);
// "<folder>/3d-varne-YYYYMMDD-HHMMSS-mmm.png" for that moment (local time, milliseconds).
std::string ScreenshotName(const std::string& folder, std::chrono::system_clock::time_point when);

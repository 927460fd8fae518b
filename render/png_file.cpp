#include "render/png_file.h"

#include <GL/gl.h>
#include <png.h>

#include <cstdio>
#include <ctime>
#include <vector>

bool WritePng(const std::string& path, int width, int height, const std::uint8_t* rgbBottomUp,
              std::string& error) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = PNG_FORMAT_RGB;
    // A negative row stride tells libpng the rows are stored bottom-up.
    const png_int_32 stride = -png_int_32(PNG_IMAGE_ROW_STRIDE(image));
    if (png_image_write_to_file(&image, path.c_str(), 0, rgbBottomUp, stride, nullptr)) return true;
    error = path + ": cannot be written as PNG: " + image.message;
    png_image_free(&image);
    return false;
}

bool SaveFramePng(const std::string& path, std::string& error) {
    GLint viewport[4], alignment = 4;
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    std::vector<std::uint8_t> pixels(std::size_t(viewport[2]) * std::size_t(viewport[3]) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(viewport[0], viewport[1], viewport[2], viewport[3], GL_RGB, GL_UNSIGNED_BYTE,
                 pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, alignment);
    return WritePng(path, viewport[2], viewport[3], pixels.data(), error);
}

std::string ScreenshotName(const std::string& folder, std::chrono::system_clock::time_point when) {
    using namespace std::chrono;
    const auto second = floor<seconds>(when);
    const std::time_t time = system_clock::to_time_t(second);
    std::tm local{};
    localtime_r(&time, &local);
    char name[64];
    const std::size_t length = std::strftime(name, sizeof name, "/3d-varne-%Y%m%d-%H%M%S", &local);
    std::snprintf(name + length, sizeof name - length, "-%03d.png",
                  int(duration_cast<milliseconds>(when - second).count()));
    return folder + name;
}

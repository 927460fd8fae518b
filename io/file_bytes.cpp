#include "io/file_bytes.h"

#include "platform/log.h"

#include <cstdio>
#include <filesystem>
#include <new>
#include <system_error>

namespace {

// The file's length, or -1 when it cannot be told (a pipe, a device).
long lengthOf(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    const long length = std::ftell(file);
    return std::fseek(file, 0, SEEK_SET) == 0 ? length : -1;
}

FileBytes readOpenFile(std::FILE* file, const char* path, std::size_t maxSize) {
    FileBytes bytes;
    const long length = lengthOf(file);
    if (length < 0) return bytes;
    if (std::size_t(length) > maxSize) {
        log_txt("%s is too large: %ld bytes", path, length);
        return bytes;
    }
    // One spare byte, so an empty file still gives a buffer.
    bytes.data.reset(new (std::nothrow) unsigned char[std::size_t(length) + 1]);
    if (!bytes.data) return bytes;
    bytes.size = std::fread(bytes.data.get(), 1, std::size_t(length), file);
    if (bytes.size != std::size_t(length)) bytes.data.reset();
    return bytes;
}

}  // namespace

FileBytes ReadFileBytes(const char* path, std::size_t maxSize) {
    if (!path) return {};
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        log_txt("%s is a folder", path);
        return {};
    }
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return {};
    FileBytes bytes = readOpenFile(file, path, maxSize);
    std::fclose(file);
    return bytes;
}

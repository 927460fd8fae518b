#include "io/file_bytes.h"

#include "platform/log.h"

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

}  // namespace

OpenedFile OpenFileChecked(const char* path, std::size_t maxSize) {
    OpenedFile opened;
    if (!path) return opened;
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        log_txt("%s is a folder", path);
        return opened;
    }
    opened.stream.reset(std::fopen(path, "rb"));
    if (!opened.stream) return opened;
    const long length = lengthOf(opened.stream.get());
    if (length >= 0 && std::size_t(length) <= maxSize) {
        opened.size = std::size_t(length);
        return opened;
    }
    if (length >= 0) log_txt("%s is too large: %ld bytes", path, length);
    opened.stream.reset();
    return opened;
}

FileBytes ReadFileBytes(const char* path, std::size_t maxSize) {
    const OpenedFile file = OpenFileChecked(path, maxSize);
    FileBytes bytes;
    if (!file.stream) return bytes;
    // One spare byte, so an empty file still gives a buffer.
    bytes.data.reset(new (std::nothrow) unsigned char[file.size + 1]);
    if (!bytes.data) return bytes;
    bytes.size = std::fread(bytes.data.get(), 1, file.size, file.stream.get());
    if (bytes.size != file.size) bytes.data.reset();
    return bytes;
}

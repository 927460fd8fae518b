#include "io/file_bytes.h"

#include <cstdio>

FileBytes ReadFileBytes(const char* path) {
    FileBytes bytes;
    std::FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (!file) return bytes;
    long length = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) length = std::ftell(file);
    if (length >= 0 && std::fseek(file, 0, SEEK_SET) == 0) {
        // One spare byte, so an empty file still gives a buffer.
        bytes.data = std::make_unique_for_overwrite<unsigned char[]>(std::size_t(length) + 1);
        bytes.size = std::fread(bytes.data.get(), 1, std::size_t(length), file);
        if (bytes.size != std::size_t(length)) bytes.data.reset();
    }
    std::fclose(file);
    return bytes;
}

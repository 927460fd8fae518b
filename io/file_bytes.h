// Reading a whole file into memory, so every reader can parse from bytes.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

// A whole file's bytes; data is null when the file cannot be opened or read.
struct FileBytes {
    std::unique_ptr<unsigned char[]> data;
    std::size_t size = 0;

    std::string_view text() const {
        return std::string_view(reinterpret_cast<const char*>(data.get()), size);
    }
};

FileBytes ReadFileBytes(const char* path);

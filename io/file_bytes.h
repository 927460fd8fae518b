// Reading a whole file into memory, so every reader can parse from bytes; or
// opening it with the same checks, for a reader that reads the parts itself.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string_view>

// The largest file of each kind a reader takes; a larger one is refused unread.
constexpr std::size_t kMaxTextFile = 1 << 20;         // configuration, descriptions, shaders: 1 MiB
constexpr std::size_t kMaxImageFile = 64 << 20;       // BMP and TGA: 64 MiB (4096 x 4096 x 32 bits)
constexpr std::size_t kMaxModelFile = 16 << 20;       // MD2: 16 MiB
constexpr std::size_t kMaxRecordingFile = 256 << 20;  // recorded input: 256 MiB

// A whole file's bytes; data is null when the file cannot be opened or read.
struct FileBytes {
    std::unique_ptr<unsigned char[]> data;
    std::size_t size = 0;

    std::string_view text() const {
        return std::string_view(reinterpret_cast<const char*>(data.get()), size);
    }
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// A file open for reading at its start, with its length; stream is null when
// the file is refused as ReadFileBytes refuses it (and logged the same way).
struct OpenedFile {
    std::unique_ptr<std::FILE, FileCloser> stream;
    std::size_t size = 0;
};
OpenedFile OpenFileChecked(const char* path, std::size_t maxSize);

// Reads the file whole. A folder, or a file of more than maxSize bytes, is
// refused like a missing one, with one log line naming it ("<path> is a
// folder", "<path> is too large: N bytes"); a missing file logs nothing, the
// caller says what it was for. Never throws.
FileBytes ReadFileBytes(const char* path, std::size_t maxSize);

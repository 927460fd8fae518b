// The model description (data/models/*.txt): both names end inside their
// buffers, whatever the text.
#include "fuzz_support.h"
#include "render/md2.h"

#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TrimFuzzLog();
    modelfile_t files;
    std::strcpy(files.descFile, "fuzz.txt");
    ParseModelDescription(std::string_view(reinterpret_cast<const char*>(data), size), &files);
    FUZZ_CHECK(std::memchr(files.modelFile, '\0', sizeof files.modelFile));
    FUZZ_CHECK(std::memchr(files.skinFile, '\0', sizeof files.skinFile));
    FUZZ_CHECK(std::strcmp(files.descFile, "fuzz.txt") == 0);
    return 0;
}

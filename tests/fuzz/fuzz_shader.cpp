// Shader source padding: the compiler always gets exactly kShaderSourceLength
// characters, and text without carriage returns arrives unchanged before the
// newline padding.
#include "fuzz_support.h"
#include "render/shader.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TrimFuzzLog();
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const std::string text = ShaderSourceText(file);
    FUZZ_CHECK(text.size() == kShaderSourceLength);
    if (file.find('\r') == std::string_view::npos) {
        const std::size_t kept =
            file.size() < kShaderSourceLength ? file.size() : kShaderSourceLength;
        FUZZ_CHECK(std::string_view(text).substr(0, kept) == file.substr(0, kept));
        FUZZ_CHECK(text.find_first_not_of('\n', kept) == std::string::npos);
    }
    return 0;
}

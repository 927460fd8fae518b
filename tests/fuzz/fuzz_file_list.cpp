// The file list (data/settings.txt): a name taken is a terminated,
// whitespace-free token of 1 to kMaxName characters that occurs in the text.
#include "config/file_list.h"
#include "fuzz_support.h"

#include <cctype>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

void checkName(const char (&name)[FileList::kMaxName + 1], std::string_view text) {
    const void* end = std::memchr(name, '\0', sizeof name);
    FUZZ_CHECK(end);
    const std::string_view taken(name, std::size_t(static_cast<const char*>(end) - name));
    for (char c : taken) FUZZ_CHECK(!std::isspace(static_cast<unsigned char>(c)));
    FUZZ_CHECK(taken.empty() || text.find(taken) != std::string_view::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TrimFuzzLog();
    const char* text = reinterpret_cast<const char*>(data);
    const FileList list = ParseFileList(text, size);
    checkName(list.font, std::string_view(text, size));
    checkName(list.logo, std::string_view(text, size));
    checkName(ScanFontName(text, size).font, std::string_view(text, size));
    return 0;
}

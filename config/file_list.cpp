#include "config/file_list.h"

#include "io/file_bytes.h"
#include "io/text_scanner.h"
#include "platform/log.h"

#include <cctype>
#include <string_view>

namespace {

const char* const kFileListPath = "data/settings.txt";
constexpr std::string_view kFontLabel = "FONT:";

bool startsToken(std::string_view text, std::size_t at) {
    return at == 0 || std::isspace(static_cast<unsigned char>(text[at - 1]));
}

}  // namespace

FileList ParseFileList(const char* text, std::size_t length) {
    FileList list;
    TextScanner in(std::string_view(text, length));
    if (!in.label("[FILES]") || !in.label("FONT:")) return list;
    in.name(list.font, sizeof list.font);
    if (in.label("LOGO:")) in.name(list.logo, sizeof list.logo);
    return list;
}

FileList ScanFontName(const char* text, std::size_t length) {
    FileList list;
    const std::string_view all(text, length);
    std::size_t at = all.find(kFontLabel);
    while (at != std::string_view::npos && !startsToken(all, at)) at = all.find(kFontLabel, at + 1);
    if (at != std::string_view::npos)
        TextScanner(all.substr(at + kFontLabel.size())).name(list.font, sizeof list.font);
    return list;
}

FileList LoadFileList(bool wantLogo) {
    FileBytes file = ReadFileBytes(kFileListPath, kMaxTextFile);
    if (!file.data) {
        log_txt("Could not open %s: the texts are drawn without a font", kFileListPath);
        return FileList{};
    }
    const char* text = reinterpret_cast<const char*>(file.data.get());
    FileList list = wantLogo ? ParseFileList(text, file.size) : ScanFontName(text, file.size);
    if (!list.font[0])
        log_txt("%s: no FONT: name of 1 to %i characters after [FILES]", kFileListPath,
                FileList::kMaxName);
    if (wantLogo && !list.logo[0])
        log_txt("%s: no LOGO: name of 1 to %i characters after the font", kFileListPath,
                FileList::kMaxName);
    return list;
}

#include "config/file_list.h"

#include "app/log.h"
#include "io/file_bytes.h"
#include "io/text_scanner.h"


namespace {

const char* const kFileListPath = "data/settings.txt";

}  // namespace

FileList ParseFileList(const char* text, std::size_t length) {
    FileList list;
    TextScanner in(std::string_view(text, length));
    if (!in.label("[FILES]") || !in.label("FONT:")) return list;
    in.name(list.font, sizeof list.font);
    if (in.label("LOGO:")) in.name(list.logo, sizeof list.logo);
    return list;
}

FileList LoadFileList(bool wantLogo) {
    FileBytes file = ReadFileBytes(kFileListPath, kMaxTextFile);
    if (!file.data) {
        log_txt("Could not open %s: the texts are drawn without a font", kFileListPath);
        return FileList{};
    }
    FileList list = ParseFileList(reinterpret_cast<const char*>(file.data.get()), file.size);
    if (!list.font[0])
        log_txt("%s: no FONT: name of 1 to %i characters after [FILES]", kFileListPath,
                FileList::kMaxName);
    if (wantLogo && !list.logo[0])
        log_txt("%s: no LOGO: name of 1 to %i characters after the font", kFileListPath,
                FileList::kMaxName);
    return list;
}

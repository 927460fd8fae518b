#include "config/file_list.h"

#include "app/log.h"

#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

const char* const kFileListPath = "data/settings.txt";

class Scanner {
public:
    explicit Scanner(std::string_view text) : rest(text) {}

    void skipSpace() {
        while (!rest.empty() && std::isspace(static_cast<unsigned char>(rest.front())))
            rest.remove_prefix(1);
    }
    // Whitespace, then the literal label.
    bool label(std::string_view word) {
        skipSpace();
        if (rest.substr(0, word.size()) != word) return false;
        rest.remove_prefix(word.size());
        return true;
    }
    // Whitespace, then a name up to the next whitespace; false when there is
    // none or it does not fit.
    bool name(char (&out)[FileList::kMaxName + 1]) {
        skipSpace();
        size_t n = 0;
        while (n < rest.size() && !std::isspace(static_cast<unsigned char>(rest[n]))) ++n;
        bool fits = n > 0 && n <= size_t(FileList::kMaxName);
        if (fits) {
            std::memcpy(out, rest.data(), n);
            out[n] = '\0';
        }
        rest.remove_prefix(n);
        return fits;
    }

private:
    std::string_view rest;
};

}  // namespace

FileList ParseFileList(const char* text, std::size_t length) {
    FileList list;
    Scanner in(std::string_view(text, length));
    if (!in.label("[FILES]") || !in.label("FONT:")) return list;
    in.name(list.font);
    if (in.label("LOGO:")) in.name(list.logo);
    return list;
}

FileList LoadFileList(bool wantLogo) {
    std::ifstream file(kFileListPath, std::ios::binary);
    if (!file) {
        log_txt("Could not open %s: the texts are drawn without a font", kFileListPath);
        return FileList{};
    }
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    FileList list = ParseFileList(text.data(), text.size());
    if (!list.font[0])
        log_txt("%s: no FONT: name of 1 to %i characters after [FILES]", kFileListPath,
                FileList::kMaxName);
    if (wantLogo && !list.logo[0])
        log_txt("%s: no LOGO: name of 1 to %i characters after the font", kFileListPath,
                FileList::kMaxName);
    return list;
}

#include "io/text_scanner.h"

#include <cctype>
#include <charconv>
#include <cstring>

namespace {
bool isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
}  // namespace

void TextScanner::skipSpace() {
    while (!rest.empty() && isSpace(rest.front())) rest.remove_prefix(1);
}

bool TextScanner::label(std::string_view word) {
    skipSpace();
    if (rest.substr(0, word.size()) != word) return false;
    rest.remove_prefix(word.size());
    return true;
}

bool TextScanner::name(char* out, std::size_t capacity) {
    skipSpace();
    std::size_t n = 0;
    while (n < rest.size() && !isSpace(rest[n])) ++n;
    const bool fits = n > 0 && n < capacity;
    if (fits) {
        std::memcpy(out, rest.data(), n);
        out[n] = '\0';
    }
    rest.remove_prefix(n);
    return fits;
}

bool TextScanner::integer(int* out) {
    skipSpace();
    const char* first = rest.data();
    if (!rest.empty() && rest.front() == '+') ++first;
    auto [end, error] = std::from_chars(first, rest.data() + rest.size(), *out);
    if (error != std::errc()) return false;
    rest.remove_prefix(std::size_t(end - rest.data()));
    return true;
}

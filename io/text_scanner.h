// Reads the program's small text files the way their formats are written:
// fixed labels matched literally and case-sensitively, names as single
// whitespace-free tokens, any run of whitespace between the parts. Names are
// bounded by the buffer they go to.
#pragma once

#include <cstddef>
#include <string_view>

class TextScanner {
public:
    explicit TextScanner(std::string_view text) : rest(text) {}

    void skipSpace();
    // Whitespace, then the literal label; false (nothing consumed past the
    // whitespace) when the text does not go on with it.
    bool label(std::string_view word);
    // Whitespace, then a token into out (capacity bytes with the terminator).
    // A token that does not fit is consumed but not taken: out stays as it was.
    bool name(char* out, std::size_t capacity);
    // Whitespace, then an optionally signed decimal integer.
    bool integer(int* out);

private:
    std::string_view rest;
};

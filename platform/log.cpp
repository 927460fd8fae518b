#include "platform/log.h"

#include "platform/window.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>

namespace {

std::string logFile = "log.txt";
const char* const kBoxCaption = "Error occured!!";

// Formats into a 512-character buffer; longer text is formatted again in full,
// so no message is ever cut or overruns anything.
std::string formatText(const char* format, va_list args) {
    if (!format) return std::string();
    char buffer[512];
    va_list again;
    va_copy(again, args);
    int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    std::string text;
    if (length >= 0 && size_t(length) < sizeof buffer) {
        text.assign(buffer, size_t(length));
    } else if (length >= 0) {
        text.resize(size_t(length) + 1);
        std::vsnprintf(text.data(), text.size(), format, again);
        text.resize(size_t(length));
    }
    va_end(again);
    return text;
}

// Says once on standard error that the log cannot be written, so nobody
// reads an earlier run's log.txt as this one's.
void reportUnwritableLog() {
    static bool reported = false;
    if (reported) return;
    reported = true;
    std::fprintf(stderr, "%s cannot be written (%s): this run is not logged\n", logFile.c_str(),
                 errno ? std::strerror(errno) : "write error");
}

// Writes the text and the suffix to log.txt opened in the mode ("w" starts it
// afresh, "a" appends).
void writeLog(const char* mode, const std::string& text, const char* suffix) {
    errno = 0;
    FILE* f = std::fopen(logFile.c_str(), mode);
    if (!f) return reportUnwritableLog();
    const bool written = std::fprintf(f, "%s%s", text.c_str(), suffix) >= 0;
    if (std::fclose(f) != 0 || !written) reportUnwritableLog();
}

void append(const std::string& text, const char* suffix) { writeLog("a", text, suffix); }

int showBox(const std::string& text, unsigned style) {
    plat::ShowCursor(true);
    int answer = plat::MessageBox(text.c_str(), kBoxCaption, style);
    plat::ShowCursor(false);
    return answer;
}

}  // namespace

void log_set_folder(const std::string& folder) {
    logFile = (std::filesystem::path(folder) / "log.txt").string();
}

void log_init(const char* title) {
    char date[200] = "";
    std::time_t now = std::time(nullptr);
    if (const std::tm* local = std::localtime(&now))
        std::strftime(date, sizeof date, "%A, %d. %B %Y - %X\n", local);
    writeLog("w", std::string(title ? title : "") + " : " + date, "\n\n");
}

void log_txt(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = formatText(format, args);
    va_end(args);
    append(text, "\n");
}

void log_msg(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = formatText(format, args);
    va_end(args);
    append(text, "\n");
    showBox(text, plat::MB_OK | plat::MB_ICONEXCLAMATION);
}

bool log_yn(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = formatText(format, args);
    va_end(args);
    bool yes = showBox(text, plat::MB_YESNO | plat::MB_ICONEXCLAMATION) == plat::IDYES;
    append(text, yes ? " : yes\n" : " : no\n");
    return yes;
}

// The run log, log.txt in the working directory: every call opens the file,
// appends one entry and closes it again, so the log is complete up to the last
// line written even if the process dies. Errors the user must see also appear
// in a message box; questions are answered in one and the answer is logged.
#pragma once

#include <string>

// From now on the log is the file log.txt in that folder, which must exist,
// instead of the working directory's (an installed copy cannot write where it
// runs). Called by the start-up before log_init.
void log_set_folder(const std::string& folder);
// Truncates log.txt and writes the header: title and local date and time.
void log_init(const char* title);
// Appends the formatted text and a line end.
void log_txt(const char* format, ...) __attribute__((format(printf, 1, 2)));
// As log_txt, then shows the text in an error box and waits for OK.
void log_msg(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Asks the text as a yes/no question, then logs it with " : yes" or " : no".
bool log_yn(const char* format, ...) __attribute__((format(printf, 1, 2)));

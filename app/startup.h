// What a run settles before its first window: the log, and whether there is a
// display to open windows on.
#pragma once

// Starts the log under the title; false, said on standard error and in the
// log, when no display can be reached.
bool StartRun(const char* title);

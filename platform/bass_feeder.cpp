// The feeder thread: every few milliseconds it refills the played buffers of
// every playing stream, under the library's mutex. It runs from BASS_Init to
// BASS_Free and counts its own decoding time for BASS_GetCPU.
#include "platform/bass_internal.h"

namespace bass_al {

Library::~Library() {
    if (!feeder.joinable()) return;
    {
        std::lock_guard lock(mutex);
        quit = true;
    }
    wake.notify_all();
    feeder.join();
}

void runFeeder() {
    Library& lib = library();
    std::unique_lock lock(lib.mutex);
    while (!lib.quit) {
        const auto start = std::chrono::steady_clock::now();
        for (auto& [handle, s] : lib.out.streams) {
            if (s->playing) feed(*s);
        }
        lib.out.busy += std::chrono::steady_clock::now() - start;
        lib.wake.wait_for(lock, kFeedPeriod, [&lib] { return lib.quit; });
    }
}

}  // namespace bass_al

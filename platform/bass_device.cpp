// The audio library's device: opening and releasing the OpenAL output with
// its feeder thread, stopping and resuming output, error codes and the CPU figure.
#include "platform/bass_internal.h"
#include "platform/window.h"

#include <cstdlib>
#include <cstring>

namespace bass_al {

namespace {
thread_local int lastError = BASS_OK;
thread_local std::string lastReason;

// Whether VARNE_AUDIO_NO3D asks the device to pretend it has no 3D support.
bool no3DForced() {
    const char* value = std::getenv("VARNE_AUDIO_NO3D");
    return value && std::strcmp(value, "1") == 0;
}

bool openDevice(Output& out, std::uint32_t freq) {
    quietSystemAudioErrors();
    // OpenAL Soft keeps quiet too, unless asked to log.
    if (!std::getenv("ALSOFT_LOGLEVEL")) plat::SetEnvironmentVariable("ALSOFT_LOGLEVEL", "0");
    out.device = alcOpenDevice(nullptr);
    if (!out.device) return false;
    const ALCint attributes[] = {ALC_FREQUENCY, ALCint(freq), 0};
    out.context = alcCreateContext(out.device, freq ? attributes : nullptr);
    if (out.context && alcMakeContextCurrent(out.context)) return true;
    if (out.context) alcDestroyContext(out.context);
    alcCloseDevice(out.device);
    out = Output{};
    return false;
}
}  // namespace

Library& library() {
    static Library lib;
    return lib;
}

bool setError(int code, const std::string& reason) {
    lastError = code;
    lastReason = reason;
    return false;
}

bool clearError() {
    lastError = BASS_OK;
    lastReason.clear();
    return true;
}

Output* openOutput() {
    Output& out = library().out;
    if (out.device) return &out;
    setError(BASS_ERROR_INIT);
    return nullptr;
}

Stream* findStream(std::uint32_t handle) {
    Output* out = openOutput();
    if (!out) return nullptr;
    auto found = out->streams.find(handle);
    if (found != out->streams.end()) return found->second.get();
    setError(BASS_ERROR_HANDLE);
    return nullptr;
}

}  // namespace bass_al

using namespace bass_al;

bool BASS_Init(int device, std::uint32_t freq, std::uint32_t flags, plat::Window*) {
    Library& lib = library();
    std::lock_guard lock(lib.mutex);
    if (lib.out.device) return setError(BASS_ERROR_ALREADY);
    if (device != -1) return setError(BASS_ERROR_DEVICE);
    const bool want3D = flags & BASS_DEVICE_3D;
    if (want3D && no3DForced()) return setError(BASS_ERROR_NO3D);
    if (!openDevice(lib.out, freq)) return setError(BASS_ERROR_DRIVER);
    lib.out.has3D = want3D;
    lib.out.opened = std::chrono::steady_clock::now();
    lib.quit = false;
    lib.feeder = std::thread(runFeeder);
    return clearError();
}

bool BASS_Free() {
    Library& lib = library();
    {
        std::lock_guard lock(lib.mutex);
        if (!openOutput()) return false;
        lib.quit = true;
    }
    lib.wake.notify_all();
    lib.feeder.join();
    std::lock_guard lock(lib.mutex);
    lib.out.streams.clear();  // while the context is still current
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(lib.out.context);
    alcCloseDevice(lib.out.device);
    lib.out = Output{};
    return clearError();
}

bool BASS_Start() {
    std::lock_guard lock(library().mutex);
    Output* out = openOutput();
    if (!out) return false;
    alcDeviceResumeSOFT(out->device);
    return clearError();
}

bool BASS_Stop() {
    std::lock_guard lock(library().mutex);
    Output* out = openOutput();
    if (!out) return false;
    alcDevicePauseSOFT(out->device);
    return clearError();
}

int BASS_ErrorGetCode() { return lastError; }

std::string BASS_ErrorGetReason() { return lastReason; }

std::string BASS_GetDeviceDescription() {
    std::lock_guard lock(library().mutex);
    Output* out = openOutput();
    if (!out) return "";
    auto text = [](const char* s) { return std::string(s ? s : "?"); };
    const bool fullNames = alcIsExtensionPresent(out->device, "ALC_ENUMERATE_ALL_EXT");
    const std::string name = text(alcGetString(out->device, fullNames ? ALC_ALL_DEVICES_SPECIFIER
                                                                      : ALC_DEVICE_SPECIFIER));
    clearError();
    return name + " (" + text(alGetString(AL_RENDERER)) + " " + text(alGetString(AL_VERSION)) + ")";
}

float BASS_GetCPU() {
    std::lock_guard lock(library().mutex);
    const Output& out = library().out;
    if (!out.device) return 0.0f;
    const auto elapsed = std::chrono::steady_clock::now() - out.opened;
    if (elapsed.count() <= 0) return 0.0f;
    return float(100.0 * double(out.busy.count()) / double(elapsed.count()));
}

// The state behind the audio library API and the helpers its files share.
// Only platform/bass_*.cpp include this header: the rest of the program never
// sees an OpenAL or libsndfile type.
//
// One mutex guards everything here. Every API call holds it for its whole
// length, and the feeder thread holds it while it refills the streams, so
// OpenAL and the decoders are only ever used by one thread at a time.
#pragma once

#include "platform/bass.h"

#define AL_ALEXT_PROTOTYPES
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <sndfile.h>

#include <array>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace bass_al {

// A stream keeps this many buffers of this many frames queued on its source:
// about 1 s at 44.1 kHz, the most it ever holds in memory, so the music goes on
// while a busy machine keeps the feeder waiting.
constexpr int kBufferCount = 11;
constexpr int kChunkFrames = 4096;
// How often the feeder looks for played buffers.
constexpr std::chrono::milliseconds kFeedPeriod{20};

struct Position {
    BASS_3DVECTOR position{0, 0, 0};
    BASS_3DVECTOR orientation{0, 0, 0};
    BASS_3DVECTOR velocity{0, 0, 0};
};

// One decoded file played through one OpenAL source. Owns the decoder, the
// source and its buffers; needs the device's context current to die.
struct Stream {
    Stream() = default;
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;
    ~Stream();

    SNDFILE* file = nullptr;
    int channels = 0;   // the file's
    int rate = 0;       // the file's frames per second
    ALenum format = 0;  // the buffers' OpenAL format; 0: down-mixed to stereo
    bool is3D = false;
    ALuint source = 0;
    std::array<ALuint, kBufferCount> buffers{};
    std::vector<float> decoded;  // one buffer's worth of decoded frames
    std::vector<short> pcm;      // the same frames as the buffer takes them

    bool loop = false;
    bool playing = false;  // wanted playing: the feeder keeps it fed
    bool ended = false;    // the decoder delivered the last frame of a non-looping play

    std::uint32_t freq = 0;  // Hz
    int volume = 100;
    int pan = 0;
    Position place;
    bool placePending = false;
};

struct Factors {
    float distance = 1.0f;  // metres per unit
    float rolloff = 1.0f;
    float doppler = 1.0f;
};

// What BASS_Init opens and BASS_Free releases.
struct Output {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    bool has3D = false;
    std::map<std::uint32_t, std::unique_ptr<Stream>> streams;
    std::uint32_t nextHandle = 1;
    Factors factors;  // as last applied
    Factors pendingFactors;
    bool factorsPending = false;
    std::chrono::steady_clock::time_point opened;
    std::chrono::steady_clock::duration busy{};  // the feeder's decoding time
};

struct Library {
    // Stops the feeder of a device the program never released, at exit.
    ~Library();

    std::mutex mutex;
    std::condition_variable wake;  // ends the feeder's wait early at BASS_Free
    bool quit = false;
    std::thread feeder;
    Output out;
};

Library& library();

// Sets the calling thread's error code and the decoder's reason for it (none
// by default); the results suit a `return`.
bool setError(int code, const std::string& reason = {});
bool clearError();

// The open output, or null with BASS_ERROR_INIT.
Output* openOutput();
// The stream behind a handle, or null with BASS_ERROR_INIT or BASS_ERROR_HANDLE.
Stream* findStream(std::uint32_t handle);

// The API's coordinates (z ahead) in OpenAL's (z behind).
inline void setVector(ALuint source, ALenum param, const BASS_3DVECTOR& v) {
    alSource3f(source, param, v.x, v.y, -v.z);
}

// Opens and decodes a file for a new stream, or returns null with the error code set.
std::unique_ptr<Stream> openStream(const char* path, bool is3D, const Factors& factors);
// Stops the source and queues the file from its first frame again.
void rewind(Stream& s);
// Refills the played buffers of a playing stream and restarts its source
// after an underrun; marks the stream not playing once it has played out.
void feed(Stream& s);
// Pushes the volume, frequency and (mono streams that are not 3D) pan to the source.
void applyAttributes(Stream& s);
// Pushes a 3D stream's position and the device's factors to its source.
void applyPlace(Stream& s, const Factors& factors);

// The OpenAL format that plays `channels` (1 to 8) channels as they are, or 0
// when the current device has none and they must be down-mixed to stereo.
ALenum streamFormat(int channels);
// Turns `frames` of the stream's decoded frames into 16-bit samples at `out`
// for its format; returns the channels per frame written.
int toPcm(const Stream& s, sf_count_t frames, short* out);

void runFeeder();

// Keeps the system's audio layer from writing about devices it cannot open to
// standard error: a missing device is the caller's to report.
void quietSystemAudioErrors();

}  // namespace bass_al

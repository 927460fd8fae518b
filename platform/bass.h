// The audio library the program calls: one output device, looping file
// streams with volume and frequency, and 3D placement of a stream relative to
// the listener. Implemented over OpenAL Soft (output, mixing, 3D) and
// libsndfile (decoding: WAV, FLAC, Ogg/Vorbis, ...), in platform/bass_*.cpp.
//
// Every call fails quietly: it returns false (or 0) and leaves the reason in
// BASS_ErrorGetCode. With no audio device BASS_Init fails and so does every
// later call, and the program runs silent. Neither ALSA nor OpenAL Soft says
// anything on standard error then (ALSOFT_LOGLEVEL still makes OpenAL Soft log).
//
// Streams decode from their file a few thousand frames at a time; a thread
// inside this layer keeps every playing stream fed. It starts in BASS_Init
// and is joined in BASS_Free, so callers never see it. All calls are meant
// for one thread (the program's).
//
// Coordinates of 3D positions: x to the listener's right, y up, z ahead, one
// unit being what BASS_Set3DFactors makes it.
//
// Environment: VARNE_AUDIO_NO3D=1 makes the device report that it has no 3D
// support (BASS_Init with BASS_DEVICE_3D fails with BASS_ERROR_NO3D), so
// the fallback without 3D can be tried on any machine.
#pragma once

#include <cstdint>
#include <string>

namespace plat {
struct Window;
}

struct BASS_3DVECTOR {
    float x, y, z;
};

// BASS_Init flags.
constexpr std::uint32_t BASS_DEVICE_3D = 4;  // open with 3D support
// BASS_StreamCreateFile and BASS_StreamPlay flags.
constexpr std::uint32_t BASS_SAMPLE_LOOP = 4;  // play: start again at the end
constexpr std::uint32_t BASS_SAMPLE_3D = 8;    // create: a 3D source (mono files only)

// BASS_ErrorGetCode values.
enum : int {
    BASS_OK = 0,
    BASS_ERROR_FILEOPEN = 2,   // the file cannot be opened
    BASS_ERROR_DRIVER = 3,     // no output device could be opened
    BASS_ERROR_HANDLE = 5,     // not a stream handle of this device
    BASS_ERROR_FORMAT = 6,     // not a decodable file, or more than eight channels
    BASS_ERROR_INIT = 8,       // BASS_Init has not succeeded
    BASS_ERROR_ALREADY = 14,   // BASS_Init twice
    BASS_ERROR_ILLPARAM = 20,  // an argument out of range
    BASS_ERROR_NO3D = 21,      // no 3D support (device, or a stereo/non-3D stream)
    BASS_ERROR_DEVICE = 23,    // a device number other than -1
    BASS_ERROR_EMPTY = 31,     // the file opens but holds no frame
    BASS_ERROR_UNKNOWN = -1,   // OpenAL refused to make a source or buffers
};

// Opens the default output (device -1) at freq Hz; flags 0 or BASS_DEVICE_3D.
// The window is the one the sound belongs to; OpenAL needs none.
bool BASS_Init(int device, std::uint32_t freq, std::uint32_t flags, plat::Window* window);
// The reason the last call on this thread failed, BASS_OK after a success.
int BASS_ErrorGetCode();
// The decoder's own words for why the last stream could not be created (for
// example "File contains data in an unimplemented format"); empty when it gave none.
std::string BASS_ErrorGetReason();
// Metres per distance unit (Doppler), roll-off factor (0 none, 1 real world:
// inverse distance beyond one unit) and Doppler factor; a value below 0
// (0 for the distance) keeps the current one. Applied by BASS_Apply3D.
bool BASS_Set3DFactors(float distanceFactor, float rolloffFactor, float dopplerFactor);

// A stream over a whole file: mem false, offset 0 and length 0 (nothing else
// is supported). Flags: BASS_SAMPLE_3D or 0. Returns the handle, 0 on failure.
// The stream lives until BASS_Free.
std::uint32_t BASS_StreamCreateFile(bool mem, const char* file, std::uint64_t offset,
                                    std::uint64_t length, std::uint32_t flags);
struct BASS_CHANNELINFO {
    std::uint32_t freq;   // the file's frames per second
    std::uint32_t chans;  // the file's channels, 1 to 8
    bool downmixed;       // 3 or more channels the device plays down-mixed to stereo
};
// What a stream plays: 3 to 8 channels go through the device's multichannel
// format for that count where it has one, and are down-mixed to stereo
// otherwise (centre and surrounds at -3 dB, the LFE channel left out).
bool BASS_ChannelGetInfo(std::uint32_t handle, BASS_CHANNELINFO* info);
// Resumes output stopped by BASS_Stop.
bool BASS_Start();
// Plays the stream, in a loop with BASS_SAMPLE_LOOP. A stream stopped with
// BASS_ChannelStop continues where it stopped unless flush is true; one that
// has played to its end starts again from the beginning.
bool BASS_StreamPlay(std::uint32_t handle, bool flush, std::uint32_t flags);
// Frequency in Hz (100 to 100000; 0 = the file's own rate; -1 keeps it),
// volume 0 to 100 as linear amplitude (-1 keeps it) and pan -100 (left) to
// 100 (right; -101 keeps it). Pan moves only mono streams that are not 3D.
// Nothing changes if any value is out of range.
bool BASS_ChannelSetAttributes(std::uint32_t handle, int freq, int volume, int pan);
// Reads back the attributes; any pointer may be null.
bool BASS_ChannelGetAttributes(std::uint32_t handle, std::uint32_t* freq, std::uint32_t* volume,
                               int* pan);
// Position, orientation and velocity of a 3D stream, relative to the listener;
// a null pointer keeps that value. They take effect at BASS_Apply3D.
bool BASS_ChannelSet3DPosition(std::uint32_t handle, const BASS_3DVECTOR* position,
                               const BASS_3DVECTOR* orientation, const BASS_3DVECTOR* velocity);
// The values last set (applied or not); any pointer may be null.
bool BASS_ChannelGet3DPosition(std::uint32_t handle, BASS_3DVECTOR* position,
                               BASS_3DVECTOR* orientation, BASS_3DVECTOR* velocity);
// Stops the stream, keeping its place.
bool BASS_ChannelStop(std::uint32_t handle);
// Applies the 3D factors and positions set since the last call.
bool BASS_Apply3D();
// Stops all output until BASS_Start; false when no device is open.
bool BASS_Stop();
// Releases the device and every stream on it; false when none was open.
bool BASS_Free();
// The open output device by name and the OpenAL implementation playing on
// it, for the log; empty when no device is open.
std::string BASS_GetDeviceDescription();
// Share of the time, in percent, the layer's thread spends decoding since BASS_Init.
float BASS_GetCPU();

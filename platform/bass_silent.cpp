// The audio library of a build without OpenAL (a Windows build whose OpenAL
// Soft could not be built): no device ever opens, so the program runs silent
// and says so, as it does on a machine without a sound card.
#include "platform/bass.h"

namespace {
int lastError = BASS_OK;

bool noDevice() {
    lastError = BASS_ERROR_INIT;
    return false;
}
}  // namespace

bool BASS_Init(int, std::uint32_t, std::uint32_t, plat::Window*) {
    lastError = BASS_ERROR_DRIVER;
    return false;
}
int BASS_ErrorGetCode() { return lastError; }
bool BASS_Set3DFactors(float, float, float) { return noDevice(); }
std::uint32_t BASS_StreamCreateFile(bool, const char*, std::uint64_t, std::uint64_t,
                                    std::uint32_t) {
    return noDevice();
}
bool BASS_Start() { return noDevice(); }
bool BASS_StreamPlay(std::uint32_t, bool, std::uint32_t) { return noDevice(); }
bool BASS_ChannelSetAttributes(std::uint32_t, int, int, int) { return noDevice(); }
bool BASS_ChannelGetAttributes(std::uint32_t, std::uint32_t*, std::uint32_t*, int*) {
    return noDevice();
}
bool BASS_ChannelSet3DPosition(std::uint32_t, const BASS_3DVECTOR*, const BASS_3DVECTOR*,
                               const BASS_3DVECTOR*) {
    return noDevice();
}
bool BASS_ChannelGet3DPosition(std::uint32_t, BASS_3DVECTOR*, BASS_3DVECTOR*, BASS_3DVECTOR*) {
    return noDevice();
}
bool BASS_ChannelStop(std::uint32_t) { return noDevice(); }
bool BASS_Apply3D() { return noDevice(); }
bool BASS_Stop() { return noDevice(); }
bool BASS_Free() { return noDevice(); }
std::string BASS_GetDeviceDescription() { return ""; }
float BASS_GetCPU() { return 0.0f; }

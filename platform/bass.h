// The audio library the program calls: device, file streams and 3D placement,
// implemented over OpenAL Soft. With no audio device every call fails quietly.
#pragma once

// Stops all output; false when no device is open.
bool BASS_Stop();
// Releases the device and everything played on it; false when none was open.
bool BASS_Free();

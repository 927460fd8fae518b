// Background music and positional sound over the audio library: opening the
// output (with 3D support where there is some), the looping music stream,
// positional sources placed relative to the listener, and shut-down.
#pragma once

#include "render/vector_math.h"

#include <cstdint>

// The music stream's handle: 0 until playSound, and 0 if its file failed.
extern std::uint32_t soundStream;

// Opens the default output with 3D support; where there is none, says so once
// and opens it without. Without any output it logs that the program runs
// silent, and every later call does nothing.
void initSound();
// Streams the file in an endless loop at volume 0 to 100.
void playSound(const char* file, int volume);
// Sets the music's volume, 0 to 100.
void setMusicVolume(int volume);
// Stops all output.
void stopSound();
// Releases the audio library.
void killSound();

// A positional source from a mono file; returns its channel, 0 on failure.
std::uint32_t load3DSound(const char* file);
// Starts the output and plays the channel in a loop.
void play3DSound(std::uint32_t channel);
// Places the channel at (x, y, z) for a listener at listenerPos looking along
// listenerDir (scene units), at 9000 + 3000 * pitch Hz.
void move3DSound(std::uint32_t channel, float x, float y, float z, float pitch, Vertex listenerPos,
                 Vertex listenerDir);
void stop3DSound(std::uint32_t channel);
// Applies the positions set since the last call.
void new3DPos();
// The audio library's CPU usage in percent.
float CPUusage();

// A run's input recorded frame by frame, so a replay feeds the scene exactly
// what it saw. The file is little-endian binary: a header (magic, format
// version, record size, mode, boxes, scene), one fixed-size record per frame, and a
// trailer (frame count, CRC-32 of everything before the CRC).
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

// What a run can ask for, and so what a recording may hold.
constexpr int kLauncherEntries = 9;  // screen modes 0-8
constexpr int kMaxExtraBoxes = 10000;
constexpr int kSceneEntries = 6;  // the scenes physics/classic_scene.h names

// A change made through the control panel, which the frame applies as it applies
// a key press: op 0 is none; what the others and their values mean is the
// scene's (scene/panel_commands.h).
struct PanelCommand {
    std::uint8_t op = 0;
    float value[3] = {};
};
// One frame's input as the scene saw it.
// Keys and mouse buttons held, one bit per virtual-key code (bit k % 8 of byte
// k / 8); the pointer's move from the window centre; the frame's time.
struct FrameInput {
    std::array<std::uint8_t, 32> keys{};
    std::int32_t lookX = 0, lookY = 0;
    bool pointerHeld = false;  // whether the look turns the camera this frame
    float seconds = 0;         // the frame's time step for the physics
    float fps = 0;             // the frame rate the frame measured
    PanelCommand panel;        // none in a version-1 recording
};
struct RecordingHeader {
    std::int32_t mode = 0;   // the launcher entry the run used
    std::int32_t boxes = 0;  // the --boxes count
    std::int32_t scene = 0;  // the scene the run started in (0, the demo's own, before version 3)
};
// Writes a recording as the run goes: the header at Open, one record per Append, and
// a closing trailer (frame count and a checksum of everything before it) at Close. False (and
// `error` set) when the file cannot be written.
class RecordingWriter {
public:
    bool Open(const std::string& path, const RecordingHeader& header, std::string& error);
    // False when the record cannot be written, or the file would grow past what
    // ReadRecording takes; Close then reports it.
    bool Append(const FrameInput& frame);
    bool Close(std::string& error);  // also called by the destructor if still open
    ~RecordingWriter();

    RecordingWriter() = default;
    RecordingWriter(const RecordingWriter&) = delete;
    RecordingWriter& operator=(const RecordingWriter&) = delete;

private:
    bool write(const unsigned char* bytes, std::size_t size);

    std::FILE* file = nullptr;
    std::string path;
    std::uint32_t frameCount = 0;
    std::uint32_t crc = 0;
    std::string problem;  // why writing stopped; empty while it goes well
};
struct Recording {
    RecordingHeader header;
    std::vector<FrameInput> frames;
};
// Reads and checks the whole file before anything plays: the magic, the format version (1,
// without panel commands, 2, without the scene, or 3; another is refused naming it), the sizes, the
// trailer's frame count and checksum. nullopt with a one-line `error` naming the file and what is
// wrong.
std::optional<Recording> ReadRecording(const std::string& path, std::string& error);

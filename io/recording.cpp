#include "io/recording.h"

#include "io/file_bytes.h"
#include "io/little_endian.h"
#include "platform/log.h"

#include <zlib.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

namespace {

constexpr unsigned char kMagic[8] = {'V', 'A', 'R', 'N', 'E', 'R', 'E', 'C'};
// Version 2 added the panel's command to each record, version 3 the scene to
// the header; version 1 and 2 files still play.
constexpr std::uint32_t kVersion = 3;
constexpr std::size_t kHeaderSizeV2 = 24;  // magic, version, record size, mode, boxes
constexpr std::size_t kHeaderSize = 28;    // version 2's, then the scene
constexpr std::size_t kRecordSizeV1 = 49;  // keys, look x and y, held, seconds, fps
constexpr std::size_t kRecordSize = 62;    // version 1's, then panel op and three values
constexpr std::size_t kTrailerSize = 8;    // frame count, CRC-32
constexpr std::uint32_t kMaxFrames = (kMaxRecordingFile - kHeaderSize - kTrailerSize) / kRecordSize;

std::size_t recordSizeOf(std::uint32_t version) {
    return version == 1 ? kRecordSizeV1 : kRecordSize;
}

std::size_t headerSizeOf(std::uint32_t version) {
    return version < 3 ? kHeaderSizeV2 : kHeaderSize;
}

using Record = std::array<unsigned char, kRecordSize>;

Record encode(const FrameInput& frame) {
    Record record{};
    unsigned char* p = std::copy(frame.keys.begin(), frame.keys.end(), record.data());
    p = writeLE32(writeLE32(p, std::uint32_t(frame.lookX)), std::uint32_t(frame.lookY));
    *p++ = frame.pointerHeld;
    p = writeLE32(writeLE32(p, std::bit_cast<std::uint32_t>(frame.seconds)),
                  std::bit_cast<std::uint32_t>(frame.fps));
    *p++ = frame.panel.op;
    for (float value : frame.panel.value) p = writeLE32(p, std::bit_cast<std::uint32_t>(value));
    return record;
}

FrameInput decode(const unsigned char* p, std::uint32_t version) {
    FrameInput frame;
    std::copy(p, p + frame.keys.size(), frame.keys.begin());
    p += frame.keys.size();
    frame.lookX = std::int32_t(readLE32(p));
    frame.lookY = std::int32_t(readLE32(p + 4));
    frame.pointerHeld = p[8] != 0;
    frame.seconds = std::bit_cast<float>(readLE32(p + 9));
    frame.fps = std::bit_cast<float>(readLE32(p + 13));
    if (version == 1) return frame;
    frame.panel.op = p[17];
    for (int i = 0; i < 3; ++i)
        frame.panel.value[i] = std::bit_cast<float>(readLE32(p + 18 + 4 * i));
    return frame;
}

std::uint32_t crcOf(std::uint32_t crc, const unsigned char* bytes, std::size_t size) {
    return std::uint32_t(crc32(crc, bytes, uInt(size)));
}

// What is wrong with a recording's bytes; empty when nothing is.
std::string problemOf(const unsigned char* p, std::size_t size) {
    if (size >= sizeof kMagic && !std::equal(kMagic, kMagic + sizeof kMagic, p))
        return "not a 3D-Varne recording (no VARNEREC at its start)";
    const std::string truncated = "truncated at " + std::to_string(size) + " bytes";
    if (size < kHeaderSizeV2 + kTrailerSize) return truncated;
    const std::uint32_t version = readLE32(p + 8), recordSize = readLE32(p + 12);
    if (version < 1 || version > kVersion)
        return "format version " + std::to_string(version) + ", this program reads versions 1 to " +
               std::to_string(kVersion);
    const std::size_t headerSize = headerSizeOf(version);
    if (size < headerSize + kTrailerSize) return truncated;
    const std::size_t expected = recordSizeOf(version);
    if (recordSize != expected)
        return "frame records of " + std::to_string(recordSize) + " bytes, expected " +
               std::to_string(expected);
    const std::size_t frameBytes = size - headerSize - kTrailerSize;
    if (frameBytes % expected != 0)
        return "truncated: " + std::to_string(size) + " bytes do not end on a whole frame";
    const std::uint32_t count = readLE32(p + size - 8), crc = readLE32(p + size - 4);
    if (count != frameBytes / expected)
        return "the trailer counts " + std::to_string(count) + " frames, the file holds " +
               std::to_string(frameBytes / expected);
    if (crc != crcOf(0, p, size - 4)) return "damaged: the checksum does not match the contents";
    const std::int32_t mode = std::int32_t(readLE32(p + 16)),
                       boxes = std::int32_t(readLE32(p + 20));
    if (mode < 0 || mode >= kLauncherEntries)
        return "mode " + std::to_string(mode) + " is not an entry of the launcher (0-8)";
    if (boxes < 0 || boxes > kMaxExtraBoxes)
        return std::to_string(boxes) + " extra boxes, not 0-" + std::to_string(kMaxExtraBoxes);
    const std::int32_t scene = version < 3 ? 0 : std::int32_t(readLE32(p + 24));
    if (scene < 0 || scene >= kSceneEntries)
        return "scene " + std::to_string(scene) + " is not one of the " +
               std::to_string(kSceneEntries) + " scenes (0-" + std::to_string(kSceneEntries - 1) +
               ")";
    return "";
}

}  // namespace

bool RecordingWriter::Open(const std::string& path, const RecordingHeader& header,
                           std::string& error) {
    if (file) {
        error = path + ": cannot be opened: " + this->path + " is still being recorded";
        return false;
    }
    file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = path + ": cannot be written: " + std::strerror(errno);
        return false;
    }
    this->path = path;
    frameCount = crc = 0;
    problem.clear();
    unsigned char bytes[kHeaderSize];
    std::copy(kMagic, kMagic + sizeof kMagic, bytes);
    writeLE32(writeLE32(bytes + 8, kVersion), kRecordSize);
    unsigned char* p =
        writeLE32(writeLE32(bytes + 16, std::uint32_t(header.mode)), std::uint32_t(header.boxes));
    writeLE32(p, std::uint32_t(header.scene));
    if (write(bytes, sizeof bytes)) return true;
    Close(error);
    return false;
}

bool RecordingWriter::Append(const FrameInput& frame) {
    if (!file || !problem.empty()) return false;
    if (frameCount == kMaxFrames) {
        problem = "stopped at " + std::to_string(kMaxFrames) + " frames, the most a file holds";
        return false;
    }
    const Record record = encode(frame);
    if (!write(record.data(), record.size())) return false;
    ++frameCount;
    return true;
}

bool RecordingWriter::Close(std::string& error) {
    if (!file) return true;
    unsigned char count[4];
    writeLE32(count, frameCount);
    write(count, sizeof count);
    unsigned char checksum[4];
    writeLE32(checksum, crc);
    write(checksum, sizeof checksum);
    if (std::fclose(file) != 0 && problem.empty()) problem = std::strerror(errno);
    file = nullptr;
    if (problem.empty()) return true;
    error = path + ": cannot be written: " + problem;
    return false;
}

RecordingWriter::~RecordingWriter() {
    std::string error;
    if (!Close(error)) log_txt("%s", error.c_str());
}

bool RecordingWriter::write(const unsigned char* bytes, std::size_t size) {
    if (std::fwrite(bytes, 1, size, file) != size) {
        if (problem.empty()) problem = std::strerror(errno);
        return false;
    }
    crc = crcOf(crc, bytes, size);
    return true;
}

std::optional<Recording> ReadRecording(const std::string& path, std::string& error) {
    const FileBytes bytes = ReadFileBytes(path.c_str(), kMaxRecordingFile);
    const std::string problem = bytes.data ? problemOf(bytes.data.get(), bytes.size)
                                           : "cannot be read (missing, a folder, or over 256 MiB)";
    if (!problem.empty()) {
        error = path + ": " + problem;
        return std::nullopt;
    }
    const unsigned char* p = bytes.data.get();
    Recording recording;
    const std::uint32_t version = readLE32(p + 8);
    recording.header = {std::int32_t(readLE32(p + 16)), std::int32_t(readLE32(p + 20)),
                        version < 3 ? 0 : std::int32_t(readLE32(p + 24))};
    const std::size_t recordSize = recordSizeOf(version), headerSize = headerSizeOf(version);
    const std::size_t count = (bytes.size - headerSize - kTrailerSize) / recordSize;
    recording.frames.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        recording.frames.push_back(decode(p + headerSize + i * recordSize, version));
    return recording;
}

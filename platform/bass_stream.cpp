// File streams: opening a file with libsndfile onto an OpenAL source, and
// keeping the source's small buffer queue filled with decoded chunks. A
// looping stream seeks back to the first frame inside the chunk that reaches
// the end, so the loop has no gap.
#include "platform/bass_internal.h"

namespace bass_al {

namespace {

bool hasAlError() { return alGetError() != AL_NO_ERROR; }

// Decodes up to one chunk, wrapping to the first frame when looping.
// Returns the frames decoded; sets `ended` when a non-looping play (or a file
// that yields nothing after a rewind) has no more.
sf_count_t decodeChunk(Stream& s) {
    sf_count_t got = 0;
    bool justRewound = false;
    while (got < kChunkFrames) {
        const sf_count_t n =
            sf_readf_float(s.file, s.decoded.data() + got * s.channels, kChunkFrames - got);
        if (n > 0) {
            got += n;
            justRewound = false;
            continue;
        }
        if (!s.loop || justRewound || sf_seek(s.file, 0, SEEK_SET) < 0) {
            s.ended = true;
            break;
        }
        justRewound = true;
    }
    return got;
}

// Fills the buffer with the next chunk and queues it; false when nothing is left.
bool queueChunk(Stream& s, ALuint buffer) {
    if (s.ended) return false;
    const sf_count_t frames = decodeChunk(s);
    if (frames == 0) return false;
    const int channels = toPcm(s, frames, s.pcm.data());
    alBufferData(buffer, s.format ? s.format : AL_FORMAT_STEREO16, s.pcm.data(),
                 ALsizei(frames * channels * sizeof(short)), s.rate);
    alSourceQueueBuffers(s.source, 1, &buffer);
    return true;
}

// Why sf_open failed: the file itself, or what is in it, with libsndfile's words.
bool openError() {
    std::string reason = sf_strerror(nullptr);
    if (!reason.empty() && reason.back() == '.') reason.pop_back();
    return setError(sf_error(nullptr) == SF_ERR_SYSTEM ? BASS_ERROR_FILEOPEN : BASS_ERROR_FORMAT,
                    reason);
}

bool formatError(const SF_INFO& info, bool is3D) {
    if (info.channels < 1 || info.channels > 8 || info.samplerate < 1) {
        return setError(BASS_ERROR_FORMAT, std::to_string(info.channels) + " channels at " +
                                               std::to_string(info.samplerate) + " Hz");
    }
    if (is3D && info.channels != 1) return setError(BASS_ERROR_NO3D);  // OpenAL places only mono
    return true;
}

// Whether the file yields a first frame; it is read again from the start when played.
bool hasFrames(Stream& s) {
    const bool any = sf_readf_float(s.file, s.decoded.data(), 1) == 1;
    sf_seek(s.file, 0, SEEK_SET);
    return any || setError(BASS_ERROR_EMPTY);
}

// Gives the stream its source and buffers; the source plays relative to the
// listener, attenuated with distance only when 3D.
bool makeSource(Stream& s, const Factors& factors) {
    alGetError();
    alGenSources(1, &s.source);
    if (hasAlError()) return false;
    alGenBuffers(kBufferCount, s.buffers.data());
    if (hasAlError()) return false;
    alSourcei(s.source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSourcef(s.source, AL_REFERENCE_DISTANCE, 1.0f);
    if (s.is3D) {
        applyPlace(s, factors);
    } else {
        alSourcef(s.source, AL_ROLLOFF_FACTOR, 0.0f);
    }
    applyAttributes(s);
    return !hasAlError();
}

}  // namespace

Stream::~Stream() {
    if (source) {
        alSourceStop(source);
        alSourcei(source, AL_BUFFER, 0);
        alDeleteSources(1, &source);
    }
    if (buffers[0]) alDeleteBuffers(kBufferCount, buffers.data());
    if (file) sf_close(file);
}

std::unique_ptr<Stream> openStream(const char* path, bool is3D, const Factors& factors) {
    auto s = std::make_unique<Stream>();
    SF_INFO info{};
    s->file = sf_open(path, SFM_READ, &info);
    if (!(s->file ? formatError(info, is3D) : openError())) return nullptr;
    s->channels = info.channels;
    s->rate = info.samplerate;
    s->freq = std::uint32_t(info.samplerate);
    s->is3D = is3D;
    s->decoded.resize(std::size_t(kChunkFrames) * std::size_t(info.channels));
    s->pcm.resize(s->decoded.size());
    if (!hasFrames(*s)) return nullptr;
    s->format = streamFormat(info.channels);
    if (!makeSource(*s, factors)) {
        setError(BASS_ERROR_UNKNOWN);
        return nullptr;
    }
    return s;
}

void rewind(Stream& s) {
    alSourceStop(s.source);
    alSourcei(s.source, AL_BUFFER, 0);
    sf_seek(s.file, 0, SEEK_SET);
    s.ended = false;
    for (ALuint buffer : s.buffers) {
        if (!queueChunk(s, buffer)) break;
    }
}

void feed(Stream& s) {
    ALint processed = 0;
    alGetSourcei(s.source, AL_BUFFERS_PROCESSED, &processed);
    for (; processed > 0; --processed) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(s.source, 1, &buffer);
        queueChunk(s, buffer);
    }
    ALint state = 0, queued = 0;
    alGetSourcei(s.source, AL_SOURCE_STATE, &state);
    alGetSourcei(s.source, AL_BUFFERS_QUEUED, &queued);
    if (state != AL_STOPPED) return;
    if (queued > 0) {
        alSourcePlay(s.source);  // it ran dry before we refilled it
    } else {
        s.playing = false;
    }
}

}  // namespace bass_al

using namespace bass_al;

std::uint32_t BASS_StreamCreateFile(bool mem, const char* file, std::uint64_t offset,
                                    std::uint64_t length, std::uint32_t flags) {
    std::lock_guard lock(library().mutex);
    Output* out = openOutput();
    if (!out) return 0;
    const bool is3D = flags & BASS_SAMPLE_3D;
    if (mem || offset || length || !file) {
        setError(BASS_ERROR_ILLPARAM);
        return 0;
    }
    if (is3D && !out->has3D) {
        setError(BASS_ERROR_NO3D);
        return 0;
    }
    std::unique_ptr<Stream> s = openStream(file, is3D, out->factors);
    if (!s) return 0;
    const std::uint32_t handle = out->nextHandle++;
    out->streams.emplace(handle, std::move(s));
    clearError();
    return handle;
}

bool BASS_StreamPlay(std::uint32_t handle, bool flush, std::uint32_t flags) {
    std::lock_guard lock(library().mutex);
    Stream* s = findStream(handle);
    if (!s) return false;
    s->loop = flags & BASS_SAMPLE_LOOP;
    ALint queued = 0, state = 0;
    alGetSourcei(s->source, AL_BUFFERS_QUEUED, &queued);
    if (flush || s->ended || queued == 0) rewind(*s);
    alGetSourcei(s->source, AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING) alSourcePlay(s->source);  // playing again would restart the queue
    s->playing = true;
    return clearError();
}

bool BASS_ChannelGetInfo(std::uint32_t handle, BASS_CHANNELINFO* info) {
    std::lock_guard lock(library().mutex);
    const Stream* s = findStream(handle);
    if (!s) return false;
    *info = {std::uint32_t(s->rate), std::uint32_t(s->channels), s->format == 0};
    return clearError();
}

bool BASS_ChannelStop(std::uint32_t handle) {
    std::lock_guard lock(library().mutex);
    Stream* s = findStream(handle);
    if (!s) return false;
    alSourcePause(s->source);  // keeps the queue, so playing again continues here
    s->playing = false;
    return clearError();
}

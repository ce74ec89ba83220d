// espeak-ng in synchronous mode, run in a short-lived child process for each line: the synthesiser keeps
// state from one line to the next (and draws on the C library's random numbers), so a fresh process with a
// fixed seed is what makes a line come out the same whatever was spoken before it.
#include "SpeechSynth.h"

#include <espeak-ng/espeak_ng.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Resampler.h"

namespace mediagen {
namespace {

int Collect(short* samples, int count, espeak_EVENT* events)
{
    if (samples == nullptr || events == nullptr)
        return 0;
    auto* out = static_cast<std::vector<short>*>(events->user_data);
    if (out != nullptr)
        out->insert(out->end(), samples, samples + count);
    return 0;
}

bool WriteAll(int fd, const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = write(fd, bytes, size);
        if (n <= 0)
            return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Runs in the child: answers the rate, the count and the samples on the pipe, or nothing on failure.
[[noreturn]] void SynthesiseInChild(int fd, const std::string& text, const VoiceStyle& style)
{
    std::srand(1);
    espeak_ng_InitializePath(nullptr);
    if (espeak_ng_Initialize(nullptr) != ENS_OK || espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK)
        _exit(2);
    espeak_SetSynthCallback(Collect);
    if (espeak_ng_SetVoiceByName(style.voice.c_str()) != ENS_OK)
        _exit(3);
    espeak_ng_SetParameter(espeakRATE, style.wordsPerMinute, 0);
    espeak_ng_SetParameter(espeakPITCH, style.pitch, 0);
    espeak_ng_SetParameter(espeakRANGE, style.pitchRange, 0);
    espeak_ng_SetParameter(espeakVOLUME, 100, 0);
    std::vector<short> samples;
    espeak_ng_Synthesize(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &samples);
    espeak_ng_Synchronize();
    const std::int32_t header[2] = {espeak_ng_GetSampleRate(), static_cast<std::int32_t>(samples.size())};
    const bool ok = WriteAll(fd, header, sizeof header) && WriteAll(fd, samples.data(), samples.size() * sizeof(short));
    _exit(ok ? 0 : 4);
}

std::vector<char> ReadAll(int fd)
{
    std::vector<char> bytes;
    char chunk[65536];
    for (;;) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n <= 0)
            break;
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return bytes;
}

}  // namespace

AudioBuffer SpeechSynth::Speak(const std::string& text, const VoiceStyle& style)
{
    int fds[2];
    if (pipe(fds) != 0)
        return AudioBuffer(22050);
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        SynthesiseInChild(fds[1], text, style);
    }
    close(fds[1]);
    std::vector<char> bytes;
    if (child > 0)
        bytes = ReadAll(fds[0]);
    close(fds[0]);
    int status = 0;
    if (child > 0)
        waitpid(child, &status, 0);

    std::int32_t header[2] = {0, 0};
    if (child <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || bytes.size() < sizeof header) {
        std::fprintf(stderr, "mediagen: espeak-ng could not speak \"%s\" with voice %s\n", text.c_str(), style.voice.c_str());
        return AudioBuffer(22050);
    }
    std::copy(bytes.data(), bytes.data() + sizeof header, reinterpret_cast<char*>(header));
    const std::size_t available = (bytes.size() - sizeof header) / sizeof(short);
    const std::size_t count = std::min<std::size_t>(available, header[1] > 0 ? static_cast<std::size_t>(header[1]) : 0);
    AudioBuffer line(header[0] > 0 ? header[0] : 22050, count);
    for (std::size_t i = 0; i < count; ++i) {
        short s = 0;
        std::copy(bytes.data() + sizeof header + i * sizeof(short), bytes.data() + sizeof header + (i + 1) * sizeof(short),
                  reinterpret_cast<char*>(&s));
        line[i] = s / 32768.0f;
    }
    line.TrimSilence(0.004f);
    if (style.speed != 1.0)
        line = ChangeSpeed(line, style.speed);
    return line;
}

}  // namespace mediagen

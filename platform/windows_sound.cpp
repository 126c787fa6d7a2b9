#include "platform/windows_sound.h"

#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

#include "platform/wave_loop.h"

namespace {

// Four buffers of about a tenth of a second each: enough that a busy moment
// of the game is not heard, and a few hundred KB at most for a tune of any length.
constexpr std::size_t bufferCount = 4;

// One tune streaming out: the buffers go round the output, and a feeding
// thread refills each from the file when the output hands it back. waveOut
// signals an event for that; its callbacks must not call waveOut themselves.
class WaveOutStream {
public:
    explicit WaveOutStream(WaveLoop& tune) : loop(tune) {}
    ~WaveOutStream() { close(); }
    WaveOutStream(const WaveOutStream&) = delete;
    WaveOutStream& operator=(const WaveOutStream&) = delete;

    // Opens the output in the file's own format and queues every buffer;
    // false when the output refuses the format or cannot be opened.
    bool start() {
        handedBack = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        if (!handedBack) return false;
        loop.rewind();
        const auto* format = reinterpret_cast<const WAVEFORMATEX*>(loop.format().data());
        if (waveOutOpen(&output, WAVE_MAPPER, format, reinterpret_cast<DWORD_PTR>(handedBack), 0, CALLBACK_EVENT) !=
            MMSYSERR_NOERROR) {
            output = nullptr;
            return false;
        }
        for (std::size_t i = 0; i < bufferCount; ++i) {
            samples[i].resize(loop.bufferBytes());
            headers[i] = WAVEHDR{};
            headers[i].lpData = samples[i].data();
            headers[i].dwBufferLength = static_cast<DWORD>(samples[i].size());
            if (waveOutPrepareHeader(output, &headers[i], sizeof(WAVEHDR)) != MMSYSERR_NOERROR) return false;
            prepared = i + 1;
            refill(headers[i]);
        }
        feeder = std::thread([this] { feed(); });
        return true;
    }

private:
    // Writes the next samples of the loop into a buffer and queues it; a
    // file that can no longer be read leaves the buffer out, and silence follows.
    void refill(WAVEHDR& header) {
        const std::size_t bytes = loop.next(header.lpData, samples.front().size());
        if (bytes == 0) return;
        header.dwBufferLength = static_cast<DWORD>(bytes);
        waveOutWrite(output, &header, sizeof(WAVEHDR));
    }

    void feed() {
        // A late refill is heard as a gap; the game's own work can wait.
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL);
        while (WaitForSingleObject(handedBack, INFINITE) == WAIT_OBJECT_0 && !stopping) {
            for (WAVEHDR& header : headers)
                if ((header.dwFlags & WHDR_DONE) != 0) refill(header);
        }
    }

    // Stops the sound at once: the feeder ends first, so that only this
    // thread calls waveOut, then the output gives every buffer back.
    void close() {
        stopping = true;
        if (feeder.joinable()) {
            SetEvent(handedBack);
            feeder.join();
        }
        if (output) {
            waveOutReset(output);
            for (std::size_t i = 0; i < prepared; ++i) waveOutUnprepareHeader(output, &headers[i], sizeof(WAVEHDR));
            waveOutClose(output);
        }
        if (handedBack) CloseHandle(handedBack);
    }

    WaveLoop& loop;
    HANDLE handedBack = nullptr;  // signalled by waveOut when a buffer comes back
    HWAVEOUT output = nullptr;
    std::array<std::vector<char>, bufferCount> samples;
    std::array<WAVEHDR, bufferCount> headers{};
    std::size_t prepared = 0;
    std::atomic<bool> stopping{false};
    std::thread feeder;
};

class WinmmSoundDevice : public SoundDevice {
public:
    bool open() override { return waveOutGetNumDevs() > 0; }

    // A track is the file opened for streaming, its format read.
    Track load(const std::string& path) override {
        auto loop = std::make_unique<WaveLoop>();
        if (!loop->open(std::filesystem::u8path(path))) return nullptr;
        return loop.release();
    }

    bool playLooping(Track track) override {
        halt();
        playing = std::make_unique<WaveOutStream>(*static_cast<WaveLoop*>(track));
        if (playing->start()) {
            playingTrack = track;
            return true;
        }
        halt();
        return false;
    }

    void halt() override {
        playing.reset();
        playingTrack = nullptr;
    }

    void free(Track track) override {
        if (track == playingTrack) halt();
        delete static_cast<WaveLoop*>(track);
    }

private:
    std::unique_ptr<WaveOutStream> playing;
    Track playingTrack = nullptr;
};

}  // namespace

std::unique_ptr<SoundDevice> makeWinmmSoundDevice() { return std::make_unique<WinmmSoundDevice>(); }

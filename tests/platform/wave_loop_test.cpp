// The wave file streamed block by block around its loop, as the Windows
// output plays music: the joint, the chunks a player's file may hold, and
// the files it must refuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "console/tune.h"
#include "platform/wave_loop.h"
#include "support/temp_folder.h"

namespace {

std::string little(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xffu);
    return out;
}

std::string chunk(const std::string& id, const std::string& payload) {
    return id + little(static_cast<std::uint32_t>(payload.size()), 4) + payload +
           (payload.size() % 2 ? "\x07" : "");
}

std::string pcmFormat(int channels, int rate, int bits) {
    const int block = channels * bits / 8;
    return little(1, 2) + little(channels, 2) + little(rate, 4) + little(rate * block, 4) + little(block, 2) +
           little(bits, 2);
}

std::string riff(const std::string& chunks) {
    return "RIFF" + little(static_cast<std::uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

// Reads the loop in pieces of the given size until it has total bytes.
std::string readAround(WaveLoop& loop, std::size_t piece, std::size_t total) {
    std::string out;
    std::vector<char> buffer(piece);
    while (out.size() < total) {
        const std::size_t got = loop.next(buffer.data(), piece);
        if (got == 0) break;
        out.append(buffer.data(), got);
    }
    out.resize(std::min(out.size(), total));
    return out;
}

TEST(WaveLoop, BlocksRunOnPastTheEndWithTheFirstSamplesWhateverTheChunksBeforeThem) {
    TempFolder tmp;
    // A tune as the game makes it: 16-bit stereo, 1000 frames of distinct samples.
    std::vector<std::int16_t> samples(2000);
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::int16_t>(i * 7 - 5000);
    const std::string made = music::waveBytes(samples, 2, 44100);
    const std::string data = made.substr(44);
    WaveLoop tune;
    ASSERT_TRUE(tune.open(tmp.write("made.wav", made)));
    EXPECT_EQ(tune.dataBytes(), data.size());
    EXPECT_EQ(tune.bufferBytes(), 17640u);  // a tenth of a second
    // 1400 bytes a piece do not divide the 4000 of the loop: the joint falls
    // inside a piece, and the loop comes round three times.
    EXPECT_EQ(readAround(tune, 1400, 3 * data.size()), data + data + data);

    // A player's file: 8-bit mono at 11025 Hz with an odd-sized note before
    // the format (padded to an even length), a long format chunk, and a
    // chunk between the format and the samples.
    const std::string bytes = "\x80\x01\xff\x10\x20\x30\x40";
    const std::string file = riff(chunk("LIST", "odd") + chunk("fmt ", pcmFormat(1, 11025, 8) + little(22, 2)) +
                                  chunk("fact", little(7, 4)) + chunk("data", bytes));
    WaveLoop own;
    ASSERT_TRUE(own.open(tmp.write("own.wav", file)));
    EXPECT_EQ(own.channels(), 1);
    EXPECT_EQ(own.sampleRate(), 11025u);
    EXPECT_EQ(own.blockAlign(), 1);
    // Plain PCM goes out as the 18 bytes of a WAVEFORMATEX, nothing after them.
    EXPECT_EQ(own.format(), pcmFormat(1, 11025, 8) + little(0, 2));
    EXPECT_EQ(readAround(own, 5, 21), bytes + bytes + bytes);
}

TEST(WaveLoop, RefusesFilesWithoutPlayableSamplesAndPlaysACutFileAsFarAsItGoes) {
    TempFolder tmp;
    const std::string format = chunk("fmt ", pcmFormat(2, 22050, 16));
    const std::string zeroBlock = chunk("fmt ", pcmFormat(2, 22050, 0));
    const struct {
        const char* what;
        std::string bytes;
    } refused[] = {
        {"not a wave file", "RIFF....AVI junk"},
        {"no samples", riff(format)},
        {"samples before any format", riff(chunk("data", "abcd") + format)},
        {"an empty data chunk", riff(format + chunk("data", ""))},
        {"less than one frame", riff(format + chunk("data", "abc"))},
        {"frames of no bytes", riff(zeroBlock + chunk("data", "abcd"))},
        {"a format too short", riff(chunk("fmt ", "\x01") + chunk("data", "abcd"))},
        {"a chunk longer than the file", riff("LIST" + little(1000000, 4) + format)},
    };
    for (const auto& file : refused) {
        WaveLoop loop;
        EXPECT_FALSE(loop.open(tmp.write("bad.wav", file.bytes))) << file.what;
    }
    WaveLoop missing;
    EXPECT_FALSE(missing.open(tmp / "missing.wav"));

    // A data chunk that claims more than the file holds (a recording cut
    // short): its whole frames loop, the broken last one left out.
    const std::string held = "0123456789";
    WaveLoop cut;
    ASSERT_TRUE(cut.open(tmp.write("cut.wav", riff(format) + "data" + little(4000, 4) + held)));
    EXPECT_EQ(cut.dataBytes(), 8u);
    EXPECT_EQ(readAround(cut, 12, 24), "012345670123456701234567");
}

}  // namespace

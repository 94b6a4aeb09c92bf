// Writes the two short alert sounds of the program's shared-data folder: Ring08.wav (a two-tone
// ring after an odds fetch) and Alarm05.wav (three beeps after a vote), 16-bit mono PCM at 22050 Hz.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;

struct Tone {
    double hz;
    double seconds;
};

void put32(std::FILE* f, std::uint32_t v) {
    unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                          static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    std::fwrite(b, 1, 4, f);
}

void put16(std::FILE* f, std::uint16_t v) {
    unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
    std::fwrite(b, 1, 2, f);
}

bool writeWav(const std::string& path, const std::vector<Tone>& tones) {
    std::vector<std::int16_t> samples;
    for (const Tone& tone : tones) {
        int n = static_cast<int>(tone.seconds * kRate);
        for (int i = 0; i < n; ++i) {
            double envelope = std::min(1.0, std::min(i, n - i) / (0.01 * kRate));  // no clicks
            double v = tone.hz > 0 ? std::sin(2 * std::numbers::pi * tone.hz * i / kRate) * envelope * 0.5 : 0.0;
            samples.push_back(static_cast<std::int16_t>(v * 32767));
        }
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::fwrite("RIFF", 1, 4, f);
    put32(f, 36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    put32(f, 16);
    put16(f, 1);
    put16(f, 1);
    put32(f, kRate);
    put32(f, kRate * 2);
    put16(f, 2);
    put16(f, 16);
    std::fwrite("data", 1, 4, f);
    put32(f, dataBytes);
    for (std::int16_t s : samples) put16(f, static_cast<std::uint16_t>(s));
    return std::fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: marovix_make_sounds MEDIA_FOLDER\n");
        return 2;
    }
    std::string folder = argv[1];
    bool ok = writeWav(folder + "/Ring08.wav",
                       {{880, 0.15}, {0, 0.05}, {660, 0.15}, {0, 0.05}, {880, 0.15}, {0, 0.05}, {660, 0.15}}) &&
              writeWav(folder + "/Alarm05.wav", {{1200, 0.12}, {0, 0.08}, {1200, 0.12}, {0, 0.08}, {1200, 0.12}});
    return ok ? 0 : 1;
}

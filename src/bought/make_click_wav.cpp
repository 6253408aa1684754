// Writes the mode-switch click: 60 ms of a decaying 2 kHz tone with a little
// noise on the attack, 16-bit mono PCM at 22050 Hz.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {
void put16(std::FILE *f, std::uint16_t v)
{
    std::fputc(v & 0xff, f);
    std::fputc(v >> 8, f);
}

void put32(std::FILE *f, std::uint32_t v)
{
    put16(f, v & 0xffff);
    put16(f, v >> 16);
}
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.wav\n", argv[0]);
        return 2;
    }
    const int rate = 22050;
    const int samples = rate * 60 / 1000;
    const double pi = 3.14159265358979323846;
    std::vector<std::int16_t> pcm(samples);
    std::uint32_t noise = 12345;
    for (int i = 0; i < samples; ++i) {
        const double t = double(i) / rate;
        noise = noise * 1664525u + 1013904223u;
        const double hiss = (double(noise >> 16) / 32768.0 - 1.0) * std::exp(-t * 400.0);
        const double tone = std::sin(2 * pi * 2000.0 * t) * std::exp(-t * 80.0);
        pcm[i] = static_cast<std::int16_t>(9000.0 * (0.7 * tone + 0.3 * hiss));
    }

    std::FILE *f = std::fopen(argv[1], "wb");
    if (!f) {
        std::perror(argv[1]);
        return 1;
    }
    const std::uint32_t dataBytes = samples * 2;
    std::fwrite("RIFF", 1, 4, f);
    put32(f, 36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    put32(f, 16);
    put16(f, 1);         // PCM
    put16(f, 1);         // mono
    put32(f, rate);
    put32(f, rate * 2);  // bytes per second
    put16(f, 2);         // block align
    put16(f, 16);        // bits per sample
    std::fwrite("data", 1, 4, f);
    put32(f, dataBytes);
    for (std::int16_t s : pcm)
        put16(f, static_cast<std::uint16_t>(s));
    return std::fclose(f) == 0 ? 0 : 1;
}

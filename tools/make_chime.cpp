// Writes the schedule's alarm sound: a short two-note chime, synthesised here and encoded as MP3.
#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_chime OUTPUT.mp3\n");
        return 2;
    }
    constexpr int kRate = 44100;
    constexpr double kSeconds = 1.4;
    constexpr double kPi = 3.14159265358979323846;
    const int samples = int(kRate * kSeconds);
    std::vector<short> pcm(static_cast<size_t>(samples));
    // Two bell-like notes (E6 then C6), each a fundamental with two softer partials and a fast decay.
    struct Note {
        double start, frequency;
    };
    const Note notes[] = {{0.0, 1318.51}, {0.35, 1046.50}};
    for (int i = 0; i < samples; ++i) {
        const double t = double(i) / kRate;
        double v = 0;
        for (const Note& n : notes) {
            const double u = t - n.start;
            if (u < 0)
                continue;
            const double attack = std::min(1.0, u / 0.004);
            const double envelope = attack * std::exp(-u * 4.0);
            v += envelope * (0.6 * std::sin(2 * kPi * n.frequency * u) +
                             0.25 * std::sin(2 * kPi * 2.0 * n.frequency * u) * std::exp(-u * 3.0) +
                             0.1 * std::sin(2 * kPi * 3.01 * n.frequency * u) * std::exp(-u * 6.0));
        }
        pcm[static_cast<size_t>(i)] = static_cast<short>(std::lround(std::clamp(v * 0.5, -1.0, 1.0) * 32767));
    }

    lame_global_flags* lame = lame_init();
    lame_set_in_samplerate(lame, kRate);
    lame_set_num_channels(lame, 1);
    lame_set_mode(lame, MONO);
    lame_set_brate(lame, 96);
    lame_set_quality(lame, 2);
    if (lame_init_params(lame) < 0) {
        std::fprintf(stderr, "make_chime: encoder setup failed\n");
        return 1;
    }
    std::vector<unsigned char> mp3(static_cast<size_t>(samples) * 5 / 4 + 7200 + 7200);
    int n = lame_encode_buffer(lame, pcm.data(), pcm.data(), samples, mp3.data(), int(mp3.size()));
    if (n < 0) {
        std::fprintf(stderr, "make_chime: encoding failed\n");
        return 1;
    }
    const int tail = lame_encode_flush(lame, mp3.data() + n, int(mp3.size()) - n);
    lame_close(lame);
    if (tail < 0)
        return 1;
    n += tail;
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(mp3.data(), 1, static_cast<size_t>(n), out) != static_cast<size_t>(n) ||
        std::fclose(out) != 0) {
        std::fprintf(stderr, "make_chime: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

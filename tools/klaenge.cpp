// Synthesises the game's sound cues as WAV files (16-bit mono, 44.1 kHz):
//   meldung.wav     a group claims the turn: a bright two-tone buzzer
//   richtig.wav     a right answer: a rising major arpeggio
//   falsch.wav      a wrong answer: two falling, buzzing tones
//   aufgedeckt.wav  the picture is revealed without a winner: a soft chime
// Every sample is computed here from sine partials and envelopes.
//
//   varno-klaenge <output folder>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 44100;
constexpr double Pi = 3.14159265358979323846;

using Signal = std::vector<double>;

// One note: partials of a fundamental under an attack/decay envelope.
struct Ton {
    double beginn;     // seconds
    double dauer;      // seconds
    double frequenz;   // Hz
    double lautstaerke;
    std::vector<double> obertoene;  // amplitudes of partials 1, 2, 3, ...
    double anschlag = 0.008;        // attack in seconds
    double abklingen = 6.0;         // exponential decay per second
};

void spiele(Signal& s, const Ton& t)
{
    const auto von = static_cast<std::size_t>(t.beginn * Rate);
    const auto n = static_cast<std::size_t>(t.dauer * Rate);
    if (s.size() < von + n)
        s.resize(von + n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double zeit = double(i) / Rate;
        double wert = 0;
        for (std::size_t k = 0; k < t.obertoene.size(); ++k)
            wert += t.obertoene[k] * std::sin(2 * Pi * t.frequenz * double(k + 1) * zeit);
        const double ein = std::min(1.0, zeit / t.anschlag);
        // A short release at the end, so that no note stops with a click.
        const double aus = std::min(1.0, (t.dauer - zeit) / 0.01);
        s[von + i] += t.lautstaerke * ein * aus * std::exp(-t.abklingen * zeit) * wert;
    }
}

Signal meldung()
{
    Signal s;
    const std::vector<double> hell = {1.0, 0.5, 0.3, 0.15};
    spiele(s, {0.00, 0.12, 988, 0.5, hell, 0.004, 4});
    spiele(s, {0.11, 0.20, 1319, 0.5, hell, 0.004, 8});
    return s;
}

Signal richtig()
{
    Signal s;
    const std::vector<double> glocke = {1.0, 0.35, 0.12};
    const double noten[] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i)
        spiele(s, {0.09 * i, i == 3 ? 0.55 : 0.22, noten[i], 0.34, glocke, 0.006, i == 3 ? 4.5 : 7});
    return s;
}

Signal falsch()
{
    Signal s;
    // Odd partials: a hollow, buzzing tone.
    const std::vector<double> summen = {1.0, 0.0, 0.45, 0.0, 0.25, 0.0, 0.12};
    spiele(s, {0.00, 0.26, 233.08, 0.32, summen, 0.01, 2});
    spiele(s, {0.26, 0.42, 174.61, 0.32, summen, 0.01, 3});
    return s;
}

Signal aufgedeckt()
{
    Signal s;
    const std::vector<double> weich = {1.0, 0.2, 0.05};
    spiele(s, {0.00, 0.9, 659.25, 0.28, weich, 0.02, 3.5});
    spiele(s, {0.00, 0.9, 987.77, 0.18, weich, 0.02, 4.0});
    spiele(s, {0.15, 0.8, 783.99, 0.22, weich, 0.02, 3.5});
    return s;
}

void schreibe16(std::ofstream& f, std::uint16_t v) { f.put(char(v & 0xff)).put(char(v >> 8)); }
void schreibe32(std::ofstream& f, std::uint32_t v)
{
    schreibe16(f, std::uint16_t(v & 0xffff));
    schreibe16(f, std::uint16_t(v >> 16));
}

bool schreibeWav(const std::string& pfad, const Signal& s)
{
    std::ofstream f(pfad, std::ios::binary);
    if (!f)
        return false;
    const auto bytes = std::uint32_t(s.size() * 2);
    f.write("RIFF", 4);
    schreibe32(f, 36 + bytes);
    f.write("WAVEfmt ", 8);
    schreibe32(f, 16);
    schreibe16(f, 1);              // PCM
    schreibe16(f, 1);              // mono
    schreibe32(f, Rate);
    schreibe32(f, Rate * 2);       // bytes per second
    schreibe16(f, 2);              // bytes per sample frame
    schreibe16(f, 16);             // bits per sample
    f.write("data", 4);
    schreibe32(f, bytes);
    for (const double wert : s) {
        const double begrenzt = std::max(-1.0, std::min(1.0, wert));
        schreibe16(f, std::uint16_t(std::int16_t(std::lround(begrenzt * 32767))));
    }
    return bool(f);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string ordner = argv[1];
    const struct {
        const char* name;
        Signal (*erzeuge)();
    } klaenge[] = {{"meldung", meldung}, {"richtig", richtig}, {"falsch", falsch}, {"aufgedeckt", aufgedeckt}};
    for (const auto& k : klaenge) {
        if (!schreibeWav(ordner + "/" + k.name + ".wav", k.erzeuge())) {
            std::fprintf(stderr, "%s/%s.wav: cannot be written\n", ordner.c_str(), k.name);
            return 1;
        }
    }
    return 0;
}

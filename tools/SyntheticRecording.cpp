#include "tools/SyntheticRecording.h"

#include "recording/ChannelDefaults.h"
#include "recording/ChannelTable.h"
#include "recording/Constants.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace velundia::cli {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double MeanCycleMs = 857.0;  // 70 beats per minute; one sample is one millisecond
constexpr int SurfaceLeads = 12;
constexpr double IntracardiacGainRatio = 5.0;  // "5mv": a fifth of the surface raw units per mV

// splitmix64: fixed and portable, so a seed gives the same file on every machine
// (the standard library's distributions differ between implementations).
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }  // [0, 1)
    double normal() { return (uniform() + uniform() + uniform() + uniform() - 2.0) * std::sqrt(3.0); }

private:
    uint64_t state_;
};

// One wave of the surface ECG: an asymmetric Gaussian in time (ms after P onset), its
// frontal-plane vector (mV, degrees; lead I at 0, lead II at 60) and its size in V1..V6.
struct SurfaceWave {
    double centre, rise, fall;
    double frontalMv, axisDegrees;
    std::array<double, 6> precordialMv;
};

constexpr SurfaceWave SurfaceWaves[] = {
    {50, 22, 18, 0.15, 55, {0.06, 0.08, 0.09, 0.10, 0.10, 0.09}},          // P
    {168, 5, 4, -0.12, 30, {0.0, 0.0, 0.0, -0.05, -0.10, -0.12}},          // Q
    {185, 7, 7, 1.20, 55, {0.25, 0.50, 0.80, 1.30, 1.50, 1.20}},           // R: R/S progression V1 -> V6
    {203, 6, 8, -0.35, 100, {-1.10, -1.50, -0.90, -0.50, -0.25, -0.10}},  // S
    {430, 55, 32, 0.32, 45, {0.10, 0.45, 0.50, 0.45, 0.35, 0.25}},        // T
};

// A local activation seen by a bipolar pair: time after P onset (ms), size (mV), width (ms).
struct Deflection {
    double time, amplitudeMv, sigma;
};

struct IntracardiacLead {
    const char* name;
    const char* colourName;
    std::array<Deflection, 3> parts;  // amplitude 0: no such part
};

// Sinus conduction: high right atrium first, low septal atrium at the His catheter, coronary sinus
// proximal (9-10) to distal (1-2), His spike 45 ms before QRS onset (160 ms), right ventricular
// apex early in the QRS, the rest of the ventricles later.
const IntracardiacLead IntracardiacLeads[] = {
    {"HRA d", "YELLOW", {{{15, 2.5, 2.5}, {190, 0.25, 9}, {0, 0, 1}}}},
    {"HIS d", "CYAN", {{{40, 0.8, 2.5}, {115, 0.7, 1.2}, {172, 3.5, 3.5}}}},
    {"HIS p", "CYAN", {{{35, 1.6, 2.5}, {112, 0.4, 1.2}, {176, 2.0, 3.5}}}},
    {"CS 9-10", "GREENCYAN", {{{55, 2.0, 2.5}, {205, 1.0, 4}, {0, 0, 1}}}},
    {"CS 7-8", "GREENCYAN", {{{63, 2.2, 2.5}, {210, 1.1, 4}, {0, 0, 1}}}},
    {"CS 5-6", "GREENCYAN", {{{71, 2.4, 2.5}, {215, 1.2, 4}, {0, 0, 1}}}},
    {"CS 3-4", "GREENCYAN", {{{79, 2.1, 2.5}, {220, 1.1, 4}, {0, 0, 1}}}},
    {"CS 1-2", "GREENCYAN", {{{87, 1.8, 2.5}, {225, 1.0, 4}, {0, 0, 1}}}},
    {"RVA d", "MAGENTA", {{{60, 0.12, 8}, {180, 7.0, 3.5}, {0, 0, 1}}}},
    {"RVA p", "MAGENTA", {{{60, 0.10, 8}, {184, 5.5, 3.5}, {0, 0, 1}}}},
    {"HRA p", "YELLOW", {{{18, 2.0, 2.5}, {190, 0.2, 9}, {0, 0, 1}}}},
    {"ABL d", "WHITE", {{{70, 1.2, 2.5}, {195, 4.0, 3.5}, {0, 0, 1}}}},
    {"ABL p", "WHITE", {{{72, 1.0, 2.5}, {198, 3.0, 3.5}, {0, 0, 1}}}},
};
constexpr int NamedIntracardiac = static_cast<int>(sizeof IntracardiacLeads / sizeof IntracardiacLeads[0]);

const char* const SurfaceNames[SurfaceLeads] = {"I", "II", "III", "aVR", "aVL", "aVF",
                                                "V1", "V2", "V3", "V4", "V5", "V6"};

// Channels past the named ones: further coronary sinus and ablation pairs, alternating.
IntracardiacLead extraLead(int extra, std::string& name) {
    const int pair = extra / 2;
    const bool cs = extra % 2 == 0;
    name = cs ? "CS " + std::to_string(11 + 2 * pair) + "-" + std::to_string(12 + 2 * pair)
              : "ABL " + std::to_string(3 + 2 * pair) + "-" + std::to_string(4 + 2 * pair);
    const double atrial = 45 + (7 * extra) % 50;
    const double ventricular = 178 + (11 * extra) % 50;
    return {name.c_str(), cs ? "GREENCYAN" : "WHITE", {{{atrial, 1.5, 2.5}, {ventricular, 2.5, 3.5}, {0, 0, 1}}}};
}

std::vector<double> beatOnsets(int samples, Random& rng) {
    std::vector<double> onsets;
    double t = 80 + 200 * rng.uniform();
    while (t < samples) {
        onsets.push_back(t);
        // Respiratory sinus arrhythmia (4 s breathing) and a little beat-to-beat jitter.
        t += MeanCycleMs + 30 * std::sin(2 * Pi * t / 4000) + 16 * (rng.uniform() - 0.5);
    }
    return onsets;
}

void addWave(std::vector<double>& signal, double centre, double rise, double fall, double amplitude) {
    const int first = std::max(0, static_cast<int>(std::floor(centre - 5 * rise)));
    const int last = std::min(static_cast<int>(signal.size()) - 1, static_cast<int>(std::ceil(centre + 5 * fall)));
    for (int s = first; s <= last; ++s) {
        const double d = s - centre;
        const double sigma = d < 0 ? rise : fall;
        signal[static_cast<std::size_t>(s)] += amplitude * std::exp(-d * d / (2 * sigma * sigma));
    }
}

// A sharp bipolar electrogram: a biphasic swing of +-amplitude about the activation time and a
// small trailing lobe.
void addActivation(std::vector<double>& signal, double time, double amplitude, double sigma) {
    const int first = std::max(0, static_cast<int>(std::floor(time - 6 * sigma)));
    const int last = std::min(static_cast<int>(signal.size()) - 1, static_cast<int>(std::ceil(time + 6 * sigma)));
    for (int s = first; s <= last; ++s) {
        const double u = (s - time) / sigma;
        const double tail = (u - 2.2) / 0.8;
        signal[static_cast<std::size_t>(s)] +=
            amplitude * (-u * std::exp(0.5 * (1 - u * u)) + 0.35 * std::exp(-tail * tail / 2));
    }
}

void addNoise(std::vector<double>& signal, Random& rng, double sdMv, double wanderMv) {
    const double phase = 2 * Pi * rng.uniform();
    for (std::size_t s = 0; s < signal.size(); ++s)
        signal[s] += sdMv * rng.normal() + wanderMv * std::sin(2 * Pi * static_cast<double>(s) / 5000 + phase);
}

int16_t clamped(double raw) {
    const double limited = std::clamp(raw, double{std::numeric_limits<int16_t>::min()},
                                      double{std::numeric_limits<int16_t>::max()});
    return static_cast<int16_t>(std::lround(limited));
}

std::vector<int16_t> toRaw(const std::vector<double>& mv, double rawPerMv) {
    std::vector<int16_t> raw(mv.size());
    for (std::size_t s = 0; s < mv.size(); ++s) raw[s] = clamped(mv[s] * rawPerMv);
    return raw;
}

// Surface lead `lead` (0 = I, 1 = II, 2.. = V1..V6) in mV.
std::vector<double> surfaceSignal(int lead, const std::vector<double>& onsets, int samples, Random& rng) {
    std::vector<double> signal(static_cast<std::size_t>(samples), 0.0);
    for (double onset : onsets) {
        for (const SurfaceWave& w : SurfaceWaves) {
            const double amplitude =
                lead < 2 ? w.frontalMv * std::cos((w.axisDegrees - 60.0 * lead) * Pi / 180)
                         : w.precordialMv[static_cast<std::size_t>(lead - 2)];
            if (amplitude != 0) addWave(signal, onset + w.centre, w.rise, w.fall, amplitude);
        }
    }
    addNoise(signal, rng, 0.008, 0.04);
    return signal;
}

std::vector<double> intracardiacSignal(const IntracardiacLead& lead, const std::vector<double>& onsets, int samples,
                                       Random& rng) {
    std::vector<double> signal(static_cast<std::size_t>(samples), 0.0);
    for (double onset : onsets)
        for (const Deflection& d : lead.parts)
            if (d.amplitudeMv != 0) addActivation(signal, onset + d.time, d.amplitudeMv, d.sigma);
    addNoise(signal, rng, 0.02, 0.0);
    return signal;
}

void describeChannel(ChannelRecord& record, const std::string& name, const std::string& gain, const char* colourName,
                     bool surface) {
    record.leadName.assign(name);
    record.gain.assign(gain);
    record.lowPass.assign(surface ? "100" : "500");
    record.highPass.assign(surface ? "0.05" : "30");
    record.sampling.assign("1000");
    record.scale.assign("1");
    record.colourName.assign(colourName);
}

}  // namespace

std::string synthLeadName(int channel) {
    if (channel < SurfaceLeads) return SurfaceNames[channel];
    if (channel < SurfaceLeads + NamedIntracardiac) return IntracardiacLeads[channel - SurfaceLeads].name;
    std::string name;
    extraLead(channel - SurfaceLeads - NamedIntracardiac, name);
    return name;
}

ExportFileBuilder synthesizeRecording(const SynthOptions& options) {
    const int channels = std::clamp(options.channels, 1, MaxChannels);
    const int samples = std::clamp(options.samples, 0, SynthMaxSamples);
    ExportFileBuilder b = ExportFileBuilder::standard(channels, samples);
    b.header.studyId.assign("SYNTH " + std::to_string(options.seed));

    // The same rule as the program's, so that the sheet's 1 mV pulse matches these waves.
    ChannelTable gainOnly;
    gainOnly.setRowCount(2);
    gainOnly.setCell(2, 1, options.gainText);
    const double rawPerMv = 80.0 * amplitudeDivisorFor(gainOnly);

    Random rhythm(options.seed);
    const std::vector<double> onsets = beatOnsets(samples, rhythm);
    // Each channel draws its noise from a stream of its own: the channel count does not change
    // the other channels.
    auto noiseFor = [&](int channel) { return Random(options.seed * 0x100000001B3ull + static_cast<uint64_t>(channel) + 1); };

    for (int c = 0; c < channels; ++c) {
        const auto k = static_cast<std::size_t>(c);
        if (c < SurfaceLeads) {
            describeChannel(b.channels[k], SurfaceNames[c], options.gainText, c < 6 ? "WHITE" : "GREEN", true);
            continue;
        }
        std::string extraName;
        const IntracardiacLead lead = c < SurfaceLeads + NamedIntracardiac
                                          ? IntracardiacLeads[c - SurfaceLeads]
                                          : extraLead(c - SurfaceLeads - NamedIntracardiac, extraName);
        describeChannel(b.channels[k], lead.name, "5mv", lead.colourName, false);
        Random noise = noiseFor(c);
        b.samples[k] = toRaw(intracardiacSignal(lead, onsets, samples, noise), rawPerMv / IntracardiacGainRatio);
    }

    // Limb leads: I and II are measured, the other four follow from them (Einthoven, Goldberger),
    // computed from the raw values so that the relations hold within one unit of rounding.
    Random noiseI = noiseFor(0), noiseII = noiseFor(1);
    const std::vector<int16_t> leadI = toRaw(surfaceSignal(0, onsets, samples, noiseI), rawPerMv);
    const std::vector<int16_t> leadII = toRaw(surfaceSignal(1, onsets, samples, noiseII), rawPerMv);
    std::vector<std::vector<int16_t>> limb(6, std::vector<int16_t>(static_cast<std::size_t>(samples)));
    for (std::size_t s = 0; s < static_cast<std::size_t>(samples); ++s) {
        const double i = leadI[s], ii = leadII[s];
        limb[0][s] = leadI[s];
        limb[1][s] = leadII[s];
        limb[2][s] = clamped(ii - i);
        limb[3][s] = clamped(-(i + ii) / 2);
        limb[4][s] = clamped(i - ii / 2);
        limb[5][s] = clamped(ii - i / 2);
    }
    for (int c = 0; c < std::min(channels, 6); ++c)
        b.samples[static_cast<std::size_t>(c)] = std::move(limb[static_cast<std::size_t>(c)]);
    for (int c = 6; c < std::min(channels, SurfaceLeads); ++c) {
        Random noise = noiseFor(c);
        b.samples[static_cast<std::size_t>(c)] = toRaw(surfaceSignal(c - 4, onsets, samples, noise), rawPerMv);
    }
    return b;
}

}  // namespace velundia::cli

#pragma once

#include "recording/ExportFileBuilder.h"

#include <cstdint>
#include <string>

namespace velundia::cli {

constexpr int SynthMaxSamples = 100000;  // 100 s at 1000 samples per second

struct SynthOptions {
    int channels = 16;          // 1..MaxChannels
    int samples = 10000;        // per channel, 0..SynthMaxSamples; may exceed what the program keeps
    uint64_t seed = 1;          // same seed, same bytes
    std::string gainText = "1mv";  // gain text of the surface leads; "2mv" selects the larger divisor
};

// Lead name of a synthetic channel: I, II, III, aVR, aVL, aVF, V1..V6, then intracardiac
// bipolar pairs (HRA d, HIS d, HIS p, CS 9-10 .. CS 1-2, RVA d, ...).
std::string synthLeadName(int channel);

// A sinus rhythm of about 70 beats per minute sampled at 1000 Hz. The surface leads obey
// Einthoven's relations within one raw unit of rounding and use 80 x amplitude divisor raw
// units per mV, so the twelve-lead sheet's calibration pulse is 1 mV; the intracardiac
// channels (gain "5mv": a fifth of that per mV) carry sharp local activations in the order
// of sinus conduction: high right atrium, His region, coronary sinus proximal to distal,
// His spike, right ventricular apex.
ExportFileBuilder synthesizeRecording(const SynthOptions& options);

}  // namespace velundia::cli

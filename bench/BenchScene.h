#pragma once

#include "recording/LeadSettings.h"
#include "recording/Recording.h"

#include <memory>
#include <vector>

namespace velundia::bench {

// A synthetic recording (sinus rhythm on the surface leads, sharp activations on the
// intracardiac channels) as the program holds it after an open, with every channel shown.
struct LoadedRecording {
    std::vector<unsigned char> bytes;  // the export file
    std::unique_ptr<Recording> recording = std::make_unique<Recording>();
    LeadSettings leads;
};

// channels x samples, seed 1; built once per shape and kept for the whole run.
const LoadedRecording& loadedRecording(int channels, int samples);

}  // namespace velundia::bench

#pragma once

#include "interaction/Measurement.h"
#include "recording/LeadSettings.h"
#include "recording/Recording.h"
#include "view/ViewControls.h"
#include "view/ViewSettings.h"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace velundia::cli {

// The view options shared by `render` and `print`, as given on the command line.
struct ViewOptions {
    std::string file;
    int traceWidth = 620;   // --size WxH
    int traceHeight = 341;
    int sweepNumerator = 1;  // --sweep 0.25|0.5|1|2|4
    int sweepDenominator = 1;
    int globalGain = 25;  // --gain 1..50
    int firstSample = 0;  // --pos N, clamped to the scroll range
    int brushWidth = 1;   // --brush 1..5
    bool roundBrush = false;  // --round
    bool clipping = false;    // --clip
    bool ruler = true;        // --no-ruler
    bool shownGiven = false;  // --shown I,J,...
    std::vector<int> shown;
    std::vector<std::pair<int, int>> leadGainSteps;  // --lead-gain C=STEP
    std::vector<std::pair<int, int>> clipWidths;     // --clip-width C=W
    std::vector<std::pair<int, int32_t>> colours;    // --colour C=0xBBGGRR
    struct MeasureSpec {
        int x1, x2, y;
    };
    std::vector<MeasureSpec> measures;  // --measure X1,X2,Y
    bool greyBack = false;              // --grey-back
    bool overview = false;              // --overview
    int overviewLead = -2;              // --overview-lead I; -2: the program's default
    int stripWidth = 643;               // --strip WxH
    int stripHeight = 56;
    bool twelveLead = false;            // --twelve
    std::vector<std::pair<int, int>> calibration;  // --cal N=POS
};

// Consumes args[i] (and its value) when it is a view option and advances i past it.
// Returns false when args[i] is not a view option. A bad value sets error to a one-line reason.
bool parseViewOption(const std::vector<std::string>& args, std::size_t& i, ViewOptions& options,
                     std::string& error);

// One argument of `render` or `print` beside their own options: a view option or the recording
// (the first argument that is not an option). Advances i; false with a one-line reason otherwise.
bool parseViewArgument(const std::vector<std::string>& args, std::size_t& i, ViewOptions& options,
                       std::string& error);

// True when output names the recording itself, which is never written to.
bool namesTheRecording(const std::string& recording, const std::string& output);

// The program's state after opening options.file and applying the options.
struct ViewScene {
    Recording recording;
    LeadSettings leads;
    ViewSettings settings;
    ViewControls controls;
    MeasurementList measurements;
    std::vector<std::string> warnings;
};

// Opens the file as the program does and applies the options. On failure writes one line to
// err and returns ExitFileProblem (or ExitUsage for an option that does not fit the file).
int loadViewScene(const ViewOptions& options, ViewScene& scene, std::ostream& err);

}  // namespace velundia::cli

// velundia-cli render: the picture the program's renderers draw, written to the file named by --out.
#include "interaction/Overlay.h"
#include "tools/Commands.h"
#include "tools/GuiSession.h"
#include "tools/ViewOptions.h"
#include "view/OverviewStrip.h"
#include "view/RasterSurface.h"
#include "view/TraceRenderer.h"
#include "view/TwelveLeadSheet.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace velundia::cli {

namespace {

constexpr const char* Prefix = "velundia-cli render: ";
constexpr const char* RenderUsage =
    "usage: velundia-cli render FILE --out PICTURE.png|PICTURE.ppm [--size WxH] [--sweep 0.25|0.5|1|2|4] "
    "[--gain 1..50] [--pos N] [--brush 1..5] [--round] [--clip] [--no-ruler] [--shown I,J,...] "
    "[--lead-gain C=STEP] [--clip-width C=W] [--colour C=0xBBGGRR] [--measure X1,X2,Y] [--grey-back] "
    "[--overview [--overview-lead I] [--strip WxH]] [--twelve [--cal N=POS]]";

enum class PictureFormat { Png, Ppm };

struct RenderOptions {
    ViewOptions view;
    std::string out;
    PictureFormat format = PictureFormat::Png;
};

bool endsWith(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.rbegin(), suffix.rend(), text.rbegin(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

bool parseRenderOptions(const std::vector<std::string>& args, RenderOptions& options, std::string& error) {
    for (std::size_t i = 0; i < args.size();) {
        const std::string& arg = args[i];
        if (arg == "--out") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                error = "--out needs a picture file name";
                return false;
            }
            options.out = args[i + 1];
            i += 2;
            continue;
        }
        if (!parseViewArgument(args, i, options.view, error)) return false;
    }
    if (options.view.file.empty()) {
        error = "FILE missing";
        return false;
    }
    if (options.out.empty()) {
        error = "--out PICTURE missing";
        return false;
    }
    if (endsWith(options.out, ".png")) {
        options.format = PictureFormat::Png;
    } else if (endsWith(options.out, ".ppm")) {
        options.format = PictureFormat::Ppm;
    } else {
        error = "--out must end in .png or .ppm, not '" + options.out + "'";
        return false;
    }
    if (!options.view.measures.empty() && (options.view.overview || options.view.twelveLead)) {
        error = "--measure marks the trace box; it does not go with --overview or --twelve";
        return false;
    }
    if (namesTheRecording(options.view.file, options.out)) {
        error = "--out names the recording itself";
        return false;
    }
    return true;
}

bool writePpm(const RasterSurface& picture, const std::string& path) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file << "P6\n" << picture.width() << ' ' << picture.height() << "\n255\n";
    std::vector<char> row(static_cast<std::size_t>(picture.width()) * 3);
    for (int y = 0; y < picture.height() && file; ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Colour c = picture.pixel(x, y);  // 0x00BBGGRR
            row[std::size_t(x) * 3] = static_cast<char>(c & 0xFF);
            row[std::size_t(x) * 3 + 1] = static_cast<char>((c >> 8) & 0xFF);
            row[std::size_t(x) * 3 + 2] = static_cast<char>((c >> 16) & 0xFF);
        }
        file.write(row.data(), static_cast<std::streamsize>(row.size()));
    }
    file.close();
    return static_cast<bool>(file);
}

// Draws what the options ask for, in the program's order, and returns the surface to write.
std::unique_ptr<RasterSurface> drawPicture(const RenderOptions& options, ViewScene& scene) {
    const ViewControls& controls = scene.controls;
    if (options.view.overview) {
        // The strip as it stands on screen: the overview copied onto it, then the frame.
        RasterSurface overview(controls.stripWidth, controls.stripHeight);
        auto strip = std::make_unique<RasterSurface>(controls.stripWidth, controls.stripHeight);
        RenderOverview(overview, scene.recording, scene.leads, controls);
        strip->draw(0, 0, overview);
        DrawViewportFrame(*strip, overview, scene.recording, scene.settings, controls);
        return strip;
    }
    const bool sheet = controls.twelveLead;
    auto trace = std::make_unique<RasterSurface>(sheet ? SheetWidth : controls.traceWidth,
                                                 sheet ? SheetHeight : controls.traceHeight);
    RenderTraces(*trace, scene.recording, scene.leads, scene.settings, controls);
    if (sheet || scene.measurements.count == 0) return trace;

    auto overlay = std::make_unique<RasterSurface>(controls.traceWidth, controls.traceHeight);
    RasterSurface traceBox(controls.traceWidth, controls.traceHeight);
    PresentOverlay(scene.measurements,
                   OverlayScene{*overlay, *trace, traceBox, controls.traceWidth, controls.traceHeight, scene.settings});
    return overlay;
}

}  // namespace

int runRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    RenderOptions options;
    std::string error;
    if (!parseRenderOptions(args, options, error)) {
        err << Prefix << error << "; " << RenderUsage << '\n';
        return ExitUsage;
    }

    ViewScene scene;
    const int loaded = loadViewScene(options.view, scene, err);
    if (loaded != ExitOk) return loaded;
    for (const std::string& warning : scene.warnings) err << Prefix << "warning: " << warning << '\n';

    const GuiSession qt;
    const std::unique_ptr<RasterSurface> picture = drawPicture(options, scene);

    errno = 0;
    const bool written = options.format == PictureFormat::Ppm
                             ? writePpm(*picture, options.out)
                             : picture->image().save(QString::fromStdString(options.out), "PNG");
    if (!written) {
        const std::string reason = errno != 0 ? std::strerror(errno) : "write failed";
        err << "velundia-cli: cannot write " << options.out << ": " << reason << '\n';
        return ExitFileProblem;
    }
    out << "wrote " << options.out << ": " << picture->width() << "x" << picture->height() << '\n';
    return ExitOk;
}

}  // namespace velundia::cli

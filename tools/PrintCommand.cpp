#include "output/PrintJob.h"
#include "output/PrintReport.h"
#include "tools/Commands.h"
#include "tools/GuiSession.h"
#include "tools/ViewOptions.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QString>

#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

namespace velundia::cli {

namespace {

constexpr const char* Prefix = "velundia-cli print: ";

struct PrintOptions {
    ViewOptions view;
    std::string pdf;
    bool names = true;
    QPageSize::PageSizeId page = QPageSize::A4;
    bool landscape = false;
};

// Parses the options of `print`; returns false with a one-line reason on a usage error.
bool parsePrintOptions(const std::vector<std::string>& args, PrintOptions& options, std::string& error) {
    for (std::size_t i = 0; i < args.size();) {
        const std::string& arg = args[i];
        if (arg == "--pdf" || arg == "--page") {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            const std::string& value = args[i + 1];
            if (arg == "--pdf") {
                options.pdf = value;
            } else if (value == "A4") {
                options.page = QPageSize::A4;
            } else if (value == "Letter") {
                options.page = QPageSize::Letter;
            } else {
                error = "--page must be A4 or Letter, not '" + value + "'";
                return false;
            }
            i += 2;
            continue;
        }
        if (arg == "--no-names" || arg == "--landscape") {
            if (arg == "--no-names") options.names = false;
            if (arg == "--landscape") options.landscape = true;
            ++i;
            continue;
        }
        if (!parseViewArgument(args, i, options.view, error)) return false;
    }
    if (options.view.file.empty()) {
        error = "no recording given (velundia-cli print FILE --pdf OUT.pdf)";
        return false;
    }
    if (options.pdf.empty()) {
        error = "--pdf OUT.pdf is required";
        return false;
    }
    if (namesTheRecording(options.view.file, options.pdf)) {
        error = "--pdf names the recording itself";
        return false;
    }
    return true;
}

}  // namespace

int runPrint(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err) {
    PrintOptions options;
    std::string error;
    if (!parsePrintOptions(args, options, error)) {
        err << Prefix << error << '\n';
        return ExitUsage;
    }

    ViewScene scene;
    const int loaded = loadViewScene(options.view, scene, err);
    if (loaded != ExitOk) return loaded;
    for (const std::string& warning : scene.warnings) err << Prefix << "warning: " << warning << '\n';

    const GuiSession qt;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(options.pdf));
    printer.setPageSize(QPageSize(options.page));
    printer.setPageOrientation(options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);

    // The window's caption after an open is the file's full path.
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(options.view.file, ec);
    const std::string caption = ec ? options.view.file : absolute.string();
    try {
        printReportJob(printer, caption,
                       PrintInputs{scene.recording, scene.leads, scene.settings, scene.controls, options.names});
    } catch (const std::exception& e) {
        err << Prefix << e.what() << '\n';
        return ExitFileProblem;
    }
    return ExitOk;
}

}  // namespace velundia::cli

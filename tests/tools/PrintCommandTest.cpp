#include "recording/ExportFileBuilder.h"
#include "tools/Commands.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace velundia::cli {
namespace {

// The executable under test, as built beside this test program.
QString cliExecutable() { return QString::fromLocal8Bit(VELUNDIA_CLI_PATH); }

class PrintCommand : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string recording;
    std::string pdf;
    std::ostringstream out, err;

    void SetUp() override {
        ExportFileBuilder b = ExportFileBuilder::standard(4, 3000);
        b.channels[1].leadName.assign("II");
        for (std::size_t s = 0; s < 3000; ++s)
            b.samples[0][s] = static_cast<int16_t>(1000 * std::sin(static_cast<double>(s) / 40));
        const std::vector<unsigned char> bytes = b.bytes();
        recording = dir.filePath("study.dat").toStdString();
        QFile file(QString::fromStdString(recording));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        file.close();
        pdf = dir.filePath("report.pdf").toStdString();
    }
    int run(std::vector<std::string> args) {
        args.insert(args.begin(), "print");
        return runCli(args, out, err);
    }
    QByteArray readAll(const std::string& path) {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // err holds exactly one line.
    bool oneLine() const {
        const std::string e = err.str();
        return !e.empty() && e.find('\n') == e.size() - 1;
    }
};

TEST_F(PrintCommand, WritesOnePagePdf) {
    ASSERT_EQ(run({recording, "--pdf", pdf}), ExitOk) << err.str();
    const QByteArray bytes = readAll(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n"), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // the recording and the PDF
}

TEST_F(PrintCommand, PageSizeAndOrientation) {
    struct Case {
        std::vector<std::string> options;
        const char* mediaBox;  // points
    } const cases[] = {
        {{}, "/MediaBox [0 0 595.000000 842.000000]"},
        {{"--landscape"}, "/MediaBox [0 0 842.000000 595.000000]"},
        {{"--page", "Letter"}, "/MediaBox [0 0 612.000000 792.000000]"},
        {{"--page", "A4", "--twelve", "--no-names"}, "/MediaBox [0 0 595.000000 842.000000]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mediaBox);
        std::vector<std::string> args = {recording, "--pdf", pdf};
        args.insert(args.end(), c.options.begin(), c.options.end());
        ASSERT_EQ(run(args), ExitOk) << err.str();
        EXPECT_TRUE(readAll(pdf).contains(c.mediaBox));
    }
}

TEST_F(PrintCommand, UsageErrorsWriteNothing) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--pdf", "PDF"},
        {"FILE"},
        {"FILE", "--pdf"},
        {"FILE", "--pdf", "PDF", "--page", "A5"},
        {"FILE", "--pdf", "PDF", "--bogus"},
        {"FILE", "--pdf", "PDF", "extra.dat"},
        {"FILE", "--pdf", "PDF", "--gain", "0"},
        {"FILE", "--pdf", "FILE"},  // never over the recording
    };
    const QByteArray original = readAll(recording);
    for (std::vector<std::string> args : cases) {
        for (std::string& a : args) {
            if (a == "FILE") a = recording;
            if (a == "PDF") a = pdf;
        }
        SCOPED_TRACE(args.empty() ? std::string("(none)") : args.back());
        err.str("");
        EXPECT_EQ(run(args), ExitUsage);
        EXPECT_TRUE(oneLine()) << err.str();
        EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));
    }
    EXPECT_EQ(readAll(recording), original);
}

TEST_F(PrintCommand, FileProblemsExitOne) {
    const struct {
        std::string file, out;
    } cases[] = {
        {dir.filePath("missing.dat").toStdString(), pdf},
        {recording, dir.filePath("no/such/dir/report.pdf").toStdString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + " " + c.out);
        err.str("");
        EXPECT_EQ(run({c.file, "--pdf", c.out}), ExitFileProblem);
        EXPECT_TRUE(oneLine()) << err.str();
        EXPECT_FALSE(QFile::exists(QString::fromStdString(c.out)));
    }
}

// The executable makes its own QGuiApplication, with no display and no platform chosen, and
// a failure still leaves exactly one line on standard error.
TEST_F(PrintCommand, ExecutableRunsWithoutADisplay) {
    const QString cli = cliExecutable();
    ASSERT_TRUE(QFileInfo(cli).isExecutable()) << cli.toStdString();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    const struct {
        QString pdf;
        int exitCode;
        int errorLines;
    } cases[] = {
        {QString::fromStdString(pdf), ExitOk, 0},
        {dir.filePath("no/such/dir/report.pdf"), ExitFileProblem, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pdf.toStdString());
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(cli, {"print", QString::fromStdString(recording), "--pdf", c.pdf, "--twelve"});
        ASSERT_TRUE(process.waitForFinished(60000));
        const QByteArray errors = process.readAllStandardError();
        EXPECT_EQ(process.exitCode(), c.exitCode) << errors.toStdString();
        EXPECT_EQ(errors.count('\n'), c.errorLines) << errors.toStdString();
    }
    EXPECT_TRUE(readAll(pdf).startsWith("%PDF"));
}

}  // namespace
}  // namespace velundia::cli

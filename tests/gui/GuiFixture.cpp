#include "tests/gui/GuiFixture.h"

#include <QFile>
#include <QPrinter>
#include <QTest>

namespace velundia::testing {

std::optional<QString> FakeDialogs::chooseOpenFile(QWidget*, const QString& filter) {
    ++openCalls;
    openFilter = filter;
    return openAnswer;
}

void FakeDialogs::chooseSaveFile(QWidget*, const QString& filter) {
    ++saveCalls;
    saveFilter = filter;
}

void FakeDialogs::showMessage(QWidget*, QMessageBox::Icon icon, const QString& title, const QString& text) {
    messages.push_back({icon, title, text});
}

bool FakeDialogs::confirmPrint(QWidget*, QPrinter& printer) {
    ++printCalls;
    copiesAtPrintDialog = printer.copyCount();
    printDialogPrinter = &printer;
    if (printFile.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printFile);
    return true;
}

void FakeDialogs::setUpPrinter(QWidget*, QPrinter& printer) {
    ++setUpCalls;
    setUpDialogPrinter = &printer;
}

bool FakeDialogs::chooseColour(QWidget*, QColor& colour) {
    ++colourCalls;
    colourOffered = colour;
    if (!colourAnswer) return false;
    colour = *colourAnswer;
    return true;
}

void WindowTest::SetUp() {
    ASSERT_TRUE(folder.isValid());
    window = std::make_unique<TSDIAppForm>();
    about = std::make_unique<TAboutBox>();
    window->setAboutBox(*about);
    auto fake = std::make_unique<FakeDialogs>();
    dialogs = fake.get();
    window->setDialogs(std::move(fake));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window.get());  // shortcuts need the active window; tests that do say so
}

void WindowTest::TearDown() {
    window.reset();
    about.reset();
}

QString WindowTest::writeFile(const ExportFileBuilder& builder, const QString& name, std::size_t keepBytes) const {
    const std::vector<unsigned char> bytes = builder.bytes();
    const std::size_t size = keepBytes ? std::min(keepBytes, bytes.size()) : bytes.size();
    const QString path = folder.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(size));
    return path;
}

ExportFileBuilder WindowTest::leadsFile(const std::vector<std::string>& names, int samples,
                                        const std::vector<std::string>& colours) {
    ExportFileBuilder builder = ExportFileBuilder::standard(static_cast<int>(names.size()), samples);
    for (std::size_t c = 0; c < names.size(); ++c) {
        builder.channels[c].leadName.assign(names[c]);
        if (c < colours.size()) builder.channels[c].colourName.assign(colours[c]);
    }
    return builder;
}

void WindowTest::open(const QString& path) {
    dialogs->openAnswer = path;
    window->FileOpen1Execute(nullptr);
}

void WindowTest::resizeWindow(QSize size) {
    window->resize(size);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->size() == size; })) << size.width() << "x" << size.height();
    QCoreApplication::processEvents();
}

}  // namespace velundia::testing

#pragma once

#include "app/About.h"
#include "app/Dialogs.h"
#include "app/SDIMain.h"
#include "recording/ExportFileBuilder.h"

#include <QColor>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace velundia::testing {

struct ShownMessage {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

// Answers the open dialog with a given path (or a cancel) and records every message box.
class FakeDialogs final : public Dialogs {
public:
    std::optional<QString> openAnswer;
    int openCalls = 0;
    QString openFilter;
    int saveCalls = 0;
    QString saveFilter;
    std::vector<ShownMessage> messages;

    std::optional<QString> chooseOpenFile(QWidget*, const QString& filter) override;
    void chooseSaveFile(QWidget*, const QString& filter) override;
    void showMessage(QWidget*, QMessageBox::Icon icon, const QString& title, const QString& text) override;
    // The colour dialog confirms with colourAnswer when it is set, else it is cancelled.
    std::optional<QColor> colourAnswer;
    int colourCalls = 0;
    QColor colourOffered;  // the colour the dialog opened with
    bool chooseColour(QWidget*, QColor& colour) override;
    bool confirmPrint(QWidget*, QPrinter& printer) override;
    void setUpPrinter(QWidget*, QPrinter& printer) override;

    // The print dialog confirms when printFile is set: the printer then writes a PDF there.
    QString printFile;
    int printCalls = 0;
    int copiesAtPrintDialog = 0;  // the printer's copies count as the dialog opened
    int setUpCalls = 0;
    QPrinter* printDialogPrinter = nullptr;
    QPrinter* setUpDialogPrinter = nullptr;
};

// A shown main window at its start size with the fake dialogs, and a folder for export files.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    template <class Control>
    Control* child(const char* name) const {
        Control* control = window->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    // Writes the builder's bytes (cut to `keepBytes` when given) into the temporary folder.
    QString writeFile(const ExportFileBuilder& builder, const QString& name, std::size_t keepBytes = 0) const;
    // A file of `channels` named channels with constant samples and colour names.
    static ExportFileBuilder leadsFile(const std::vector<std::string>& names, int samples,
                                       const std::vector<std::string>& colours = {});
    // File, Open answered with path.
    void open(const QString& path);
    // Resizes the window and waits until the window has taken the size.
    void resizeWindow(QSize size);

    QTemporaryDir folder;
    std::unique_ptr<TAboutBox> about;
    std::unique_ptr<TSDIAppForm> window;
    FakeDialogs* dialogs = nullptr;
};

}  // namespace velundia::testing

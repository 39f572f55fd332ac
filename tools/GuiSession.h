#pragma once

#include <QGuiApplication>
#include <QtGlobal>

#include <memory>

namespace velundia::cli {

// What a drawing command needs of Qt: a QGuiApplication (fonts, printers, the PDF engine) on the
// off-screen platform unless told otherwise, since a command-line run may have no display; and
// quiet: Qt's own notes (the run-time directory, a painter that could not begin) would add lines
// to the one line a failure writes. Critical and fatal messages still get through.
class GuiSession {
public:
    GuiSession();
    ~GuiSession();
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;

private:
    QtMessageHandler previousHandler_;
    std::unique_ptr<QGuiApplication> app_;  // only when none existed
};

}  // namespace velundia::cli

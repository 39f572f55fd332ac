#include "tools/GuiSession.h"

#include <cstdio>

namespace velundia::cli {

namespace {

QtMessageHandler forwardTo = nullptr;

void passOnlySevere(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtCriticalMsg && type != QtFatalMsg) return;
    if (forwardTo != nullptr) {
        forwardTo(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

}  // namespace

GuiSession::GuiSession() : previousHandler_(qInstallMessageHandler(&passOnlySevere)) {
    forwardTo = previousHandler_;
    if (QCoreApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "velundia-cli";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
}

GuiSession::~GuiSession() {
    app_.reset();
    qInstallMessageHandler(previousHandler_);
}

}  // namespace velundia::cli

#pragma once

#include <QApplication>
#include <QString>

#include <functional>

namespace velundia {

// The application object: an error that escapes any handler is shown in a message box
// with its text, and the event loop goes on. It also fixes the widget style, so that the
// window looks and measures the same on every desktop.
class VelundiaApplication : public QApplication {
public:
    VelundiaApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an escaped error; a message box titled with the application's name by default.
    std::function<void(const QString& text)> showError;

    // Runs one handler and shows an error that leaves it right there, at the handler's edge:
    // an exception must not unwind through Qt's own frames (QAction::activate and the signal
    // machinery are built without exception cleanup, so their guards would be left behind).
    static void runHandler(const std::function<void()>& handler);

private:
    // Shows the error being handled; called only from inside a catch block.
    void showCurrentError();
};

}  // namespace velundia

#pragma once

#include <QApplication>

namespace velundia {

// The application object: an error that escapes any handler is shown in a message box
// with its text, and the event loop goes on.
class VelundiaApplication : public QApplication {
public:
    VelundiaApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace velundia

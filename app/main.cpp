#include "app/About.h"
#include "app/SDIMain.h"
#include "app/VelundiaApplication.h"

int main(int argc, char** argv) {
    velundia::VelundiaApplication application(argc, argv);
    velundia::VelundiaApplication::setApplicationName(QStringLiteral("VELUNDIA"));

    velundia::TSDIAppForm SDIAppForm;
    velundia::TAboutBox AboutBox;  // hidden until Help, Version
    SDIAppForm.setAboutBox(AboutBox);
    SDIAppForm.show();
    SDIAppForm.activateWindow();  // also on a bare display, where no window manager gives it the keyboard
    application.exec();
    return 0;
}

#include "app/About.h"

#include "app/ProgramIcon.h"
#include "app/WidgetHelpers.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace velundia {

namespace {
QLabel* placedLabel(QWidget* parent, const char* name, const QString& text, int x, int y, const QFont& font) {
    QLabel* label = named(new QLabel(text, parent), name);
    label->setFont(font);
    label->move(x, y);
    label->adjustSize();
    return label;
}
}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Version Info."));
    setModal(true);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    setFont(font);
    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    setPalette(black);
    setFixedSize(298, 218);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    Panel1 = named(new QFrame(this), "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(8, 8, 281, 161);

    ProgramIcon = named(new QLabel(Panel1), "ProgramIcon");
    ProgramIcon->setGeometry(24, 16, 41, 41);
    ProgramIcon->setPixmap(programPicture(41));

    const QFont captionFont = systemBoldFont();
    ProductName = placedLabel(Panel1, "ProductName", QStringLiteral("VELUNDIA"), 88, 16, captionFont);
    Version = placedLabel(Panel1, "Version", QStringLiteral("Version 1.03"), 88, 40, captionFont);
    Author = placedLabel(Panel1, "Author", QStringLiteral("Author: the VELUNDIA team"), 64, 80, captionFont);
    Contact = placedLabel(Panel1, "Contact", QStringLiteral("Contact: the VELUNDIA project"), 64, 104, captionFont);

    OKButton = named(new QPushButton(QStringLiteral("OK"), this), "OKButton");
    OKButton->setFont(captionFont);
    OKButton->setGeometry(120, 178, 65, 33);
    OKButton->setDefault(true);
    OKButton->setAutoDefault(true);
    OKButton->setFocus();
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace velundia

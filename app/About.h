#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace velundia {

// The version dialog: "VELUNDIA", "Version 1.03"; OK closes it.
class TAboutBox : public QDialog {
public:
    explicit TAboutBox(QWidget* parent = nullptr);

private:
    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Author = nullptr;
    QLabel* Contact = nullptr;
    QPushButton* OKButton = nullptr;
};

}  // namespace velundia

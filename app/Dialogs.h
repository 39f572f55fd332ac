#pragma once

#include <QMessageBox>
#include <QString>

#include <optional>

class QColor;
class QPrinter;
class QWidget;

namespace velundia {

// Every dialog and message box the main window opens. The program uses QtDialogs; tests
// give the window one that answers without a person.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // OpenDialog: the chosen path (which need not exist), or nothing when cancelled.
    virtual std::optional<QString> chooseOpenFile(QWidget* parent, const QString& filter) = 0;
    // SaveDialog: shown; its answer is not used.
    virtual void chooseSaveFile(QWidget* parent, const QString& filter) = 0;
    // A modal message box with one OK button.
    virtual void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                             const QString& text) = 0;
    // ColorDialog1: true with colour set when confirmed.
    virtual bool chooseColour(QWidget* parent, QColor& colour) = 0;
    // PrintDialog1: true when the user confirms printing on printer.
    virtual bool confirmPrint(QWidget* parent, QPrinter& printer) = 0;
    // PrinterSetupDialog1: its result is not used.
    virtual void setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

class QtDialogs final : public Dialogs {
public:
    std::optional<QString> chooseOpenFile(QWidget* parent, const QString& filter) override;
    void chooseSaveFile(QWidget* parent, const QString& filter) override;
    void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) override;
    bool chooseColour(QWidget* parent, QColor& colour) override;
    bool confirmPrint(QWidget* parent, QPrinter& printer) override;
    void setUpPrinter(QWidget* parent, QPrinter& printer) override;
};

// Converts the program's filter text "A|a|B|b" into Qt's "A;;B" form.
QString qtFilterFromPairs(const QString& filter);

}  // namespace velundia

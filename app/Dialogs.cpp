#include "app/Dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QStringList>

namespace velundia {

namespace {
// The program writes nothing, so its file dialogs cannot make, rename or delete files or folders
// either; Qt's own dialog honours that on every desktop.
void makeBrowseOnly(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::ReadOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
}

// Gives the keyboard back to the window that opened a dialog. A window manager does this by
// itself; on a bare display the keyboard would otherwise stay with no window at all.
void returnKeyboard(QWidget* parent) {
    if (parent) parent->activateWindow();
}
}  // namespace

QString qtFilterFromPairs(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses at the end of an entry.
        const QString tail = QLatin1Char('(') + patterns + QLatin1Char(')');
        entries << (description.endsWith(tail) ? description : description + QLatin1Char(' ') + tail);
    }
    return entries.join(QStringLiteral(";;"));
}

std::optional<QString> QtDialogs::chooseOpenFile(QWidget* parent, const QString& filter) {
    QFileDialog dialog(parent);
    makeBrowseOnly(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);  // a name that does not exist is accepted
    const QString qtFilter = qtFilterFromPairs(filter);
    dialog.setNameFilter(qtFilter);
    dialog.selectNameFilter(qtFilter.section(QStringLiteral(";;"), 0, 0));
    const int answer = dialog.exec();
    returnKeyboard(parent);
    if (answer != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

void QtDialogs::chooseSaveFile(QWidget* parent, const QString& filter) {
    QFileDialog dialog(parent);
    makeBrowseOnly(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(qtFilterFromPairs(filter));
    dialog.exec();
    returnKeyboard(parent);
}

void QtDialogs::showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
    returnKeyboard(parent);
}

bool QtDialogs::chooseColour(QWidget* parent, QColor& colour) {
    const QColor chosen = QColorDialog::getColor(colour, parent);
    returnKeyboard(parent);
    if (!chosen.isValid()) return false;
    colour = chosen;
    return true;
}

bool QtDialogs::confirmPrint(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    // One whole page on a printer: no page range, no selection, and no printing to a file,
    // since the program writes no files.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies);
    const int answer = dialog.exec();
    returnKeyboard(parent);
    return answer == QDialog::Accepted;
}

void QtDialogs::setUpPrinter(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();
    returnKeyboard(parent);
}

}  // namespace velundia

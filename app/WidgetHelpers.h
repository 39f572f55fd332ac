#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>
#include <QWidget>

class QAction;
class QLabel;

#include <cstdint>
#include <string>

namespace velundia {

// Names a control: the documented name is also its object name, so it can be found by it.
template <class Control>
Control* named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// A hint "short|long": the tool tip shows the short part, the status bar the long part.
// A hint without "|" is both.
void setHint(QWidget* control, const QString& hint);
void setHint(QAction* item, const QString& hint);

// The integer tag that families of like controls share one handler by.
void setTag(QObject* control, int tag);
int tagOf(const QObject* control);

// 0x00BBGGRR as the toolkit's colour.
QColor colourFromPacked(uint32_t packed);

// Texts of the export file are bytes; each byte shows as one character.
inline QString fromFileText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// An auto-sized label's caption: the label takes the size of its new text.
void setCaption(QLabel* label, const QString& text);

// "System", bold, 13 pixels high: the font of the window and of every control without its own.
QFont systemBoldFont();

// The colour a label writes its caption in.
void setFontColour(QWidget* control, const QColor& colour);

}  // namespace velundia

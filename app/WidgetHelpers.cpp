#include "app/WidgetHelpers.h"

#include <QAction>
#include <QLabel>
#include <QPalette>
#include <QVariant>

namespace velundia {

namespace {
struct HintParts {
    QString shortPart;
    QString longPart;
};
HintParts splitHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    if (bar < 0) return {hint, hint};
    return {hint.left(bar), hint.mid(bar + 1)};
}
}  // namespace

void setHint(QWidget* control, const QString& hint) {
    const HintParts parts = splitHint(hint);
    control->setToolTip(parts.shortPart);
    control->setStatusTip(parts.longPart);
}

void setHint(QAction* item, const QString& hint) {
    const HintParts parts = splitHint(hint);
    item->setToolTip(parts.shortPart);
    item->setStatusTip(parts.longPart);
}

void setTag(QObject* control, int tag) { control->setProperty("tag", tag); }

int tagOf(const QObject* control) { return control ? control->property("tag").toInt() : 0; }

QColor colourFromPacked(uint32_t packed) {
    return QColor(static_cast<int>(packed & 0xFF), static_cast<int>((packed >> 8) & 0xFF),
                  static_cast<int>((packed >> 16) & 0xFF));
}

void setCaption(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

QFont systemBoldFont() {
    // A sans-serif of the proportions the control sizes were laid out for; any other
    // sans-serif (and Noto CJK for the Japanese texts) stands in where it is missing.
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

void setFontColour(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    control->setPalette(palette);
}

}  // namespace velundia

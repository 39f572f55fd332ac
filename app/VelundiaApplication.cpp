#include "app/VelundiaApplication.h"

#include <QMessageBox>
#include <QProxyStyle>
#include <QStyleFactory>

#include <exception>

namespace velundia {

namespace {
// Fusion, with check and radio indicators of 13 pixels and 4 pixels before their captions:
// the sizes the window's small radio buttons and check boxes are laid out for.
class ProgramStyle final : public QProxyStyle {
public:
    ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        switch (metric) {
            case PM_IndicatorWidth:
            case PM_IndicatorHeight:
            case PM_ExclusiveIndicatorWidth:
            case PM_ExclusiveIndicatorHeight: return 13;
            case PM_CheckBoxLabelSpacing:
            case PM_RadioButtonLabelSpacing: return 4;
            default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};
}  // namespace

VelundiaApplication::VelundiaApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setStyle(new ProgramStyle);  // the application owns its style
    showError = [](const QString& text) {
        QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    };
}

void VelundiaApplication::runHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        if (auto* application = dynamic_cast<VelundiaApplication*>(QCoreApplication::instance()))
            application->showCurrentError();
    }
}

bool VelundiaApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showCurrentError();
    }
    return false;
}

void VelundiaApplication::showCurrentError() {
    QString text;
    try {
        throw;
    } catch (const std::exception& error) {
        text = QString::fromLocal8Bit(error.what());
    } catch (...) {
        text = QStringLiteral("unknown error");
    }
    if (showError) showError(text);
}

}  // namespace velundia

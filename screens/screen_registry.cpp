#include "screen_registry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

namespace tallo::screens {

namespace {

std::vector<Screen>& Registry() {
    static std::vector<Screen> screens;
    return screens;
}

} // namespace

QString ScreenContext::Pick(const char* russian, const char* english) const {
    return QString::fromUtf8(language == InterfaceLanguage::Russian ? russian : english);
}

void RegisterScreen(std::string name, ScreenCapture capture) {
    Registry().push_back(Screen{std::move(name), std::move(capture)});
}

const std::vector<Screen>& Screens() {
    return Registry();
}

void Settle(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (timer.elapsed() < milliseconds);
}

QImage GrabShown(QWidget& widget) {
    if (!widget.testAttribute(Qt::WA_Resized)) {
        widget.resize(widget.sizeHint().expandedTo(widget.minimumSizeHint()));
    }
    widget.show();
    Settle();
    return widget.grab().toImage();
}

ScreenCapture WidgetScreen(WidgetFactory factory) {
    return [factory = std::move(factory)](ScreenContext& context) {
        std::unique_ptr<QWidget> widget = factory(context);
        if (!widget) {
            return QImage();
        }
        QImage image = GrabShown(*widget);
        widget->close();
        return image;
    };
}

} // namespace tallo::screens

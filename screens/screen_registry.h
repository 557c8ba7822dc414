#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "formats/interface_language.h"

namespace tallo {
class CWorld;
} // namespace tallo

namespace tallo::screens {

// What a window of the pictures is made from.
struct ScreenContext {
    std::string install;     // the small sample installation
    CWorld* world = nullptr; // its game database, loaded
    InterfaceLanguage language = InterfaceLanguage::Russian;

    // The text of this run's language, for the sample texts of the pictures.
    QString Pick(const char* russian, const char* english) const;
};

// Makes the picture of one window. Most windows only need to be made: see WidgetScreen.
using ScreenCapture = std::function<QImage(ScreenContext&)>;
using WidgetFactory = std::function<std::unique_ptr<QWidget>(ScreenContext&)>;

struct Screen {
    std::string name; // the file name: <name>-<language>.png
    ScreenCapture capture;
};

// Adds a window to the pictures. To add yours, put a file into screens/ with
//     static const ScreenRegistration myWindow("my_window", WidgetScreen([](ScreenContext& c) {
//         return std::make_unique<MyWindow>(...);
//     }));
void RegisterScreen(std::string name, ScreenCapture capture);
const std::vector<Screen>& Screens();

struct ScreenRegistration {
    ScreenRegistration(std::string name, ScreenCapture capture) {
        RegisterScreen(std::move(name), std::move(capture));
    }
};

// A capture that makes the widget, shows it (at its size hint unless it was resized), lets it
// lay out and paint, and grabs it.
ScreenCapture WidgetScreen(WidgetFactory factory);

// Shows, settles and grabs a widget that exists already.
QImage GrabShown(QWidget& widget);

// Lets the event loop run for a while (timers, queued updates, layout).
void Settle(int milliseconds = 50);

} // namespace tallo::screens

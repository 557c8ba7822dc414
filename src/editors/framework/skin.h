#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QPoint>

class QApplication;
class QPainter;
class QRect;
class QWidget;

namespace tallo {

// The look shared by every dialog: one background picture painted behind dialogs and their
// pages, aligned so that nested pages continue the picture of the window (or page) they sit
// in, a bold sans-serif font and dark text that stays readable on the picture.
//
// The picture is tiled mirrored, so windows larger than the picture continue it without seams.
// Everything here needs a QGuiApplication.
class Skin {
public:
    // The picture as shipped, and the 2 by 2 mirrored tile that is painted.
    static const QImage& Picture();
    static const QPixmap& Tile();
    // The icon of a database (32 by 32) and the picture of the start window.
    static const QPixmap& DatabaseIcon();
    static const QPixmap& SplashPicture();

    static QFont Font();
    // Text drawn on the picture.
    static QColor TextColour();
    // Colours for the application: window colours that match the picture, dark text, and a calm
    // blue selection.
    static QPalette Palette();
    // Fusion style, the palette and the font for the whole application.
    static void Apply(QApplication& application);

    // Marks a widget as the place where background alignment stops: widgets inside it continue
    // its picture, and it starts the picture at its own top left corner. Windows always do.
    static void SetBackgroundRoot(QWidget& widget, bool root);
    static bool IsBackgroundRoot(const QWidget& widget);
    // The nearest widget from `widget` upward that is a background root or a window.
    static const QWidget& BackgroundRoot(const QWidget& widget);
    // The point of the picture that lies under the widget's top left corner: its position in
    // its background root, each negative coordinate moved to 0.
    static QPoint BackgroundOrigin(const QWidget& widget);

    // Paints `area` (the widget's own coordinates) with the picture, continuing the root's.
    static void Paint(const QWidget& widget, QPainter& painter, const QRect& area);
};

} // namespace tallo

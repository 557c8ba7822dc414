#include "editors/framework/skin.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QVariant>
#include <QWidget>

// Resources of a static library are linked in only when something names them. The macro
// declares its function in the enclosing namespace, so this stays at global scope.
static void InitSkinResources() {
    Q_INIT_RESOURCE(skin);
}

namespace tallo {

namespace {

constexpr const char* kRootProperty = "talloBackgroundRoot";

QImage LoadPicture(const char* path, QImage::Format format) {
    InitSkinResources();
    QImage image(QString::fromLatin1(path));
    if (image.isNull()) {
        // A build without the picture still shows a calm plain background.
        image = QImage(64, 64, format);
        image.fill(QColor(218, 226, 234));
    }
    return image.convertToFormat(format);
}

} // namespace

const QImage& Skin::Picture() {
    static const QImage picture = LoadPicture(":/skin/background.png", QImage::Format_RGB32);
    return picture;
}

const QPixmap& Skin::Tile() {
    static const QPixmap tile = [] {
        const QImage& picture = Picture();
        const int w = picture.width();
        const int h = picture.height();
        QImage tiled(w * 2, h * 2, QImage::Format_RGB32);
        QPainter painter(&tiled);
        painter.drawImage(0, 0, picture);
        painter.drawImage(w, 0, picture.mirrored(true, false));
        painter.drawImage(0, h, picture.mirrored(false, true));
        painter.drawImage(w, h, picture.mirrored(true, true));
        painter.end();
        return QPixmap::fromImage(tiled);
    }();
    return tile;
}

const QPixmap& Skin::DatabaseIcon() {
    static const QPixmap icon =
        QPixmap::fromImage(LoadPicture(":/skin/database.png", QImage::Format_ARGB32));
    return icon;
}

const QPixmap& Skin::SplashPicture() {
    static const QPixmap picture =
        QPixmap::fromImage(LoadPicture(":/skin/splash.png", QImage::Format_ARGB32));
    return picture;
}

QFont Skin::Font() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("Sans Serif")});
    font.setPointSize(9);
    font.setWeight(QFont::Bold);
    return font;
}

QColor Skin::TextColour() {
    return QColor(21, 34, 46);
}

QPalette Skin::Palette() {
    QPalette palette;
    const QColor window(214, 223, 231);
    const QColor text = TextColour();
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(250, 251, 253));
    palette.setColor(QPalette::AlternateBase, QColor(236, 241, 246));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(225, 232, 239));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, QColor(43, 96, 150));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(250, 251, 253));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(96, 108, 120));
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Mid, QColor(150, 162, 174));
    palette.setColor(QPalette::Dark, QColor(112, 124, 136));
    // Greyed text stays legible on the light picture.
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(104, 114, 124));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(104, 114, 124));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(112, 122, 132));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(140, 150, 160));
    return palette;
}

void Skin::Apply(QApplication& application) {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
        application.setStyle(style);
    }
    application.setPalette(Palette());
    application.setFont(Font());
}

void Skin::SetBackgroundRoot(QWidget& widget, bool root) {
    widget.setProperty(kRootProperty, root);
}

bool Skin::IsBackgroundRoot(const QWidget& widget) {
    return widget.property(kRootProperty).toBool();
}

const QWidget& Skin::BackgroundRoot(const QWidget& widget) {
    const QWidget* current = &widget;
    while (!current->isWindow() && !IsBackgroundRoot(*current) &&
           current->parentWidget() != nullptr) {
        current = current->parentWidget();
    }
    return *current;
}

QPoint Skin::BackgroundOrigin(const QWidget& widget) {
    const QWidget& root = BackgroundRoot(widget);
    QPoint origin = &root == &widget ? QPoint(0, 0) : widget.mapTo(&root, QPoint(0, 0));
    if (origin.x() < 0) {
        origin.setX(0);
    }
    if (origin.y() < 0) {
        origin.setY(0);
    }
    return origin;
}

void Skin::Paint(const QWidget& widget, QPainter& painter, const QRect& area) {
    const QPixmap& tile = Tile();
    if (tile.isNull()) {
        return;
    }
    const QPoint origin = BackgroundOrigin(widget);
    // The tile point under the area's top left corner, wrapped into the tile.
    const int x = (origin.x() + area.x()) % tile.width();
    const int y = (origin.y() + area.y()) % tile.height();
    painter.drawTiledPixmap(area, tile,
                            QPoint(x < 0 ? x + tile.width() : x, y < 0 ? y + tile.height() : y));
}

} // namespace tallo

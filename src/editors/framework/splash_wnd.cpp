#include "editors/framework/splash_wnd.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "editors/framework/qt_text.h"
#include "editors/framework/skin.h"

namespace tallo {

namespace {

bool splashEnabled = true;
QPointer<CSplashWnd> currentSplash;

} // namespace

void CSplashWnd::EnableSplashScreen(bool enable) {
    splashEnabled = enable;
}

bool CSplashWnd::SplashScreenEnabled() {
    return splashEnabled;
}

CSplashWnd* CSplashWnd::Current() {
    return currentSplash.data();
}

CSplashWnd* CSplashWnd::ShowSplashScreen(int timeoutMs, QWidget* parent) {
    if (!splashEnabled) {
        return nullptr;
    }
    if (currentSplash) {
        return currentSplash.data();
    }
    auto* splash = new CSplashWnd(parent);
    currentSplash = splash;
    const QRect area = parent != nullptr && parent->isVisible()
                           ? parent->frameGeometry()
                           : (QGuiApplication::primaryScreen() != nullptr
                                  ? QGuiApplication::primaryScreen()->availableGeometry()
                                  : QRect(0, 0, 1024, 768));
    splash->resize(splash->sizeHint());
    splash->move(area.center() - splash->rect().center());
    splash->show();
    splash->raise();
    if (timeoutMs > 0) {
        QTimer::singleShot(timeoutMs, splash, &QWidget::close);
    }
    return splash;
}

void CSplashWnd::HideSplashScreen() {
    if (currentSplash) {
        currentSplash->close();
    }
}

CSplashWnd::CSplashWnd(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Shown before the main window: its closing must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(Skin::Font());
}

CSplashWnd::~CSplashWnd() = default;

void CSplashWnd::SetMessage(const QString& message) {
    message_ = message;
    update();
}

QSize CSplashWnd::sizeHint() const {
    const QPixmap& picture = Skin::SplashPicture();
    return picture.isNull() ? QSize(480, 300) : picture.size();
}

void CSplashWnd::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QPixmap& picture = Skin::SplashPicture();
    if (picture.isNull()) {
        painter.fillRect(rect(), QColor(50, 114, 64));
    } else {
        painter.drawPixmap(rect(), picture);
    }

    // A dark band across the lower part carries the texts, white on it for contrast.
    const QRect band(0, height() * 55 / 100, width(), height() * 45 / 100);
    QLinearGradient shade(band.topLeft(), band.bottomLeft());
    shade.setColorAt(0.0, QColor(10, 24, 16, 150));
    shade.setColorAt(1.0, QColor(10, 24, 16, 225));
    painter.fillRect(band, shade);

    const int margin = 22;
    QFont title = font();
    title.setPointSizeF(title.pointSizeF() * 3.0);
    painter.setFont(title);
    painter.setPen(Qt::white);
    const QRect titleRect(margin, band.top() + 10, width() - 2 * margin,
                          QFontMetrics(title).height());
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, UiText("framework.splash.title"));

    QFont line = font();
    line.setPointSizeF(line.pointSizeF() * 1.1);
    painter.setFont(line);
    const QFontMetrics lineMetrics(line);
    int y = titleRect.bottom() + 6;
    painter.setPen(QColor(230, 240, 232));
    painter.drawText(QRect(margin, y, width() - 2 * margin, lineMetrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     lineMetrics.elidedText(UiText("framework.splash.subtitle"), Qt::ElideRight,
                                            width() - 2 * margin));
    y += lineMetrics.height() + 4;

    QFont small = font();
    small.setWeight(QFont::Normal);
    painter.setFont(small);
    const QFontMetrics smallMetrics(small);
    const QString version = QCoreApplication::applicationVersion();
    const QRect bottom(margin, height() - smallMetrics.height() - 12, width() - 2 * margin,
                       smallMetrics.height());
    if (!message_.isEmpty()) {
        painter.drawText(bottom, Qt::AlignLeft | Qt::AlignVCenter,
                         smallMetrics.elidedText(message_, Qt::ElideRight, bottom.width() * 3 / 4));
    }
    if (!version.isEmpty()) {
        painter.drawText(bottom, Qt::AlignRight | Qt::AlignVCenter,
                         UiText("framework.splash.version").arg(version));
    }
}

void CSplashWnd::mousePressEvent(QMouseEvent* event) {
    event->accept();
    close();
}

void CSplashWnd::keyPressEvent(QKeyEvent* event) {
    event->accept();
    close();
}

} // namespace tallo

#pragma once

#include <QString>
#include <QWidget>

namespace tallo {

// The start window: the start picture with the program's name, shown while the editor loads.
// It closes by itself after its time, or earlier on a click or a key.
class CSplashWnd : public QWidget {
    Q_OBJECT

public:
    // Whether a start window may be shown at all (the command line decides).
    static void EnableSplashScreen(bool enable);
    static bool SplashScreenEnabled();
    // Shows the start window centred over `parent` (or the screen) for `timeoutMs`; gives the
    // window, or null when start windows are not enabled. One at a time: a second call gives
    // the window that is already shown.
    static CSplashWnd* ShowSplashScreen(int timeoutMs, QWidget* parent = nullptr);
    // Closes the start window, if one is shown.
    static void HideSplashScreen();
    static CSplashWnd* Current();

    explicit CSplashWnd(QWidget* parent = nullptr);
    ~CSplashWnd() override;

    // A line under the name ("Loading the database...").
    void SetMessage(const QString& message);
    const QString& Message() const { return message_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString message_;
};

} // namespace tallo

#pragma once

#include <QGroupBox>

namespace tallo {

// A group box drawn over the skin: an etched frame of a grey and a white line, and the title in
// the skin's text colour; the inside stays transparent.
class CMyGroupBox : public QGroupBox {
    Q_OBJECT

public:
    explicit CMyGroupBox(const QString& title = QString(), QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tallo

#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include <cstdint>

class QToolButton;

namespace tallo {

// A pair of arrow buttons beside an edit field (its buddy). The range may be given high-to-low:
// the up arrow always moves towards the second end, the down arrow towards the first, as the
// arrows of the game's own editors do. With a buddy, each step reads the buddy's integer,
// moves it by one and writes it back within the range; the Up and Down keys in the buddy step
// too. Every step is also announced, for owners that keep other numbers (decimals).
class CMySpin : public QWidget {
    Q_OBJECT

public:
    explicit CMySpin(QWidget* parent = nullptr);

    void SetRange(int32_t first, int32_t second);
    int32_t RangeFirst() const { return first_; }
    int32_t RangeSecond() const { return second_; }

    void SetBuddy(QLineEdit* buddy);
    QLineEdit* Buddy() const { return buddy_; }

    // One step up (+1) or down (-1), as the arrows make it.
    void Step(int direction);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

signals:
    void stepped(int direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int32_t first_ = 0;
    int32_t second_ = 100;
    QPointer<QLineEdit> buddy_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace tallo

#include "editors/framework/my_spin.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

#include "editors/framework/qt_text.h"
#include "editors/framework/spin_range.h"

namespace tallo {

namespace {

QToolButton* MakeArrow(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(400);
    button->setAutoRepeatInterval(60);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(16);
    return button;
}

} // namespace

CMySpin::CMySpin(QWidget* parent)
    : QWidget(parent), up_(MakeArrow(Qt::UpArrow, this)), down_(MakeArrow(Qt::DownArrow, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void CMySpin::SetRange(int32_t first, int32_t second) {
    first_ = first;
    second_ = second;
}

void CMySpin::SetBuddy(QLineEdit* buddy) {
    if (buddy_) {
        buddy_->removeEventFilter(this);
    }
    buddy_ = buddy;
    if (buddy_) {
        buddy_->installEventFilter(this);
    }
}

void CMySpin::Step(int direction) {
    if (!isEnabled() || direction == 0) {
        return;
    }
    if (buddy_ && !buddy_->isReadOnly()) {
        const int64_t value = ReadSpinInteger(FromQString(buddy_->text()));
        // Up goes towards the second end of the range, whichever way round it is given.
        const int64_t towardsSecond = second_ >= first_ ? 1 : -1;
        const int64_t next = value + (direction > 0 ? towardsSecond : -towardsSecond);
        const int64_t low = std::min(first_, second_);
        const int64_t high = std::max(first_, second_);
        buddy_->setText(QString::number(std::clamp(next, low, high)));
    }
    emit stepped(direction);
}

bool CMySpin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            Step(key->key() == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CMySpin::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0) {
        Step(delta > 0 ? +1 : -1);
    }
    event->accept();
}

} // namespace tallo

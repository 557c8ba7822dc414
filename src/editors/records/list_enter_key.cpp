#include "editors/records/list_enter_key.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QKeyEvent>

#include <utility>

namespace tallo {

namespace {

class EnterKeyFilter : public QObject {
public:
    EnterKeyFilter(QAbstractItemView& list, std::function<void()> command)
        : QObject(&list), list_(list), command_(std::move(command)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &list_ ||
            (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)) {
            return false;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || key->modifiers() != Qt::NoModifier || !list_.currentIndex().isValid()) {
            return false;
        }
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept(); // the key comes to the list as a key press, not as a shortcut
            return true;
        }
        command_();
        return true;
    }

private:
    QAbstractItemView& list_;
    std::function<void()> command_;
};

} // namespace

void RunOnEnter(QAbstractItemView& list, std::function<void()> command) {
    list.installEventFilter(new EnterKeyFilter(list, std::move(command)));
}

} // namespace tallo

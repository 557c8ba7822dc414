#pragma once

#include <QListWidget>

#include <vector>

#include "editors/framework/list_columns.h"

namespace tallo {

// A list whose rows are texts separated by tab characters, drawn as columns with edges and
// alignment per column (the owner sets them). A right click is handed to the owner as a
// signal with the click's position, and so is a left click when the list forwards clicks; a
// right click does nothing else, a left click also selects as usual.
class CMyListBox : public QListWidget {
    Q_OBJECT

public:
    explicit CMyListBox(QWidget* parent = nullptr);

    void SetColumns(std::vector<ListColumn> columns);
    const std::vector<ListColumn>& Columns() const;

    void SetForwardLeftClicks(bool forward) { forwardLeftClicks_ = forward; }
    bool ForwardsLeftClicks() const { return forwardLeftClicks_; }

    // Appends a row; its item data (Qt::UserRole) is `data`.
    QListWidgetItem* AddRow(const QString& text, const QVariant& data = QVariant());

signals:
    // A click on the list, at `pos` in the coordinates of the list's parent widget (or of the
    // list when it has none), with the position on the screen.
    void rightClicked(const QPoint& pos, const QPoint& globalPos);
    void leftClicked(const QPoint& pos, const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TabColumnsDelegate* delegate_;
    bool forwardLeftClicks_ = false;
};

} // namespace tallo

#pragma once

#include <QDialog>

#include <memory>

class QAbstractItemView;
class QMenu;
class QPaintEvent;
class QKeyEvent;

namespace tallo {

class CMyTabCtrl;

// The base of every editor dialog. It paints the skin behind itself, continuing the picture of
// the window or page it sits in, and serves as a page inside another dialog: a child page has
// no frame of its own, and Enter and Escape in it close nothing (neither the page nor the
// dialog around it).
class CDialogB : public QDialog {
    Q_OBJECT

public:
    enum class Kind {
        Window,    // a dialog window of its own
        ChildPage, // a page inside another dialog (a tab page, a panel)
    };

    explicit CDialogB(QWidget* parent = nullptr, Kind kind = Kind::Window);
    ~CDialogB() override;

    // Turns the dialog into a page inside its parent. Pages given to a CMyTabCtrl become
    // pages by themselves.
    void MakeChildPage();
    bool IsChildPage() const { return !isWindow(); }

    // Where the skin's alignment stops: pages inside a root continue its picture; the root
    // starts the picture anew at its own corner. Windows are roots anyway.
    void SetBackgroundRoot(bool root);
    bool IsBackgroundRoot() const;

    // Lock and unlock the whole dialog (editors lock a page while it cannot be edited).
    virtual void DisableDialog();
    virtual void EnableDialog();

    // The tab control protocol: asked before the page `index` of `tabs` is left (false keeps
    // the page), told after the page `index` was shown. Every tab control inside this dialog
    // whose nearest enclosing CDialogB this is asks here.
    virtual bool CanLeaveTabPage(CMyTabCtrl& tabs, int index);
    virtual void TabPageShown(CMyTabCtrl& tabs, int index);

    // The context menu of a list: only when `globalPos` lies inside the list; the row under it
    // is selected (when there is one), the dialog keeps the menu as its context menu and pops
    // it up there. False when nothing was shown (outside the list, or no menu or an empty one).
    bool ShowContextMenu(QAbstractItemView& list, std::unique_ptr<QMenu> menu,
                         const QPoint& globalPos);
    // The menu of the last context menu (null before the first).
    QMenu* ContextMenu() const { return contextMenu_.get(); }

    // The drag picture of a text in the dialog's font and text colour (null for no text).
    QPixmap CreateTextDragImage(const QString& text) const;

public slots:
    // A child page ignores OK and cancel; a window takes them as QDialog does.
    void accept() override;
    void reject() override;
    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<QMenu> contextMenu_;
};

// The CDialogB that `widget` lies in: the nearest ancestor (not the widget itself) that is one.
CDialogB* EnclosingDialog(const QWidget& widget);

} // namespace tallo

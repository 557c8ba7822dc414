#pragma once

#include <QPointer>
#include <QTabWidget>

namespace tallo {

class CDialogB;

// A tab control whose tabs switch pages (child dialogs). Before a page is left, the dialog
// around the control is asked (CDialogB::CanLeaveTabPage); when it refuses, the old tab stays
// selected and its page stays shown. A page that is left is hidden and disabled; the page that
// is shown is enabled and the dialog is told (CDialogB::TabPageShown, and the signal).
class CMyTabCtrl : public QTabWidget {
    Q_OBJECT

public:
    explicit CMyTabCtrl(QWidget* parent = nullptr);

    // Adds a page; a CDialogB page becomes a child page of the control.
    int AddPage(QWidget* page, const QString& label);

    // Asks the dialog around the control whether the current page may be left (before the
    // dialog closes, say). True when there is no page or no dialog to ask.
    bool CanLeaveCurrentPage();

    // The page shown last (after a refusal: still the old one).
    int ShownIndex() const;

signals:
    void pageShown(int index);

private:
    void OnCurrentChanged(int index);
    bool AskLeave(int index);

    QPointer<QWidget> shownPage_;
    bool restoring_ = false;
};

} // namespace tallo

#pragma once

#include <memory>

#include "editors/framework/dialog_b.h"

class QCloseEvent;
class QLabel;
class QMenu;
class QPushButton;

namespace tallo {

class CReportList;
class SearchResultModel;

// The player search's result list: starts the search of its model when it opens and shows
// the rows as the worker finds them; a heading click sorts; a double click or "show club"
// chooses the player's club and closes with OK (when the opener allows it); the context menu
// transfers, takes or releases the player (when the opener allows it). Closing the window in
// any way ends the search before the window goes.
class CDlgSearchResult : public CDialogB {
    Q_OBJECT

public:
    explicit CDlgSearchResult(SearchResultModel& model, QWidget* parent = nullptr);
    ~CDlgSearchResult() override;

    SearchResultModel& Model() const { return model_; }
    CReportList& List() const { return *list_; }
    QPushButton* ShowClubButton() const { return showClub_; }
    // The context menu of the list (null when it is not available now).
    std::unique_ptr<QMenu> BuildContextMenu();

    // The commands, on the list's current row.
    void ShowClub();
    void Transfer();
    void Take();
    void Release();

public slots:
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The worker's display request, on the window's thread.
    void Display();
    // Shows the model's rows and the state of the search.
    void ShowRows();
    void ShowState();

    SearchResultModel& model_;
    CReportList* list_ = nullptr;
    QLabel* state_ = nullptr;
    QPushButton* showClub_ = nullptr;
};

} // namespace tallo

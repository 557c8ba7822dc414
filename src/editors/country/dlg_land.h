#pragma once

#include <QString>

#include <vector>

#include "editors/framework/dialog_b.h"

class QPushButton;

namespace tallo {

class CMyTabCtrl;
class CountryEditorModel;
class CountryPageView;

// The country settings editor: a dialog whose tabs hold the pages of one country. The pages
// edit the country in place within the model's open change: entering a tab fills its page,
// leaving it stores the page. OK stores the page shown and records the whole change through
// the database's journal; Cancel (or Escape) puts everything back.
class CDlgLand : public CDialogB {
    Q_OBJECT

public:
    CDlgLand(CountryEditorModel& model, QWidget* parent = nullptr);
    ~CDlgLand() override;

    // Appends a page; it becomes a child page, filled when its tab is entered and stored when
    // the tab is left and on OK.
    void AddPage(CDialogB* page, CountryPageView* view, const QString& title);

    CountryEditorModel& Model() { return model_; }
    CMyTabCtrl& Tabs() const { return *tabs_; }
    QPushButton& OkButton() const { return *ok_; }
    QPushButton& CancelButton() const { return *cancel_; }
    // The page at a tab, or null.
    CDialogB* PageAt(int index) const;

    // OK: stores the page shown, records the change and closes.
    void Confirm();
    // Cancel: puts the country back and closes.
    void reject() override;

    bool CanLeaveTabPage(CMyTabCtrl& tabs, int index) override;
    void TabPageShown(CMyTabCtrl& tabs, int index) override;

private:
    struct Page {
        CDialogB* page = nullptr;
        CountryPageView* view = nullptr;
    };
    CountryPageView* ViewAt(int index) const;

    CountryEditorModel& model_;
    std::vector<Page> pages_;
    CMyTabCtrl* tabs_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool filledFirst_ = false;
};

} // namespace tallo

#pragma once

#include <functional>

#include "editing/journal/change_journal.h"
#include "editors/framework/dialog_b.h"

class QPushButton;

namespace tallo {

class CDlgInterCompEurope;
class CDlgInterCompSouthAmerica;
class CMyTabCtrl;
class ContinentalSettingsEdit;
class DatabaseSession;
class IRecordChoosers;

// The international competitions (continental settings): the European cups page and the
// South American cup page over one copy of the rules. OK stores the copy and records the whole
// change (with what the five-year ranking changed); a name that cannot be stored is reported
// and the dialog stays open. Cancel or Escape puts everything back.
class CDlgInterComp : public CDialogB {
    Q_OBJECT

public:
    // `choosers` null: clubs cannot be chosen. `presetCountry` is where the choosers start.
    CDlgInterComp(ContinentalSettingsEdit& edit, IRecordChoosers* choosers, int presetCountry,
                  QWidget* parent = nullptr);

    CMyTabCtrl& Tabs() const { return *tabs_; }
    CDlgInterCompEurope& EuropePage() const { return *europe_; }
    CDlgInterCompSouthAmerica& SouthAmericaPage() const { return *southAmerica_; }
    QPushButton& OkButton() const { return *ok_; }
    QPushButton& CancelButton() const { return *cancel_; }

    // OK: stores and records, or shows why a name cannot be stored and stays open.
    void Confirm();
    void reject() override;

    void TabPageShown(CMyTabCtrl& tabs, int index) override;

private:
    ContinentalSettingsEdit& edit_;
    CMyTabCtrl* tabs_ = nullptr;
    CDlgInterCompEurope* europe_ = nullptr;
    CDlgInterCompSouthAmerica* southAmerica_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// The main window's command 1802: the international competitions of the session's database in
// a language slot, as one change of its journal ("intercomp.change"). The five-year ranking
// button calls `openRanking` with the open change (in which the ranking includes each country
// it changes); an empty function disables the button. True when the database changed.
bool RunContinentalSettings(QWidget* owner, DatabaseSession& session, int languageSlot,
                            IRecordChoosers* choosers,
                            std::function<void(ChangeJournal::OpenChange&)> openRanking);

} // namespace tallo

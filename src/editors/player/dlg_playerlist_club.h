#pragma once

#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "editing/staff/person_list_owner.h"
#include "editors/framework/dialog_b.h"

class QPushButton;

namespace tallo {

class CDlgManagerList;
class CMyTabCtrl;
class PersonPageView;
class SquadListModel;
class WorldChanges;

// Makes the page that edits the selected person, inside `parent`: the widget and its person
// page interface (the same object, as a rule).
using PersonEditorFactory = std::function<std::pair<QWidget*, PersonPageView*>(QWidget* parent)>;

// The squad list (CDlgPlayerlistClub): on the left a tab control with the club's first team,
// reserves and board, each a person list page; on the right the page that edits the selected
// person; below, the shirt numbers, OK and cancel. OK confirms through the model: with faults
// the error window lists them and offers to go back ("OK") or to close and keep the squad as
// it was ("Не важно"). Cancel puts every change of the dialog back.
class CDlgPlayerlistClub : public CDialogB, public IPersonListOwner {
    Q_OBJECT

public:
    // What the user answers to the error window.
    enum class FaultAnswer { Stay, NeverMind };
    using FaultQuestion = std::function<FaultAnswer(const std::vector<int>& messages)>;

    CDlgPlayerlistClub(SquadListModel& model, int languageSlot, const PersonEditorFactory& factory,
                       QWidget* parent = nullptr);
    ~CDlgPlayerlistClub() override;

    SquadListModel& Model() const { return model_; }
    CMyTabCtrl& Tabs() const { return *tabs_; }
    CDlgManagerList& Page(int tab) const { return *pages_[static_cast<size_t>(tab)]; }
    CDlgManagerList& CurrentPage() const;
    QWidget* Editor() const { return editor_; }
    PersonPageView* EditorView() const { return editorView_; }
    QPushButton& NumbersButton() const { return *numbers_; }
    QPushButton& DoublesButton() const { return *doubles_; }
    QPushButton& SearchButton() const { return *search_; }
    QPushButton& OkButton() const { return *ok_; }
    QPushButton& CancelButton() const { return *cancel_; }

    // Replaces the error window (tests answer it themselves).
    void SetFaultQuestion(FaultQuestion question) { faultQuestion_ = std::move(question); }

    // IPersonListOwner: the right-hand page follows the list's selection.
    void StoreCurrentPerson() override;
    void ShowPerson(uint32_t personId) override;
    void PersonSelectedByUser() override;

    bool CanLeaveTabPage(CMyTabCtrl& tabs, int index) override;
    void TabPageShown(CMyTabCtrl& tabs, int index) override;

public slots:
    void accept() override;
    void reject() override;
    // The shirt-number dialog of the first team.
    void OpenShirtNumbers();
    // The player doubles of the club and of its country (button 1709) and the player search
    // with "take player" into this club; their changes join the dialog's change.
    void OpenDoubles();
    void OpenSearch();

private:
    // Runs an assistant whose changes join the dialog's open change; the lists are filled
    // again when it changed anything.
    void RunAssistant(const std::function<void(const WorldChanges&)>& assistant);
    FaultAnswer AskFaults(const std::vector<int>& messages);

    SquadListModel& model_;
    int languageSlot_;
    CMyTabCtrl* tabs_;
    std::array<CDlgManagerList*, 3> pages_{};
    QWidget* editor_ = nullptr;
    PersonPageView* editorView_ = nullptr;
    QPushButton* numbers_;
    QPushButton* doubles_;
    QPushButton* search_;
    QPushButton* ok_;
    QPushButton* cancel_;
    FaultQuestion faultQuestion_;
    uint32_t shownPerson_ = 0;
};

} // namespace tallo

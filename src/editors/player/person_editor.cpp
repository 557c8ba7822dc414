#include "editors/player/person_editor.h"

#include <QVBoxLayout>

#include "editing/player/person_editor_roles.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/framework/qt_text.h"
#include "editors/player/dlg_player_abilities.h"
#include "editors/player/dlg_player_all_right.h"
#include "editors/player/dlg_player_character.h"
#include "editors/player/dlg_player_position_england.h"
#include "formats/dialog_text.h"
#include "world/player.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

} // namespace

CPersonEditor::CPersonEditor(QWidget* parent, const PersonEditContext& context)
    : CDialogB(parent, Kind::ChildPage), context_(context) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tabs_ = new CMyTabCtrl(this);
    layout->addWidget(tabs_);

    // The pages keep a reference to the editor's own copy of the context.
    main_ = new CDlgPlayerAllRight(this, context_);
    positions_ = new CDlgPlayerPositionEngland(this);
    abilities_ = new CDlgPlayerAbilities(this);
    character_ = new CDlgPlayerCharacter(this);
    AddPage(main_, main_, Text("person.tab.main"), [](uint8_t) { return true; });
    AddPage(positions_, positions_, Text("person.tab.positions"), HasPlayerPages);
    AddPage(abilities_, abilities_, Text("person.tab.abilities"), HasPlayerPages);
    AddPage(character_, character_, Text("person.tab.character"), HasPlayerPages);
    ShowPagesFor(CPlayer::kRolePlayer);
}

void CPersonEditor::AddPage(CDialogB* page, PersonPageView* view, const QString& title,
                            std::function<bool(uint8_t role)> shownFor) {
    page->setParent(this);
    page->MakeChildPage();
    page->hide();
    pages_.push_back({page, view, title, std::move(shownFor)});
    // A page added later shows up as soon as it belongs to the person's role.
    if (!shown_.empty()) {
        const uint8_t role =
            person_ != nullptr ? person_->Role() : static_cast<uint8_t>(CPlayer::kRolePlayer);
        if (pages_.back().shownFor(role)) {
            rebuilding_ = true;
            shown_.push_back(pages_.size() - 1);
            tabs_->AddPage(page, title);
            rebuilding_ = false;
        }
    }
}

void CPersonEditor::ShowPagesFor(uint8_t role) {
    std::vector<size_t> wanted;
    for (size_t i = 0; i < pages_.size(); ++i) {
        if (pages_[i].shownFor(role)) {
            wanted.push_back(i);
        }
    }
    if (wanted == shown_) {
        return;
    }
    rebuilding_ = true;
    const Page* current = PageAt(tabs_->currentIndex());
    const CDialogB* keep = current != nullptr ? current->page : nullptr;
    while (tabs_->count() > 0) {
        QWidget* page = tabs_->widget(0);
        tabs_->removeTab(0);
        page->hide();
        page->setParent(this);
    }
    shown_ = wanted;
    int keepIndex = 0;
    for (size_t tab = 0; tab < shown_.size(); ++tab) {
        const Page& page = pages_[shown_[tab]];
        tabs_->AddPage(page.page, page.title);
        if (page.page == keep) {
            keepIndex = static_cast<int>(tab);
        }
    }
    tabs_->setCurrentIndex(keepIndex);
    rebuilding_ = false;
}

const CPersonEditor::Page* CPersonEditor::PageAt(int tabIndex) const {
    if (tabIndex < 0 || static_cast<size_t>(tabIndex) >= shown_.size()) {
        return nullptr;
    }
    return &pages_[shown_[static_cast<size_t>(tabIndex)]];
}

PersonPageView* CPersonEditor::CurrentView() const {
    const Page* page = PageAt(tabs_->currentIndex());
    return page != nullptr ? page->view : nullptr;
}

void CPersonEditor::SetPerson(CPlayer* person) {
    if (holder_ != nullptr) {
        holder_->SetPerson(nullptr); // the old person may go away after this
        holder_ = nullptr;
    }
    person_ = person;
    if (person != nullptr) {
        ShowPagesFor(person->Role());
    }
    holder_ = CurrentView();
    if (holder_ != nullptr) {
        holder_->SetPerson(person);
    }
}

void CPersonEditor::StorePerson() {
    if (holder_ != nullptr && person_ != nullptr) {
        holder_->StorePerson();
    }
}

bool CPersonEditor::CanLeaveTabPage(CMyTabCtrl& tabs, int index) {
    if (&tabs == tabs_ && !rebuilding_) {
        const Page* page = PageAt(index);
        if (page != nullptr && page->view == holder_ && holder_ != nullptr) {
            if (person_ != nullptr) {
                holder_->StorePerson();
            }
            holder_->SetPerson(nullptr);
            holder_ = nullptr;
        }
    }
    return true;
}

void CPersonEditor::TabPageShown(CMyTabCtrl& tabs, int index) {
    if (&tabs != tabs_ || rebuilding_) {
        return;
    }
    const Page* page = PageAt(index);
    if (page == nullptr || page->view == holder_) {
        return;
    }
    if (holder_ != nullptr) {
        holder_->SetPerson(nullptr);
    }
    holder_ = page->view;
    holder_->SetPerson(person_);
}

} // namespace tallo

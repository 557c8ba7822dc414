// The squad list window on the offscreen platform with a small page standing in for the person
// pages: selecting a person shows him on the page, a manager is created through the context
// menu, and OK confirms (the error window's two answers included).

#include "editors/player/dlg_playerlist_club.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QMenu>
#include <QPushButton>

#include "editing/editing_test_support.h"
#include "editing/player/squad_list_model.h"
#include "editing/session/database_session.h"
#include "editing/staff/role_table.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/player/person_page_view.h"
#include "editors/staff/dlg_manager_list.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

// A person page that writes down what it is given.
class FakePersonPage : public QWidget, public PersonPageView {
public:
    explicit FakePersonPage(QWidget* parent) : QWidget(parent) {}
    void SetPerson(CPlayer* person) override {
        person_ = person;
        ++sets;
    }
    void StorePerson() override {
        ++stores;
        if (person_ != nullptr && !storeSurname.empty()) {
            person_->SetSurname(storeSurname);
        }
    }
    CPlayer* Person() const { return person_; }

    int sets = 0;
    int stores = 0;
    std::string storeSurname; // written into the person when stored
private:
    CPlayer* person_ = nullptr;
};

CClub* ClubWithPlayers(CWorld& world) {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        for (const auto& [id, club] : world.GetCountry(number)->Clubs()) {
            if (!club->IsNationalTeam() && club->PlayerCount() >= 3) {
                return club.get();
            }
        }
    }
    return nullptr;
}

class DlgPlayerlistClubTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        session_ = &harness_.OpenGame();
        CClub* club = ClubWithPlayers(session_->World());
        ASSERT_NE(club, nullptr);
        clubId_ = club->Id();
        test::MakeSquadValid(session_->World(), *club, 14);
        model_ = std::make_unique<SquadListModel>(*session_, clubId_, nullptr);
        dialog_ = std::make_unique<CDlgPlayerlistClub>(*model_, 0, [this](QWidget* parent) {
            page_ = new FakePersonPage(parent);
            return std::pair<QWidget*, PersonPageView*>(page_, page_);
        });
        dialog_->show();
    }

    CClub& Club() { return *session_->World().FindClub(clubId_); }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    uint32_t clubId_ = 0;
    std::unique_ptr<SquadListModel> model_;
    FakePersonPage* page_ = nullptr;
    std::unique_ptr<CDlgPlayerlistClub> dialog_;
};

TEST_F(DlgPlayerlistClubTest, SelectCreateAManagerThroughTheMenuAndConfirm) {
    ASSERT_NE(page_, nullptr);
    EXPECT_EQ(dialog_->Tabs().count(), 3);
    EXPECT_EQ(dialog_->Tabs().tabText(0), QStringLiteral("1-ая команда"));
    EXPECT_EQ(dialog_->Tabs().tabText(2), QStringLiteral("Правление"));

    // The first row is selected at the start; a click on the second shows its player after
    // the page stored the first.
    CDlgManagerList& team = dialog_->Page(0);
    ASSERT_GE(team.List().count(), 14);
    EXPECT_EQ(team.CountLabel().text(), QString::number(team.List().count()));
    ASSERT_NE(page_->Person(), nullptr);
    const int storesBefore = page_->stores;
    page_->storeSurname = "Gespeichert";
    CPlayer* first = page_->Person();
    team.List().setCurrentRow(1);
    EXPECT_EQ(page_->stores, storesBefore + 1);
    EXPECT_EQ(first->Surname(), "Gespeichert");
    ASSERT_NE(page_->Person(), nullptr);
    EXPECT_EQ(page_->Person()->Id(), team.List().item(1)->data(Qt::UserRole).toULongLong());
    page_->storeSurname.clear();

    // The board: the club has no manager, so the command is there and enabled.
    dialog_->Tabs().setCurrentIndex(2);
    CDlgManagerList& board = dialog_->Page(2);
    EXPECT_EQ(board.List().count(), 0);
    std::unique_ptr<QMenu> menu = board.BuildContextMenu();
    QAction* create = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->data().toInt() == 32780) {
            create = action;
        }
    }
    ASSERT_NE(create, nullptr);
    EXPECT_TRUE(create->isEnabled());
    EXPECT_EQ(create->text(), QStringLiteral("Создать: Менеджер"));
    create->trigger();
    ASSERT_EQ(board.List().count(), 1);
    EXPECT_TRUE(board.List().item(0)->text().endsWith(QStringLiteral("\tMA")));
    ASSERT_NE(page_->Person(), nullptr);
    EXPECT_EQ(page_->Person()->Role(), CPlayer::kRoleManager);
    const uint32_t manager = page_->Person()->Id();
    // A second manager is greyed now.
    menu = board.BuildContextMenu();
    for (QAction* action : menu->actions()) {
        if (action->data().toInt() == 32780) {
            EXPECT_FALSE(action->isEnabled());
        }
    }

    dialog_->OkButton().click();
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_TRUE(model_->Changed());
    EXPECT_TRUE(Club().HasPlayer(manager));
    EXPECT_TRUE(session_->Journal().CanUndo());
}

TEST_F(DlgPlayerlistClubTest, TheErrorWindowKeepsTheListOpenOrThrowsTheChangesAway) {
    // Deleting first-team players until 13 are left makes the squad faulty.
    CDlgManagerList& team = dialog_->Page(0);
    while (team.List().count() > 13) {
        team.List().setCurrentRow(0);
        ASSERT_TRUE(team.RunCommand(kCommandDeletePerson));
    }
    std::vector<int> asked;
    CDlgPlayerlistClub::FaultAnswer answer = CDlgPlayerlistClub::FaultAnswer::Stay;
    dialog_->SetFaultQuestion([&](const std::vector<int>& messages) {
        asked = messages;
        return answer;
    });

    dialog_->OkButton().click();
    EXPECT_EQ(asked, std::vector<int>{579});
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(model_->IsOpen());

    answer = CDlgPlayerlistClub::FaultAnswer::NeverMind;
    dialog_->OkButton().click();
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_FALSE(model_->IsOpen());
    EXPECT_FALSE(session_->Journal().CanUndo());
    // The squad is as it was: fourteen first-team players again, and the page shows nobody.
    int firstTeam = 0;
    for (uint32_t i = 0; i < Club().PlayerCount(); ++i) {
        const CPlayer* person = session_->World().FindPlayer(Club().PlayerId(i));
        firstTeam += person != nullptr && person->IsPlayerRole() && person->IsFirstTeam() ? 1 : 0;
    }
    EXPECT_GE(firstTeam, 14);
    EXPECT_EQ(page_->Person(), nullptr);
}

} // namespace
} // namespace tallo

// The person editor on a player of the sample: edits made through the widgets of its pages
// reach the record when the page is stored, on a tab change or by StorePerson.

#include "editors/player/person_editor.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "../../editing/player/person_editor_test_support.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "editors/framework/my_spin.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "editors/framework/framework_test_support.h"
#include "editors/player/dlg_player_abilities.h"
#include "editors/player/dlg_player_all_right.h"
#include "editors/player/dlg_player_all_right_small.h"
#include "editors/player/dlg_player_position_england.h"
#include "formats/string_table.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

// Types text into a widget as the keyboard does.
void Type(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(&widget, &press);
    }
}

class PersonEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        world_ = &harness_.OpenGame().World();
        player_ = test::RichPlayer(*world_);
        ASSERT_NE(player_, nullptr);
        context_.world = world_;
        context_.prompt = &harness_.prompt;
        editor_ = std::make_unique<CPersonEditor>(nullptr, context_);
        editor_->resize(900, 700);
        editor_->show();
    }

    int TabOf(QWidget& page) const { return editor_->Tabs().indexOf(&page); }

    test::EditorHarness harness_;
    CWorld* world_ = nullptr;
    CPlayer* player_ = nullptr;
    PersonEditContext context_;
    std::unique_ptr<CPersonEditor> editor_;
};

TEST_F(PersonEditorTest, AbilitiesChangedThroughTheWidgetsAreStored) {
    CPlayer before = *player_;
    editor_->SetPerson(player_);
    ASSERT_EQ(editor_->Tabs().count(), 4);
    CDlgPlayerAbilities& page = editor_->AbilitiesPage();
    editor_->Tabs().setCurrentIndex(TabOf(page));
    ASSERT_EQ(editor_->CurrentView(), &page);
    ASSERT_TRUE(page.isEnabled());

    // Pace one up with the arrows (or down from 10); passing typed as 12, which is held at 10.
    const int pace = player_->Ability(CPlayer::kPace);
    const int paceStep = pace < 10 ? 1 : -1;
    page.AbilitySpin(CPlayer::kPace).Spin().Step(paceStep);
    QLineEdit& passing = page.AbilitySpin(CPlayer::kPassing).Edit();
    passing.selectAll();
    Type(passing, QStringLiteral("12"));
    page.ScrollBar(CDlgPlayerAbilities::kLeagueBar).setValue(6);
    EXPECT_EQ(page.BarText(CDlgPlayerAbilities::kLeagueBar).text(),
              QString::fromStdString(LoadString(147)));
    QComboBox& foreign = page.LanguageBox(1);
    const int native = player_->Language(0);
    const int other = native == 3 ? 4 : 3;
    foreign.setCurrentIndex(foreign.findData(other));

    // The derived ratings are worked out again from the edited values.
    CPlayer expected = before;
    expected.SetAbility(CPlayer::kPace, static_cast<uint8_t>(pace + paceStep));
    expected.SetAbility(CPlayer::kPassing, 10);
    expected.SetLeagueExperience(6);
    char rating[16];
    const float main = expected.GetPositionRatings()[expected.MainPosition() - 1];
    std::snprintf(rating, sizeof rating, "%2.1f", main < 0 ? 0.0 : static_cast<double>(main));
    EXPECT_EQ(page.RatingLabel(0).text(), QString::fromLatin1(rating));
    EXPECT_EQ(player_->Ability(CPlayer::kPace), pace); // not stored yet

    editor_->StorePerson();
    EXPECT_EQ(player_->Ability(CPlayer::kPace), pace + paceStep);
    EXPECT_EQ(player_->Ability(CPlayer::kPassing), 10);
    EXPECT_EQ(player_->LeagueExperience(), 6);
    EXPECT_EQ(player_->Language(0), native);
    EXPECT_EQ(player_->Language(1), other);
    EXPECT_EQ(player_->Ability(CPlayer::kHeading), before.Ability(CPlayer::kHeading));
    EXPECT_EQ(player_->Surname(), before.Surname());
}

TEST_F(PersonEditorTest, LeavingATabStoresItsPage) {
    const std::string surname(player_->Surname());
    editor_->SetPerson(player_);
    CDlgPlayerAllRight& main = editor_->MainPage();
    ASSERT_EQ(editor_->Tabs().currentIndex(), TabOf(main));
    QLineEdit& edit = main.NameEdit(PersonMainPageModel::kSurname);
    edit.setFocus();
    edit.end(false);
    Type(edit, QStringLiteral("xyz"));
    EXPECT_EQ(player_->Surname(), surname);

    CDlgPlayerPositionEngland& positions = editor_->PositionsPage();
    editor_->Tabs().setCurrentIndex(TabOf(positions));
    EXPECT_EQ(player_->Surname(), (surname + "xyz").substr(0, 19));
    // The page left lets go of the person: a store now writes only the positions page.
    const int newMain = player_->MainPosition() == CPlayer::kST ? CPlayer::kGK : CPlayer::kST;
    positions.MainButton(newMain).click();
    EXPECT_FALSE(positions.SecondaryBox(newMain).isEnabled());
    editor_->StorePerson();
    EXPECT_EQ(player_->MainPosition(), newMain);
}

TEST_F(PersonEditorTest, TabsFollowTheRoleAndAnEmptyEditorIsDisabled) {
    CPlayer* manager = nullptr;
    for (const auto& [id, person] : world_->Players()) {
        if (person->Role() == CPlayer::kRoleManager) {
            manager = person.get();
            break;
        }
    }
    ASSERT_NE(manager, nullptr);
    editor_->Tabs().setCurrentIndex(TabOf(editor_->AbilitiesPage()));
    editor_->SetPerson(manager);
    EXPECT_EQ(editor_->Tabs().count(), 1);
    EXPECT_EQ(editor_->CurrentView(), &editor_->MainPage());
    // No sub-page was registered for managers: the main page shows none.
    EXPECT_EQ(editor_->MainPage().CurrentRoleSubPage(), nullptr);

    editor_->SetPerson(player_);
    EXPECT_EQ(editor_->Tabs().count(), 4);
    EXPECT_EQ(editor_->MainPage().CurrentRoleSubPage(),
              static_cast<CDialogB*>(&editor_->MainPage().DetailsPage()));
    EXPECT_EQ(editor_->MainPage().NameEdit(PersonMainPageModel::kSurname).text().isEmpty(),
              player_->Surname().empty());

    editor_->SetPerson(nullptr);
    EXPECT_TRUE(editor_->MainPage().NameEdit(PersonMainPageModel::kSurname).text().isEmpty());
    EXPECT_FALSE(editor_->MainPage().NameEdit(PersonMainPageModel::kSurname).isEnabled());
}

} // namespace
} // namespace tallo

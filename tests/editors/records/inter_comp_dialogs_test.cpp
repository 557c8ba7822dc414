// The international competitions, the stadium chooser and the global settings on the offscreen
// platform: what the widgets do reaches the rules through OK only, a name the file cannot hold
// keeps the dialog open with a message, a title chosen on one page clears the other page's,
// and cancel puts back what the ranking changed.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <map>
#include <optional>
#include <string>

#include "editing/common/record_choosers.h"
#include "editing/editing_test_support.h"
#include "editing/records/continental_settings_edit.h"
#include "editing/records/global_settings_model.h"
#include "editing/records/stadium_chooser_model.h"
#include "editing/session/database_session.h"
#include "editors/framework/dlg_error_single.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/my_slider_control.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/framework/when_shown.h"
#include "editors/records/dlg_choose_stadium.h"
#include "editors/records/dlg_inter_comp.h"
#include "editors/records/dlg_inter_comp_europe.h"
#include "editors/records/dlg_inter_comp_south_america.h"
#include "editors/records/dlg_regelaenderung.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

using Files = std::map<std::string, std::string>;
using Model = InterCompModel;

class FixedClubChooser : public IRecordChoosers {
public:
    std::optional<uint32_t> ChooseClub(int, uint32_t) override { return answer; }
    std::optional<ChosenPerson> ChoosePerson(int, uint32_t, uint32_t) override {
        return std::nullopt;
    }
    std::optional<uint32_t> answer;
};

void Type(QLineEdit& edit, const QString& text) {
    edit.setText(text);
    emit edit.textEdited(text);
}

class InterCompDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        session_ = &harness_.OpenGame();
        before_ = test::SavedBytes(World());
        for (int number = 1; number <= CWorld::kCountryCount && club_ == 0; ++number) {
            for (const auto& [id, club] : World().GetCountry(number)->Clubs()) {
                if (!ClubId::IsNationalTeam(id)) {
                    club_ = id;
                    break;
                }
            }
        }
        ASSERT_NE(club_, 0u);
    }

    CWorld& World() { return session_->World(); }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    Files before_;
    uint32_t club_ = 0;
};

TEST_F(InterCompDialogTest, OkStoresTheTypedNamesAndRefusesOneTheFileCannotHold) {
    const int slot = World().Language();
    const RulesAndMisc rulesBefore = World().Rules();
    ContinentalSettingsEdit edit(*session_, slot, nullptr);
    CDlgInterComp dialog(edit, nullptr, 1);
    EXPECT_FALSE(dialog.EuropePage().RankingButton().isEnabled());
    EXPECT_FALSE(dialog.EuropePage().WinnerRow(0).choose->isEnabled());
    Type(dialog.EuropePage().NameEdit(Model::kItCup), "Cup \"IT\"");
    Type(*dialog.SouthAmericaPage().Names().shortName, "Copa");

    bool shown = false;
    QString message;
    test::WhenShown<CDlgErrorSingle>(
        [&message](CDlgErrorSingle& window) {
            message = window.Message();
            window.accept();
        },
        &shown);
    dialog.OkButton().click();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(message.contains("IT"));
    EXPECT_TRUE(edit.IsOpen());
    EXPECT_EQ(World().Rules(), rulesBefore);

    Type(dialog.EuropePage().NameEdit(Model::kItCup), "Cup IT");
    dialog.OkButton().click();
    EXPECT_FALSE(edit.IsOpen());
    EXPECT_TRUE(edit.Changed());
    EXPECT_EQ(World().Rules().LongName(Model::kItCup, slot), "Cup IT");
    EXPECT_EQ(World().Rules().ShortName(Model::kSouthAmericanCup, slot), "Copa");
    const int other = (slot + 1) % RulesAndMisc::kLanguages;
    EXPECT_EQ(World().Rules().LongName(Model::kItCup, other),
              rulesBefore.LongName(Model::kItCup, other));
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_EQ(test::SavedBytes(World()), before_);
}

TEST_F(InterCompDialogTest, AHolderChosenOnOnePageClearsTheWinnerOnTheOther) {
    FixedClubChooser choosers;
    ContinentalSettingsEdit edit(*session_, World().Language(), nullptr);
    CDlgInterComp dialog(edit, &choosers, 1);
    choosers.answer = club_;
    dialog.EuropePage().WinnerRow(Model::kEuropeanCupWinner).choose->click();
    const QString shown = dialog.EuropePage().WinnerRow(1).text->text();
    EXPECT_TRUE(dialog.EuropePage().WinnerRow(1).clear->isEnabled());

    dialog.Tabs().setCurrentIndex(1);
    dialog.SouthAmericaPage().HolderRow().choose->click();
    EXPECT_EQ(dialog.SouthAmericaPage().HolderRow().text->text(), shown);
    EXPECT_FALSE(dialog.SouthAmericaPage().Note().text().isEmpty());
    dialog.Tabs().setCurrentIndex(0);
    EXPECT_FALSE(dialog.EuropePage().WinnerRow(1).clear->isEnabled());
    EXPECT_NE(dialog.EuropePage().WinnerRow(1).text->text(), shown);

    // A national team is refused with a note, and the holder stays.
    choosers.answer = ClubId::Make(ClubId::CountryOf(club_), ClubId::kNationalTeamNumber);
    dialog.Tabs().setCurrentIndex(1);
    dialog.SouthAmericaPage().HolderRow().choose->click();
    EXPECT_EQ(dialog.SouthAmericaPage().HolderRow().text->text(), shown);
    EXPECT_FALSE(dialog.SouthAmericaPage().Note().text().isEmpty());
    dialog.reject();
    EXPECT_EQ(test::SavedBytes(World()), before_);
}

TEST_F(InterCompDialogTest, CancelPutsBackWhatTheRankingChanged) {
    const uint16_t points = World().GetCountry(3)->valuesM[1];
    ContinentalSettingsEdit edit(
        *session_, World().Language(), [this, points](ChangeJournal::OpenChange& change) {
            change.IncludeCountry(3);
            World().GetCountry(3)->valuesM[1] = static_cast<uint16_t>(points + 100);
        });
    CDlgInterComp dialog(edit, nullptr, 1);
    ASSERT_TRUE(dialog.EuropePage().RankingButton().isEnabled());
    dialog.EuropePage().RankingButton().click();
    EXPECT_EQ(World().GetCountry(3)->valuesM[1], points + 100);
    dialog.CancelButton().click();
    EXPECT_EQ(World().GetCountry(3)->valuesM[1], points);
    EXPECT_EQ(test::SavedBytes(World()), before_);
    EXPECT_FALSE(session_->Journal().CanUndo());
}

TEST_F(InterCompDialogTest, TheStadiumChooserListsTheChosenCountrysStadiums) {
    int number = 0;
    for (int n = 1; n <= CWorld::kCountryCount && number == 0; ++n) {
        if (World().GetCountry(n)->stadiums.Count() >= 2) {
            number = n;
        }
    }
    ASSERT_NE(number, 0);
    const auto& stadiums = World().GetCountry(number)->stadiums;
    const uint32_t lastKey = std::prev(stadiums.end())->first;
    StadiumChooserModel model(World(), World().Language());
    model.Preset(1, StadiumChooserModel::MakeReference(number, lastKey));
    CDlgChooseStadium dialog(model);
    EXPECT_EQ(dialog.StadiumList().count(), static_cast<int>(stadiums.Count()));
    EXPECT_EQ(dialog.StadiumList().currentRow(), dialog.StadiumList().count() - 1);
    EXPECT_TRUE(dialog.OkButton().isEnabled());
    dialog.CountryList().setCurrentRow(dialog.CountryList().currentRow() == 0 ? 1 : 0);
    EXPECT_FALSE(dialog.OkButton().isEnabled());
    EXPECT_GT(dialog.StadiumList().count(), 0);
    dialog.StadiumList().setCurrentRow(0);
    ASSERT_TRUE(model.Chosen().has_value());
    EXPECT_EQ(static_cast<int>(ClubId::CountryOf(*model.Chosen())), model.CountryNumber());
}

TEST_F(InterCompDialogTest, GlobalSettingsReachTheRulesOnOkAsOneChange) {
    bool shown = false;
    test::WhenShown<CDlgRegelaenderung>(
        [](CDlgRegelaenderung& dialog) {
            EXPECT_EQ(dialog.RuleBox(GlobalSettingsModel::kPointsForWin).count(), 3);
            EXPECT_EQ(dialog.RuleBox(GlobalSettingsModel::kBonusForThreeGoals).count(), 2);
            dialog.RuleBox(GlobalSettingsModel::kPointsForAwayWin).setCurrentIndex(2);
            dialog.SubstitutionsSlider().setValue(3);
            EXPECT_EQ(dialog.SubstitutionsText().text(), "3");
            dialog.reject();
        },
        &shown);
    EXPECT_FALSE(RunGlobalSettings(nullptr, *session_));
    EXPECT_TRUE(shown);
    EXPECT_EQ(test::SavedBytes(World()), before_);

    // Unchanged: OK records nothing.
    test::WhenShown<CDlgRegelaenderung>([](CDlgRegelaenderung& dialog) { dialog.accept(); },
                                        &shown);
    EXPECT_FALSE(RunGlobalSettings(nullptr, *session_));
    EXPECT_FALSE(session_->Journal().CanUndo());

    const int32_t substitutions = World().Rules().FriendlySubstitutions();
    const int next = substitutions == 7 ? 2 : substitutions + 1;
    test::WhenShown<CDlgRegelaenderung>(
        [next](CDlgRegelaenderung& dialog) {
            dialog.RuleBox(GlobalSettingsModel::kPointsForAwayWin).setCurrentIndex(2);
            dialog.SubstitutionsSlider().setValue(next);
            dialog.OkButton().click();
        },
        &shown);
    EXPECT_TRUE(RunGlobalSettings(nullptr, *session_));
    EXPECT_EQ(World().Rules().PointsRule(GlobalSettingsModel::kPointsForAwayWin), 2);
    EXPECT_EQ(World().Rules().FriendlySubstitutions(), next);
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_EQ(test::SavedBytes(World()), before_);
}

TEST(RegelaenderungTest, ARuleOutsideTheChoicesShowsAsItsOwnEntryAndStaysUntilChanged) {
    test::EnsureFrameworkApplication();
    RulesAndMisc rules;
    rules.SetPointsRule(GlobalSettingsModel::kBonusAgainstChampion, 4);
    GlobalSettingsModel model;
    model.Fill(rules);
    CDlgRegelaenderung dialog(model);
    QComboBox& box = dialog.RuleBox(GlobalSettingsModel::kBonusAgainstChampion);
    ASSERT_EQ(box.count(), 3);
    EXPECT_EQ(box.currentIndex(), 2);
    EXPECT_TRUE(box.currentText().contains("4"));
    box.setCurrentIndex(1);
    EXPECT_EQ(model.Value(GlobalSettingsModel::kBonusAgainstChampion), 1);
    box.setCurrentIndex(2);
    RulesAndMisc stored = rules;
    model.Store(stored);
    EXPECT_EQ(stored.PointsRule(GlobalSettingsModel::kBonusAgainstChampion), 4);
}

} // namespace
} // namespace tallo

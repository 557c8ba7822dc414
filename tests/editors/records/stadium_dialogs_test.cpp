// The stadium editor and the stadium list page on the offscreen platform: a model and a typed
// count cut at once, an inconsistent stadium refused with the dialog still open, Enter on the
// list inside the country editor's frame, and a deletion asked and answered.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

#include "editing/country/country_edit_context.h"
#include "editors/framework/dlg_error_single.h"
#include "editors/framework/frame_keys.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "editors/framework/when_shown.h"
#include "editors/records/dlg_stadium.h"
#include "editors/records/dlg_stadium_list.h"
#include "platform/scripted_prompt.h"
#include "sample_stadium_models.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/stadium_list.h"
#include "world/world.h"

namespace tallo {
namespace {

using Places = StadiumEditorModel::Places;

void Type(CSpinEditCtrl& field, const QString& text) {
    field.Edit().setText(text);
    emit field.Edit().textEdited(text);
}

TEST(StadiumEditorTest, CountsAreCutAtOnceAndAnInconsistentStadiumKeepsTheDialogOpen) {
    test::EnsureFrameworkApplication();
    // The list the editor offers: the sample's models, the first of which gives class 1.
    const StadiumList kept = GlobalStadiumList();
    test::TempDir dir;
    ASSERT_TRUE(sample::WriteSampleStadiumList(dir / StadiumList::kFileName));
    ASSERT_TRUE(GlobalStadiumList().LoadFile(dir / StadiumList::kFileName));
    const StadiumModel first = GlobalStadiumList().Entries().at(0);

    Stadium stadium;
    stadium.SetName("Old");
    CDlgStadium dialog(nullptr, stadium);
    ASSERT_EQ(dialog.ModelBox().count(), static_cast<int>(GlobalStadiumList().Count()) + 1);
    EXPECT_EQ(dialog.ModelBox().currentIndex(), 0); // no model
    dialog.ModelBox().setCurrentIndex(1);
    emit dialog.ModelBox().activated(1);
    EXPECT_EQ(dialog.Model().CapacityClass(), 1);

    CSpinEditCtrl& seats = dialog.PlaceField(Stadium::kMainStand, Places::kSeats);
    Type(seats, "30000");
    EXPECT_EQ(seats.Edit().text(), "22500");
    EXPECT_EQ(dialog.TotalText().text(), "22.500");
    // A field being emptied to type anew is left empty.
    CSpinEditCtrl& vip = dialog.PlaceField(Stadium::kNorthStand, Places::kVip);
    Type(vip, "");
    EXPECT_EQ(vip.Edit().text(), "");

    dialog.NameEdit().setText("New ground");
    emit dialog.NameEdit().textEdited("New ground");
    dialog.SeasonTicketBox(Stadium::kSouthStand).setChecked(true);
    dialog.AwayBox(Stadium::kSouthStand).setChecked(true);
    bool told = false;
    QString message;
    test::WhenShown<CDlgErrorSingle>(
        [&message](CDlgErrorSingle& window) {
            for (QLabel* label : window.findChildren<QLabel*>()) {
                message += label->text() + "\n";
            }
            window.accept();
        },
        &told);
    dialog.accept();
    EXPECT_TRUE(told);
    EXPECT_TRUE(message.contains(ToQString(StadiumEditorModel::StandName(Stadium::kSouthStand))))
        << message.toStdString();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(stadium.Name(), "Old");
    EXPECT_EQ(dialog.NameEdit().text(), "New ground");

    dialog.AwayBox(Stadium::kSouthStand).setChecked(false);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(stadium.Name(), "New ground");
    EXPECT_EQ(stadium.seats[Stadium::kMainStand], 22500);
    EXPECT_EQ(stadium.seasonTicketStands, 1 << Stadium::kSouthStand);
    EXPECT_EQ(stadium.model, first.number);
    GlobalStadiumList() = kept;
}

class StadiumListPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        context_.world = &world_;
        context_.country = kCountry;
        context_.prompt = &prompt_;
        Stadium first;
        first.SetName("First");
        first.seats[0] = 1500;
        Stadium second;
        second.SetName("Second");
        country_.stadiums.Add(first);
        country_.stadiums.Add(second);
        club_ = country_.CreateClub("Club");
        club_->SetMainStadium(2);
    }

    static constexpr int kCountry = 5;
    CWorld world_;
    CCountry& country_ = *world_.GetCountry(kCountry);
    CClub* club_ = nullptr;
    ScriptedPrompt prompt_{false};
    CountryEditContext context_;
};

TEST_F(StadiumListPageTest, EnterOnARowChangesItAndDoesNotConfirmTheFrame) {
    // The page inside a frame with the country editor's keys.
    auto frame = std::make_unique<QDialog>();
    auto* layout = new QVBoxLayout(frame.get());
    auto* page = new CDlgStadiumList(frame.get(), context_);
    auto* ok = new QPushButton("ok", frame.get());
    layout->addWidget(page);
    layout->addWidget(ok);
    int confirms = 0;
    InstallFrameKeys(
        *frame, *ok, [&confirms] { ++confirms; }, [] {});
    frame->show();
    frame->activateWindow();
    ASSERT_EQ(page->List().count(), 2);
    EXPECT_TRUE(page->List().item(0)->text().startsWith("First\t"));
    EXPECT_TRUE(page->List().item(0)->text().endsWith("1.500"));
    page->List().setCurrentRow(0);
    page->List().setFocus();
    ASSERT_TRUE(test::ProcessEventsUntil([&] { return page->List().hasFocus(); }));

    bool opened = false;
    test::WhenShown<CDlgStadium>(
        [](CDlgStadium& editor) {
            editor.NameEdit().setText("Renamed");
            emit editor.NameEdit().textEdited("Renamed");
            editor.accept();
        },
        &opened);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&page->List(), &press);
    EXPECT_TRUE(opened);
    EXPECT_EQ(confirms, 0);
    EXPECT_EQ(country_.stadiums.Find(1)->Name(), "Renamed");
    EXPECT_TRUE(page->List().item(0)->text().startsWith("Renamed\t"));
}

TEST_F(StadiumListPageTest, DeletingAStadiumAClubPlaysInIsAskedFirst) {
    CDlgStadiumList page(nullptr, context_);
    page.List().setCurrentRow(1);
    prompt_.QueueAnswer(false);
    page.DeleteButton().click();
    ASSERT_EQ(prompt_.CountOf(PromptCall::Kind::YesNo), 1u);
    EXPECT_NE(prompt_.Calls()[0].text.find("Second"), std::string::npos);
    EXPECT_TRUE(country_.stadiums.Contains(2));
    EXPECT_EQ(club_->MainStadium(), 2u);

    prompt_.QueueAnswer(true);
    page.DeleteButton().click();
    EXPECT_FALSE(country_.stadiums.Contains(2));
    EXPECT_EQ(club_->MainStadium(), 0u);
    ASSERT_EQ(page.List().count(), 1);
    EXPECT_EQ(page.List().currentRow(), 0);

    // A stadium nobody plays in goes without a question.
    page.DeleteButton().click();
    EXPECT_EQ(prompt_.CountOf(PromptCall::Kind::YesNo), 2u);
    EXPECT_EQ(page.List().count(), 0);
    EXPECT_FALSE(page.ChangeButton().isEnabled());
}

} // namespace
} // namespace tallo

#include "editors/club/dlg_club_hist.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editing/club/club_field_text.h"
#include "editors/club/club_view_support.h"
#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"
#include "world/club.h"
#include "world/result_record.h"

namespace tallo {

namespace {

constexpr size_t kResultLength = 5; // "99:99"

QLabel* Label(const std::string& text, QWidget* parent, QWidget* buddy = nullptr) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

CDlgClubHist::CDlgClubHist(const ClubEditContext& /*context*/, QWidget* parent)
    : CDialogB(parent, Kind::ChildPage) {
    BuildLayout();
}

void CDlgClubHist::BuildLayout() {
    std::vector<QWidget*> order;

    auto* statisticsBox =
        new CMyGroupBox(ToQString(DialogText("club.group.league_statistics")), this);
    auto* statisticsGrid = new QGridLayout(statisticsBox);
    for (int which = 0; which < CClub::kStatisticCount; ++which) {
        statistics_[which] = new QLineEdit(statisticsBox);
        statistics_[which]->setMaximumWidth(80);
        statisticsGrid->addWidget(
            Label(ClubHistoryPageModel::StatisticLabel(which), statisticsBox, statistics_[which]),
            which, 0);
        statisticsGrid->addWidget(statistics_[which], which, 1);
        order.push_back(statistics_[which]);
    }
    statisticsGrid->setColumnStretch(2, 1);

    auto* titlesBox = new CMyGroupBox(ToQString(DialogText("club.group.titles")), this);
    auto* titlesGrid = new QGridLayout(titlesBox);
    for (int which = 0; which < CClub::kTitleCount; ++which) {
        titles_[which] = new QLineEdit(titlesBox);
        titles_[which]->setPlaceholderText(ToQString(DialogText("club.title.hint")));
        titlesGrid->addWidget(
            Label(ClubHistoryPageModel::TitleLabel(which), titlesBox, titles_[which]), which, 0);
        titlesGrid->addWidget(titles_[which], which, 1);
        order.push_back(titles_[which]);
    }
    titlesGrid->setColumnStretch(1, 1);

    auto* recordsBox = new CMyGroupBox(ToQString(DialogText("club.group.records")), this);
    auto* recordsGrid = new QGridLayout(recordsBox);
    recordsGrid->addWidget(Label(DialogText("club.record.result"), recordsBox), 0, 1);
    recordsGrid->addWidget(Label(DialogText("club.record.opponent"), recordsBox), 0, 2);
    recordsGrid->addWidget(Label(DialogText("club.record.season"), recordsBox), 0, 3);
    for (int which = 0; which < ClubHistoryPageModel::kRecordCount; ++which) {
        for (int cell = 0; cell < 3; ++cell) {
            records_[which][cell] = new QLineEdit(recordsBox);
            order.push_back(records_[which][cell]);
        }
        QLineEdit* result = records_[which][0];
        result->setMaximumWidth(80);
        if (which == ResultRecord::kAttendance) {
            result->setMaxLength(static_cast<int>(ClubHistoryPageModel::kAttendanceDigits));
            result->setToolTip(ToQString(DialogText("club.record.spectators")));
        } else {
            result->setMaxLength(static_cast<int>(kResultLength));
        }
        records_[which][1]->setMinimumWidth(160);
        records_[which][2]->setMaximumWidth(60);
        records_[which][2]->setMaxLength(static_cast<int>(ClubHistoryPageModel::kSeasonDigits));
        recordsGrid->addWidget(Label(ClubHistoryPageModel::RecordLabel(which), recordsBox, result),
                               which + 1, 0);
        for (int cell = 0; cell < 3; ++cell) {
            recordsGrid->addWidget(records_[which][cell], which + 1, cell + 1);
        }
    }
    recordsGrid->setColumnStretch(2, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(statisticsBox, 0);
    top->addWidget(titlesBox, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(recordsBox);
    layout->addStretch(1);
    for (size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void CDlgClubHist::FillFrom(const CClub& club) {
    model_.Fill(club);
    for (int which = 0; which < CClub::kStatisticCount; ++which) {
        SetRecordText(*statistics_[which], model_.statistics[which],
                      model_.StatisticEditLength(which));
    }
    for (int which = 0; which < CClub::kTitleCount; ++which) {
        SetRecordText(*titles_[which], model_.titles[which], model_.TitleEditLength(which));
    }
    for (int which = 0; which < ClubHistoryPageModel::kRecordCount; ++which) {
        const ClubHistoryPageModel::RecordRow& row = model_.records[which];
        const size_t resultLength = which == ResultRecord::kAttendance
                                        ? ClubHistoryPageModel::kAttendanceDigits
                                        : kResultLength;
        SetRecordText(*records_[which][0], row.result, EditLengthFor(resultLength, row.result));
        SetRecordText(*records_[which][1], row.opponent, EditLengthFor(255, row.opponent));
        SetRecordText(*records_[which][2], row.season,
                      EditLengthFor(ClubHistoryPageModel::kSeasonDigits, row.season));
    }
}

void CDlgClubHist::StoreInto(CClub& club) {
    refusals_.clear();
    for (int which = 0; which < CClub::kStatisticCount; ++which) {
        model_.statistics[which] = statistics_[which]->text().toStdString();
    }
    for (int which = 0; which < CClub::kTitleCount; ++which) {
        model_.titles[which] = RecordTextOr(titles_[which]->text(), model_.FilledTitle(which),
                                            ClubHistoryPageModel::TitleLabel(which), refusals_);
    }
    for (int which = 0; which < ClubHistoryPageModel::kRecordCount; ++which) {
        ClubHistoryPageModel::RecordRow& row = model_.records[which];
        row.result = records_[which][0]->text().toStdString();
        row.opponent = RecordTextOr(records_[which][1]->text(), model_.FilledRecord(which).opponent,
                                    ClubHistoryPageModel::RecordLabel(which), refusals_);
        row.season = records_[which][2]->text().toStdString();
    }
    std::vector<std::string> stored = model_.Store(club);
    refusals_.insert(refusals_.end(), stored.begin(), stored.end());
}

} // namespace tallo

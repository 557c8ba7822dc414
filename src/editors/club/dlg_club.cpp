#include "editors/club/dlg_club.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

#include "editing/club/club_edit_context.h"
#include "editing/club/club_field_text.h"
#include "editors/club/club_view_support.h"
#include "editors/framework/my_group_box.h"
#include "editors/framework/my_spin.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "formats/dialog_text.h"
#include "world/club.h"

namespace tallo {

namespace {

QLabel* Label(const std::string& text, QWidget* parent, QWidget* buddy = nullptr) {
    auto* label = new QLabel(ToQString(text), parent);
    if (buddy != nullptr) {
        label->setBuddy(buddy);
    }
    return label;
}

QString RatingText(double rating) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", rating);
    return QString::fromLatin1(buffer);
}

} // namespace

CDlgClub::CDlgClub(const ClubEditContext& context, QWidget* parent)
    : CDialogB(parent, Kind::ChildPage), context_(context), model_(context) {
    BuildLayout();
}

QLineEdit& CDlgClub::TextEdit(ClubPageModel::Text text) const {
    return *texts_[text];
}

void CDlgClub::BuildLayout() {
    for (int text = 0; text < ClubPageModel::kTextCount; ++text) {
        if (text != ClubPageModel::kFanSites) {
            texts_[text] = new QLineEdit(this);
        }
    }
    fanSites_ = new QPlainTextEdit(this);
    fanSites_->setTabChangesFocus(true);
    fanSites_->setMinimumHeight(48);
    for (int button = 0; button < ClubPageModel::kArticleButtonCount; ++button) {
        articleButtons_[button] = new QPushButton(this);
        articleButtons_[button]->setToolTip(ToQString(DialogText("club.article.tip")));
        articleButtons_[button]->setFixedWidth(44);
        connect(articleButtons_[button], &QPushButton::clicked, this, [this, button] {
            model_.CycleArticle(static_cast<ClubPageModel::ArticleButton>(button));
            ShowArticles();
        });
    }

    // Names.
    auto* names = new CMyGroupBox(ToQString(DialogText("club.group.names")), this);
    auto* namesGrid = new QGridLayout(names);
    namesGrid->addWidget(Label(DialogText("club.label.name"), names, texts_[ClubPageModel::kName]),
                         0, 0);
    namesGrid->addWidget(articleButtons_[ClubPageModel::kNameArticle], 0, 1);
    namesGrid->addWidget(texts_[ClubPageModel::kName], 0, 2);
    namesGrid->addWidget(
        Label(DialogText("club.label.short_name"), names, texts_[ClubPageModel::kShortName]), 1, 0);
    namesGrid->addWidget(texts_[ClubPageModel::kShortName], 1, 2);
    namesGrid->addWidget(
        Label(DialogText("club.label.abbreviation"), names, texts_[ClubPageModel::kAbbreviation]),
        2, 0);
    namesGrid->addWidget(articleButtons_[ClubPageModel::kAbbreviationArticle], 2, 1);
    namesGrid->addWidget(texts_[ClubPageModel::kAbbreviation], 2, 2);
    namesGrid->addWidget(Label(DialogText("club.label.city"), names, texts_[ClubPageModel::kCity]),
                         3, 0);
    namesGrid->addWidget(texts_[ClubPageModel::kCity], 3, 2);

    // Contact.
    auto* contact = new CMyGroupBox(ToQString(DialogText("club.group.contact")), this);
    auto* contactGrid = new QGridLayout(contact);
    const std::pair<ClubPageModel::Text, const std::string*> contactRows[] = {
        {ClubPageModel::kAddress, &DialogText("club.label.address")},
        {ClubPageModel::kTelephone, &DialogText("club.label.telephone")},
        {ClubPageModel::kWebSite, &DialogText("club.label.web")},
        {ClubPageModel::kNewspaper, &DialogText("club.label.newspaper")},
    };
    int row = 0;
    for (const auto& [text, label] : contactRows) {
        contactGrid->addWidget(Label(*label, contact, texts_[text]), row, 0);
        contactGrid->addWidget(texts_[text], row, 1);
        ++row;
    }
    contactGrid->addWidget(Label(DialogText("club.label.fan_sites"), contact, fanSites_), row, 0,
                           Qt::AlignTop);
    contactGrid->addWidget(fanSites_, row, 1);

    // Fans.
    auto* fans = new CMyGroupBox(ToQString(DialogText("club.group.fans")), this);
    auto* fansGrid = new QGridLayout(fans);
    fansGrid->addWidget(
        Label(DialogText("club.label.fan_name"), fans, texts_[ClubPageModel::kFanName]), 0, 0);
    fansGrid->addWidget(articleButtons_[ClubPageModel::kFanNameArticle], 0, 1);
    fansGrid->addWidget(texts_[ClubPageModel::kFanName], 0, 2);
    fansGrid->addWidget(Label(DialogText("club.label.second_fan_name"), fans,
                              texts_[ClubPageModel::kSecondFanName]),
                        1, 0);
    fansGrid->addWidget(articleButtons_[ClubPageModel::kSecondFanNameArticle], 1, 1);
    fansGrid->addWidget(texts_[ClubPageModel::kSecondFanName], 1, 2);
    fansGrid->addWidget(
        Label(DialogText("club.label.mascot"), fans, texts_[ClubPageModel::kMascot]), 2, 0);
    fansGrid->addWidget(texts_[ClubPageModel::kMascot], 2, 2);

    // Friendly club and rivals.
    auto* rivalsBox = new CMyGroupBox(ToQString(DialogText("club.group.rivals")), this);
    auto* rivalsGrid = new QGridLayout(rivalsBox);
    friendly_ = new QComboBox(rivalsBox);
    rivals_[0] = new QComboBox(rivalsBox);
    rivals_[1] = new QComboBox(rivalsBox);
    rivalsGrid->addWidget(Label(DialogText("club.label.friendly_club"), rivalsBox, friendly_), 0,
                          0);
    rivalsGrid->addWidget(friendly_, 0, 1);
    rivalsGrid->addWidget(Label(DialogText("club.label.rival1"), rivalsBox, rivals_[0]), 1, 0);
    rivalsGrid->addWidget(rivals_[0], 1, 1);
    rivalsGrid->addWidget(Label(DialogText("club.label.rival2"), rivalsBox, rivals_[1]), 2, 0);
    rivalsGrid->addWidget(rivals_[1], 2, 1);
    rivalsGrid->setColumnStretch(1, 1);

    // Attendance.
    auto* attendanceBox = new CMyGroupBox(ToQString(DialogText("club.group.attendance")), this);
    auto* attendanceGrid = new QGridLayout(attendanceBox);
    const std::string* attendanceLabels[] = {&DialogText("club.label.attendance_mid"),
                                             &DialogText("club.label.attendance_important"),
                                             &DialogText("club.label.season_tickets")};
    auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
    for (int which = 0; which < 3; ++which) {
        attendance_[which] = new QLineEdit(attendanceBox);
        attendance_[which]->setValidator(digits);
        attendance_[which]->setMaximumWidth(90);
        attendanceGrid->addWidget(
            Label(*attendanceLabels[which], attendanceBox, attendance_[which]), which, 0);
        attendanceGrid->addWidget(attendance_[which], which, 1);
    }

    // Finances and standing.
    auto* finances = new CMyGroupBox(ToQString(DialogText("club.group.finances")), this);
    auto* financesGrid = new QGridLayout(finances);
    stockCompany_ = new QCheckBox(ToQString(DialogText("club.label.stock_company")), finances);
    financesGrid->addWidget(stockCompany_, 0, 0, 1, 3);
    capitalSpin_ = new CMySpin(finances);
    capitalSpin_->SetRange(ClubPageModel::kCapitalPositionMin, ClubPageModel::kCapitalPositionMax);
    capitalLabel_ = new QLabel(finances);
    capitalLabel_->setMinimumWidth(110);
    connect(capitalSpin_, &CMySpin::stepped, this, [this](int direction) {
        model_.capitalPosition =
            std::clamp(model_.capitalPosition + direction, ClubPageModel::kCapitalPositionMin,
                       ClubPageModel::kCapitalPositionMax);
        ShowCapital();
    });
    financesGrid->addWidget(Label(DialogText("club.label.capital"), finances), 1, 0);
    financesGrid->addWidget(capitalLabel_, 1, 1);
    financesGrid->addWidget(capitalSpin_, 1, 2);
    foundation_ = new CSpinEditCtrl(finances);
    foundation_->SetIntegerRange(ClubPageModel::kFoundationYearMin,
                                 ClubPageModel::kFoundationYearMax);
    financesGrid->addWidget(
        Label(DialogText("club.label.foundation"), finances, &foundation_->Edit()), 2, 0);
    financesGrid->addWidget(foundation_, 2, 1, 1, 2);
    prestige_ = new QScrollBar(Qt::Horizontal, finances);
    prestige_->setRange(0, CClub::kMaxPrestige);
    prestige_->setPageStep(5);
    prestige_->setMinimumWidth(100);
    prestigeLabel_ = new QLabel(finances);
    prestigeLabel_->setMinimumWidth(24);
    connect(prestige_, &QScrollBar::valueChanged, this,
            [this](int value) { prestigeLabel_->setText(QString::number(value)); });
    financesGrid->addWidget(Label(DialogText("club.label.prestige"), finances, prestige_), 3, 0);
    financesGrid->addWidget(prestige_, 3, 1);
    financesGrid->addWidget(prestigeLabel_, 3, 2);
    auto* penaltyRow = new QHBoxLayout;
    auto* penaltyGroup = new QButtonGroup(this);
    for (int index = 0; index < 3; ++index) {
        penalty_[index] = new QRadioButton(
            QString::number(ClubPageModel::kPenaltyChoices[static_cast<size_t>(index)]), finances);
        penaltyGroup->addButton(penalty_[index], index);
        penaltyRow->addWidget(penalty_[index]);
    }
    penaltyRow->addStretch(1);
    financesGrid->addWidget(Label(DialogText("club.label.penalty"), finances, penalty_[0]), 4, 0);
    financesGrid->addLayout(penaltyRow, 4, 1, 1, 2);

    // Squad, shown only.
    auto* squadBox = new CMyGroupBox(ToQString(DialogText("club.group.squad")), this);
    auto* squadGrid = new QGridLayout(squadBox);
    squad_[0] = new QLabel(squadBox);
    squad_[1] = new QLabel(squadBox);
    squadGrid->addWidget(Label(DialogText("club.label.first_team"), squadBox), 0, 0);
    squadGrid->addWidget(squad_[0], 0, 1);
    squadGrid->addWidget(Label(DialogText("club.label.reserves"), squadBox), 1, 0);
    squadGrid->addWidget(squad_[1], 1, 1);
    squadGrid->setColumnStretch(1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(names);
    left->addWidget(contact);
    left->addWidget(fans);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(rivalsBox);
    right->addWidget(attendanceBox);
    right->addWidget(finances);
    right->addWidget(squadBox);
    right->addStretch(1);
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    // Tab order: down the left column, then the right.
    QWidget* order[] = {articleButtons_[ClubPageModel::kNameArticle],
                        texts_[ClubPageModel::kName],
                        texts_[ClubPageModel::kShortName],
                        articleButtons_[ClubPageModel::kAbbreviationArticle],
                        texts_[ClubPageModel::kAbbreviation],
                        texts_[ClubPageModel::kCity],
                        texts_[ClubPageModel::kAddress],
                        texts_[ClubPageModel::kTelephone],
                        texts_[ClubPageModel::kWebSite],
                        texts_[ClubPageModel::kNewspaper],
                        fanSites_,
                        articleButtons_[ClubPageModel::kFanNameArticle],
                        texts_[ClubPageModel::kFanName],
                        articleButtons_[ClubPageModel::kSecondFanNameArticle],
                        texts_[ClubPageModel::kSecondFanName],
                        texts_[ClubPageModel::kMascot],
                        friendly_,
                        rivals_[0],
                        rivals_[1],
                        attendance_[0],
                        attendance_[1],
                        attendance_[2],
                        stockCompany_,
                        &foundation_->Edit(),
                        prestige_,
                        penalty_[0],
                        penalty_[1],
                        penalty_[2]};
    for (size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void CDlgClub::FillFrom(const CClub& club) {
    model_.Fill(club);
    for (int text = 0; text < ClubPageModel::kTextCount; ++text) {
        const auto which = static_cast<ClubPageModel::Text>(text);
        if (which == ClubPageModel::kFanSites) {
            fanSites_->setPlainText(RecordToQString(model_.texts[text]));
        } else {
            SetRecordText(*texts_[text], model_.texts[text], model_.EditLength(which));
        }
    }
    for (int which = 0; which < 3; ++which) {
        SetRecordText(*attendance_[which], model_.attendance[which],
                      EditLengthFor(ClubPageModel::kAttendanceDigits, model_.attendance[which]));
    }
    FillChoiceCombo(*friendly_, model_.friendlyClub);
    FillChoiceCombo(*rivals_[0], model_.rivals[0]);
    FillChoiceCombo(*rivals_[1], model_.rivals[1]);
    stockCompany_->setChecked(model_.stockCompany);
    foundation_->SetValue(model_.foundationYear);
    prestige_->setValue(model_.prestige);
    prestigeLabel_->setText(QString::number(model_.prestige));
    for (int index = 0; index < 3; ++index) {
        penalty_[index]->setChecked(index == model_.penaltyIndex);
    }
    for (int team = 0; team < 2; ++team) {
        squad_[team]->setText(ToQString(
            FormatDialogText("club.squad.line", model_.playerCounts[team],
                             RatingText(model_.averageRatings[team]).toStdString().c_str())));
    }
    ShowCapital();
    ShowArticles();
}

void CDlgClub::StoreInto(CClub& club) {
    refusals_.clear();
    for (int text = 0; text < ClubPageModel::kTextCount; ++text) {
        const auto which = static_cast<ClubPageModel::Text>(text);
        const QString typed =
            which == ClubPageModel::kFanSites ? fanSites_->toPlainText() : texts_[text]->text();
        model_.texts[text] =
            RecordTextOr(typed, model_.FilledText(which), ClubPageModel::Label(which), refusals_);
    }
    for (int which = 0; which < 3; ++which) {
        model_.attendance[which] = attendance_[which]->text().toStdString();
    }
    ReadChoiceCombo(*friendly_, model_.friendlyClub);
    ReadChoiceCombo(*rivals_[0], model_.rivals[0]);
    ReadChoiceCombo(*rivals_[1], model_.rivals[1]);
    model_.stockCompany = stockCompany_->isChecked();
    foundation_->ClampIntoRange();
    model_.foundationYear = foundation_->IntegerValue();
    model_.prestige = prestige_->value();
    for (int index = 0; index < 3; ++index) {
        if (penalty_[index]->isChecked()) {
            model_.penaltyIndex = index;
        }
    }
    std::vector<std::string> stored = model_.Store(club);
    refusals_.insert(refusals_.end(), stored.begin(), stored.end());
}

void CDlgClub::ShowCapital() {
    capitalLabel_->setText(ToQString(ClubPageModel::CapitalMillions(model_.capitalPosition)));
}

void CDlgClub::ShowArticles() {
    for (int button = 0; button < ClubPageModel::kArticleButtonCount; ++button) {
        articleButtons_[button]->setText(
            ToQString(model_.ArticleText(static_cast<ClubPageModel::ArticleButton>(button))));
    }
}

} // namespace tallo

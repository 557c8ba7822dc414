#include "editing/club/club_page_model.h"

#include <algorithm>
#include <cstdio>

#include "editing/club/club_articles.h"
#include "editing/club/club_edit_context.h"
#include "editing/club/club_field_text.h"
#include "formats/dialog_text.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

const std::array<CClub::ArticleText, 3> kArticleTexts = {
    CClub::kArticleClubName, CClub::kArticleFanName, CClub::kArticleSecondFanName};

const std::string& TextLabel(ClubPageModel::Text text) {
    switch (text) {
    case ClubPageModel::kName:
        return DialogText("club.label.name");
    case ClubPageModel::kShortName:
        return DialogText("club.label.short_name");
    case ClubPageModel::kAbbreviation:
        return DialogText("club.label.abbreviation");
    case ClubPageModel::kCity:
        return DialogText("club.label.city");
    case ClubPageModel::kAddress:
        return DialogText("club.label.address");
    case ClubPageModel::kTelephone:
        return DialogText("club.label.telephone");
    case ClubPageModel::kWebSite:
        return DialogText("club.label.web");
    case ClubPageModel::kFanSites:
        return DialogText("club.label.fan_sites");
    case ClubPageModel::kNewspaper:
        return DialogText("club.label.newspaper");
    case ClubPageModel::kMascot:
        return DialogText("club.label.mascot");
    case ClubPageModel::kFanName:
        return DialogText("club.label.fan_name");
    case ClubPageModel::kSecondFanName:
    case ClubPageModel::kTextCount:
        break;
    }
    return DialogText("club.label.second_fan_name");
}

const std::string& AttendanceLabel(int which) {
    switch (which) {
    case 0:
        return DialogText("club.label.attendance_mid");
    case 1:
        return DialogText("club.label.attendance_important");
    default:
        return DialogText("club.label.season_tickets");
    }
}

std::string TextOf(const CClub& club, ClubPageModel::Text text, int slot) {
    switch (text) {
    case ClubPageModel::kName:
        return std::string(club.Name(slot));
    case ClubPageModel::kShortName:
        return std::string(club.ShortName(slot));
    case ClubPageModel::kAbbreviation:
        return std::string(club.Abbreviation(slot));
    case ClubPageModel::kCity:
        return std::string(club.City(slot));
    case ClubPageModel::kAddress:
        return std::string(club.Address());
    case ClubPageModel::kTelephone:
        return std::string(club.Telephone());
    case ClubPageModel::kWebSite:
        return std::string(club.WebSite());
    case ClubPageModel::kFanSites:
        return LinesForEdit(club.FanSites());
    case ClubPageModel::kNewspaper:
        return std::string(club.Newspaper());
    case ClubPageModel::kMascot:
        return std::string(club.Mascot());
    case ClubPageModel::kFanName:
        return std::string(club.FanName());
    case ClubPageModel::kSecondFanName:
        return std::string(club.SecondFanName());
    case ClubPageModel::kTextCount:
        break;
    }
    return std::string();
}

bool SetTextOf(CClub& club, ClubPageModel::Text text, int slot, const std::string& value) {
    switch (text) {
    case ClubPageModel::kName:
        return club.SetName(slot, value);
    case ClubPageModel::kShortName:
        return club.SetShortName(slot, value);
    case ClubPageModel::kAbbreviation:
        return club.SetAbbreviation(slot, value);
    case ClubPageModel::kCity:
        return club.SetCity(slot, value);
    case ClubPageModel::kAddress:
        return club.SetAddress(value);
    case ClubPageModel::kTelephone:
        return club.SetTelephone(value);
    case ClubPageModel::kWebSite:
        return club.SetWebSite(value);
    case ClubPageModel::kFanSites:
        return club.SetFanSites(value);
    case ClubPageModel::kNewspaper:
        return club.SetNewspaper(value);
    case ClubPageModel::kMascot:
        return club.SetMascot(value);
    case ClubPageModel::kFanName:
        return club.SetFanName(value);
    case ClubPageModel::kSecondFanName:
        return club.SetSecondFanName(value);
    case ClubPageModel::kTextCount:
        break;
    }
    return false;
}

} // namespace

ClubPageModel::ClubPageModel(const ClubEditContext& context) : context_(context) {}

const std::string& ClubPageModel::Label(Text text) {
    return TextLabel(text);
}

size_t ClubPageModel::TextLimit(Text text) {
    // The page's own limits, cut to what each field of the club holds.
    switch (text) {
    case kName:
        return 20;
    case kShortName:
        return CClub::kShortNameMax;
    case kAbbreviation:
        return CClub::kAbbreviationSize - 1;
    case kCity:
        return CClub::kCitySize - 1;
    case kAddress:
        return std::min<size_t>(49, CClub::kAddressSize - 1);
    case kTelephone:
        return CClub::kTelephoneSize - 1;
    case kWebSite:
        return CClub::kWebSize - 1;
    case kFanSites:
        return CClub::kFanSitesSize - 1;
    case kNewspaper:
        return std::min<size_t>(29, CClub::kNewspaperSize - 1);
    case kMascot:
        return std::min<size_t>(29, CClub::kMascotSize - 1);
    case kFanName:
    case kSecondFanName:
        return std::min<size_t>(30, CClub::kFanNameSize - 1);
    case kTextCount:
        break;
    }
    return 0;
}

size_t ClubPageModel::EditLength(Text text) const {
    return EditLengthFor(TextLimit(text), filledTexts_[text]);
}

int64_t ClubPageModel::CapitalOfPosition(int position) {
    return static_cast<int64_t>(position - kCapitalZeroPosition) * kCapitalStep;
}

int ClubPageModel::PositionOfCapital(int64_t capital) {
    // Rounded to the nearest step, within the spin's range.
    const int64_t steps = capital >= 0 ? (capital + kCapitalStep / 2) / kCapitalStep
                                       : -((-capital + kCapitalStep / 2) / kCapitalStep);
    return static_cast<int>(std::clamp<int64_t>(steps + kCapitalZeroPosition, kCapitalPositionMin,
                                                kCapitalPositionMax));
}

std::string ClubPageModel::CapitalMillions(int position) {
    const int64_t tenths = CapitalOfPosition(position) / kCapitalStep;
    const int64_t magnitude = tenths < 0 ? -tenths : tenths;
    std::string number = (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10);
    if (magnitude % 10 != 0) {
        number += "," + std::to_string(magnitude % 10);
    }
    return FormatDialogText("club.capital.millions", number.c_str());
}

void ClubPageModel::Fill(const CClub& club) {
    const int slot = context_.languageSlot;
    for (int text = 0; text < kTextCount; ++text) {
        filledTexts_[text] = TextOf(club, static_cast<Text>(text), slot);
        texts[text] = filledTexts_[text];
    }
    for (size_t i = 0; i < kArticleTexts.size(); ++i) {
        articles[i] = club.Article(kArticleTexts[i], slot);
    }
    articles[kAbbreviationArticle] = club.AbbreviationArticle(slot);
    for (int which = 0; which < CClub::kAttendanceCount; ++which) {
        attendance[which] = NumberText(club.AttendanceValue(static_cast<CClub::Attendance>(which)));
    }

    std::vector<ChoiceEntry> clubs;
    if (context_.world != nullptr) {
        if (const CCountry* country = context_.world->GetCountry(context_.country)) {
            clubs = ClubChoices(*country, slot, club.Id());
        }
    }
    if (clubs.empty()) {
        clubs.resize(1);
    }
    friendlyClub.entries = clubs;
    friendlyClub.Fill(club.FriendlyClub());
    for (int i = 0; i < 2; ++i) {
        rivals[i].entries = clubs;
        rivals[i].Fill(club.Rival(i));
    }

    stockCompany = club.StockCompany() != 0;
    filledCapital_ = club.StartingCapital();
    filledCapitalPosition_ = PositionOfCapital(filledCapital_);
    capitalPosition = filledCapitalPosition_;
    filledFoundationYear_ = club.FoundationYear();
    foundationYear = std::clamp(filledFoundationYear_, kFoundationYearMin, kFoundationYearMax);
    filledPrestige_ = club.Prestige();
    prestige = std::min<int>(filledPrestige_, CClub::kMaxPrestige);
    filledPenalty_ = club.PenaltyPoints();
    const auto penalty = std::find(kPenaltyChoices.begin(), kPenaltyChoices.end(), filledPenalty_);
    filledPenaltyIndex_ =
        penalty != kPenaltyChoices.end() ? static_cast<int>(penalty - kPenaltyChoices.begin()) : -1;
    penaltyIndex = filledPenaltyIndex_;

    // The players (role 0) of the first team and of the reserves, and their average rating.
    playerCounts = {0, 0};
    std::array<double, 2> ratingSums{0, 0};
    for (uint32_t i = 0; context_.world != nullptr && i < club.PlayerCount(); ++i) {
        const CPlayer* person = context_.world->FindPlayer(club.PlayerId(i));
        if (person == nullptr || !person->IsPlayerRole()) {
            continue;
        }
        const int team = person->IsReserve() ? 1 : 0;
        ++playerCounts[team];
        ratingSums[team] += person->GetRating();
    }
    for (int team = 0; team < 2; ++team) {
        averageRatings[team] = playerCounts[team] > 0 ? ratingSums[team] / playerCounts[team] : 0;
    }
}

std::vector<std::string> ClubPageModel::Store(CClub& club) const {
    std::vector<std::string> refused;
    const int slot = context_.languageSlot;
    for (int text = 0; text < kTextCount; ++text) {
        if (texts[text] == filledTexts_[text]) {
            continue; // untouched: the club keeps its text exactly
        }
        if (!SetTextOf(club, static_cast<Text>(text), slot, texts[text])) {
            refused.push_back(
                FormatDialogText("club.refused.text", TextLabel(static_cast<Text>(text)).c_str()));
        }
    }
    for (size_t i = 0; i < kArticleTexts.size(); ++i) {
        club.SetArticle(kArticleTexts[i], slot, articles[i]);
    }
    club.SetAbbreviationArticle(slot, articles[kAbbreviationArticle]);
    for (int which = 0; which < CClub::kAttendanceCount; ++which) {
        const auto kind = static_cast<CClub::Attendance>(which);
        if (attendance[which] == NumberText(club.AttendanceValue(kind))) {
            continue;
        }
        const std::optional<int32_t> value = ReadDigits(attendance[which], kAttendanceDigits);
        if (value) {
            club.SetAttendanceValue(kind, *value);
        } else {
            refused.push_back(FormatDialogText("club.refused.number",
                                               AttendanceLabel(which).c_str(),
                                               static_cast<int>(kAttendanceDigits)));
        }
    }
    club.SetFriendlyClub(friendlyClub.Value());
    for (int i = 0; i < 2; ++i) {
        club.SetRival(i, rivals[i].Value());
    }
    club.SetStockCompany(stockCompany);
    club.SetStartingCapital(capitalPosition == filledCapitalPosition_
                                ? static_cast<int32_t>(filledCapital_)
                                : static_cast<int32_t>(CapitalOfPosition(capitalPosition)));
    if (foundationYear !=
        std::clamp(filledFoundationYear_, kFoundationYearMin, kFoundationYearMax)) {
        club.SetFoundationYear(static_cast<int16_t>(
            std::clamp(foundationYear, kFoundationYearMin, kFoundationYearMax)));
    }
    if (prestige != std::min<int>(filledPrestige_, CClub::kMaxPrestige)) {
        club.SetPrestige(static_cast<uint8_t>(std::clamp<int>(prestige, 0, CClub::kMaxPrestige)));
    }
    if (penaltyIndex != filledPenaltyIndex_ && penaltyIndex >= 0 &&
        penaltyIndex < static_cast<int>(kPenaltyChoices.size())) {
        club.SetPenaltyPoints(kPenaltyChoices[static_cast<size_t>(penaltyIndex)]);
    }
    return refused;
}

void ClubPageModel::CycleArticle(ArticleButton button) {
    if (button >= 0 && button < kArticleButtonCount) {
        articles[button] = NextArticle(context_.languageSlot, articles[button]);
    }
}

std::string ClubPageModel::ArticleText(ArticleButton button) const {
    if (button < 0 || button >= kArticleButtonCount) {
        return std::string();
    }
    return ArticleLabel(context_.languageSlot, articles[button]);
}

} // namespace tallo

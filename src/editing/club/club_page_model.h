#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "editing/club/club_choice_lists.h"

namespace tallo {

class CClub;
struct ClubEditContext;

// The club page (CDlgClub): names, contacts, fans, rivals, attendance, foundation year,
// prestige, finances, penalty points and the article buttons of one club. Fill takes the
// values from a club, the view binds its widgets to them, Store writes them back.
//
// Texts are record text (8-bit). Names, short name, abbreviation and city are those of the
// editor's language slot. A text the club refuses (a line break, a leading ';' or '%', a double
// quote in a name) keeps the club's old value and is reported by Store; so is an attendance
// that is not a number.
class ClubPageModel {
public:
    enum Text {
        kName,
        kShortName,
        kAbbreviation,
        kCity,
        kAddress,
        kTelephone,
        kWebSite,
        kFanSites, // several lines, "\n" between them
        kNewspaper,
        kMascot,
        kFanName,
        kSecondFanName,
        kTextCount
    };
    // Buttons that cycle an article: club name, fan name, second fan name, abbreviation.
    enum ArticleButton {
        kNameArticle,
        kFanNameArticle,
        kSecondFanNameArticle,
        kAbbreviationArticle,
        kArticleButtonCount
    };

    static constexpr size_t kAttendanceDigits = 6;
    // Starting capital: (spin position - 200) * 100000.
    static constexpr int kCapitalZeroPosition = 200;
    static constexpr int32_t kCapitalStep = 100000;
    static constexpr int kCapitalPositionMin = 0;    // -20 million
    static constexpr int kCapitalPositionMax = 1200; // 100 million
    static constexpr int kFoundationYearMin = 1800;
    static constexpr int kFoundationYearMax = 2100;
    static constexpr std::array<uint8_t, 3> kPenaltyChoices = {0, 3, 6};

    explicit ClubPageModel(const ClubEditContext& context);

    void Fill(const CClub& club);
    // Writes the values into `club`. Returns the messages of what was refused (empty when all
    // was stored); a refused value leaves the club's old one.
    std::vector<std::string> Store(CClub& club) const;

    // The characters the edit of a text accepts: the page's limit, cut to what the club's
    // field can hold, but never below the length of the text the page was filled with.
    size_t EditLength(Text text) const;
    // The text as Fill found it (what an untouched edit still shows).
    const std::string& FilledText(Text text) const { return filledTexts_[text]; }
    // The name of a text's field, as the messages call it.
    static const std::string& Label(Text text);
    // The page's limit of a text alone (characters).
    static size_t TextLimit(Text text);

    // The capital a spin position stands for, and the text shown beside it ("12,5").
    static int64_t CapitalOfPosition(int position);
    static int PositionOfCapital(int64_t capital);
    static std::string CapitalMillions(int position);

    // Moves an article on by one in the editor's language slot (back to 0 after the last).
    void CycleArticle(ArticleButton button);
    // The article a button shows.
    std::string ArticleText(ArticleButton button) const;

    // Values the view binds ---------------------------------------------------------------------
    std::array<std::string, kTextCount> texts;
    std::array<uint8_t, kArticleButtonCount> articles{};
    std::array<std::string, 3> attendance; // digits as typed
    ChoiceField friendlyClub;
    std::array<ChoiceField, 2> rivals;
    bool stockCompany = false;
    int capitalPosition = kCapitalZeroPosition;
    int foundationYear = 1900;
    int prestige = 0;
    int penaltyIndex = 0; // into kPenaltyChoices; -1 for a value the choices lack

    // Shown only: for the first team [0] and the reserves [1], the players (role 0) and their
    // average rating.
    std::array<int, 2> playerCounts{};
    std::array<double, 2> averageRatings{};

private:
    const ClubEditContext& context_;
    // What Fill found, so that Store writes back unchanged values exactly as they were.
    std::array<std::string, kTextCount> filledTexts_;
    int64_t filledCapital_ = 0;
    int filledCapitalPosition_ = 0;
    int filledFoundationYear_ = 0;
    int filledPenaltyIndex_ = 0;
    uint8_t filledPenalty_ = 0;
    uint8_t filledPrestige_ = 0;
};

} // namespace tallo

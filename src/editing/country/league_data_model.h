#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

class CCountry;
class CDBLeagueBase;
struct CountryEditContext;

// The league data editor (CDlgLeagueData) of one league: its names, size, rounds, the two
// multipliers, the three money values, and the rules of the league's level that the country
// keeps (foreign players, tie-break, relegation, reserve teams). Fill takes the values from the
// league and the country; Store writes them back within the records' limits.
class LeagueDataModel {
public:
    // The name is read back from the country file with at most 28 characters, so no more are
    // taken: a 29th would be lost at the next load.
    static constexpr size_t kNameLength = 28;
    static constexpr size_t kShortNameLength = 16;
    static constexpr size_t kValueDigits = 8;
    static constexpr int kForeignRuleCount = 5;
    static constexpr int kTieBreakCount = 2;
    // The league sizes offered: those the fixture templates cover.
    static constexpr int32_t kSmallestSize = 8;
    static constexpr int32_t kLargestSize = 24;
    // The multipliers are stored in hundredths in one byte.
    static constexpr int kLargestMultiplier = 255;

    enum MoneyValue { kTelevisionBonus, kFirstPlaceBonus, kPlacePayment, kMoneyValueCount };
    // The league value each money field is stored in.
    static constexpr std::array<int, kMoneyValueCount> kMoneyValueIndex = {3, 1, 2};

    LeagueDataModel(const CountryEditContext& context, uint32_t leagueNumber);

    // League and country to values; false when the league does not exist.
    bool Fill();
    // Values to league and country. Returns what was refused or limited, one message each
    // (empty when everything was stored as given); a refused value keeps the old one.
    std::vector<std::string> Store();

    // The sizes of the size list, in list order.
    static std::vector<int32_t> SizeChoices();
    // A multiplier field's text ("1,25" or "1.25") in hundredths, cut after two decimals and
    // limited to 0-255 (`clamped` tells); nullopt for a text that is no such number.
    static std::optional<int> ParseMultiplier(std::string_view text, bool* clamped = nullptr);
    // Hundredths shown with two decimals ("1.25").
    static std::string MultiplierText(int hundredths);
    static std::string ForeignRuleLabel(int rule);
    static std::string TieBreakLabel(int order);

    uint32_t LeagueNumber() const { return leagueNumber_; }
    // The league's level (0 = top), from the country's league table.
    int Level() const { return level_; }
    // The rules offered in the relegation list (those the country's format allows on the
    // league's level), in rule order.
    const std::vector<uint8_t>& RuleChoices() const { return ruleChoices_; }

    // Values the view binds ---------------------------------------------------------------------
    std::string name;       // record text
    std::string shortName;  // record text
    int32_t size = 0;       // the league's size; a size outside the list stays unless one is chosen
    int rounds = 2;         // 2, 3 or 4
    std::string attendance; // as typed
    std::string transfer;   // as typed
    std::array<std::string, kMoneyValueCount> money;
    int foreignRule = 0;
    int tieBreak = 0;
    int ruleIndex = -1; // into RuleChoices(); -1 keeps the level's rule
    bool reserveTeams = false;

private:
    CCountry* Country() const;
    CDBLeagueBase* League() const;

    const CountryEditContext& context_;
    uint32_t leagueNumber_;
    int level_ = 0;
    std::vector<uint8_t> ruleChoices_;
};

} // namespace tallo

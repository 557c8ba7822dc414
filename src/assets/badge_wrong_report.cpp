#include "assets/badge_wrong_report.h"

#include "assets/badge_sources.h"
#include "formats/string_table.h"
#include "platform/code_page.h"
#include "platform/prompt.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kWrongBadgeString = 890;

} // namespace

std::vector<std::string> CheckWrongBadges(const CWorld& world, const CBadgeSources& sources) {
    std::vector<std::string> texts;
    const CodePage page = ActiveCodePage();
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* country = world.GetCountry(number);
        if (country == nullptr) {
            continue;
        }
        for (const auto& [id, club] : country->Clubs()) {
            if (club == nullptr || club->BadgeFile().empty() ||
                sources.CheckBadge(club->BadgeFile())) {
                continue;
            }
            // Both texts go in as arguments of the table's own format.
            const std::string name = ToUtf8(club->Name(world.Language()), page);
            const std::string badge = ToUtf8(club->BadgeFile(), page);
            texts.push_back(FormatString(kWrongBadgeString, name.c_str(), badge.c_str()) +
                            "\r\n\r\n");
        }
    }
    return texts;
}

bool ShowWrongBadges(const std::vector<std::string>& texts, IPrompt& prompt) {
    if (texts.empty()) {
        return false;
    }
    std::string message;
    for (const std::string& text : texts) {
        message += text;
    }
    prompt.ShowErrorWindow(std::string(), message);
    return true;
}

} // namespace tallo

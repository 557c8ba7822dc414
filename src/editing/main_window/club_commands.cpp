#include "editing/main_window/club_commands.h"

#include "editing/journal/change_journal.h"
#include "editing/session/database_session.h"
#include "formats/dialog_text.h"
#include "formats/string_table.h"
#include "platform/prompt.h"
#include "world/club.h"
#include "world/country.h"
#include "world/country_club_context.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kRemovePlayersQuestion = 860;
constexpr int kNationalTeamMessage = 843;

using Outcome = ChangeJournal::Outcome;

CCountry* CountryOfClub(DatabaseSession& session, uint32_t clubId) {
    const int number = static_cast<int>(ClubId::CountryOf(clubId));
    if (number < 1 || number > CWorld::kCountryCount) {
        return nullptr;
    }
    return session.World().GetCountry(number);
}

} // namespace

bool RemovePlayersAndManagers(DatabaseSession& session, uint32_t clubId, IPrompt& prompt,
                              const std::string& caption) {
    CCountry* country = CountryOfClub(session, clubId);
    if (country == nullptr || country->FindClub(clubId) == nullptr) {
        return false;
    }
    if (!prompt.AskYesNo(LoadString(kRemovePlayersQuestion), caption)) {
        return false;
    }
    const int number = static_cast<int>(country->Number());
    const Outcome outcome = session.Journal().Apply(
        "main.club.remove_players", ChangeScope::Country(number), [&session, number, clubId] {
            CClub* club = session.World().GetCountry(number)->FindClub(clubId);
            if (club == nullptr || club->PlayerCount() == 0) {
                return Outcome::Unchanged;
            }
            while (club->PlayerCount() > 0) {
                club->RemovePlayer(club->PlayerId(0));
            }
            return Outcome::Changed;
        });
    return outcome == Outcome::Changed;
}

bool IsUsableClubName(std::string_view name) {
    CClub probe;
    return !name.empty() && probe.SetAllNames(name);
}

uint32_t AddNewClub(DatabaseSession& session, int country, std::string_view name, IPrompt& prompt,
                    const std::string& caption) {
    if (country < 1 || country > CWorld::kCountryCount || name.empty()) {
        return 0;
    }
    if (!IsUsableClubName(name)) {
        prompt.ShowMessage(DialogText("main.club.name_refused"), caption);
        return 0;
    }
    uint32_t added = 0;
    session.Journal().Apply("main.club.new", ChangeScope::Country(country), [&] {
        CCountry& target = *session.World().GetCountry(country);
        CClub* club = target.CreateClub(name);
        if (club == nullptr) {
            return Outcome::Unchanged; // every club number is taken
        }
        added = club->Id();
        target.ReservePlayerPool(target.GetClubCount() * CCountry::kPoolEntriesPerClub);
        return Outcome::Changed;
    });
    return added;
}

bool DeleteClub(DatabaseSession& session, uint32_t clubId) {
    if (ClubId::IsNationalTeam(clubId)) {
        return false;
    }
    CCountry* country = CountryOfClub(session, clubId);
    if (country == nullptr || country->FindClub(clubId) == nullptr) {
        return false;
    }
    const int number = static_cast<int>(country->Number());
    const Outcome outcome = session.Journal().Apply(
        "main.club.delete", ChangeScope::Country(number), [&session, number, clubId] {
            return session.World().GetCountry(number)->RemoveClub(clubId) != nullptr
                       ? Outcome::Changed
                       : Outcome::Unchanged;
        });
    return outcome == Outcome::Changed;
}

bool SaveClubToFile(DatabaseSession& session, uint32_t clubId, IPrompt& prompt) {
    CCountry* country = CountryOfClub(session, clubId);
    const CClub* club = country != nullptr ? country->FindClub(clubId) : nullptr;
    if (club == nullptr) {
        return false;
    }
    CountryClubContext context(*country);
    return club->SaveToFile(prompt, session.World().Language(), context);
}

bool ReplaceClubFromFile(DatabaseSession& session, uint32_t clubId, IPrompt& prompt,
                         const std::string& caption) {
    CCountry* country = CountryOfClub(session, clubId);
    if (country == nullptr || country->FindClub(clubId) == nullptr) {
        return false;
    }
    if (ClubId::IsNationalTeam(clubId)) {
        prompt.ShowMessage(LoadString(kNationalTeamMessage), caption);
        return false;
    }
    const int number = static_cast<int>(country->Number());
    const Outcome outcome =
        session.Journal().Apply("main.club.replace_file", ChangeScope::Country(number), [&] {
            CCountry& target = *session.World().GetCountry(number);
            CClub* club = target.FindClub(clubId);
            CountryClubContext context(target);
            // The club file is checked before anything is taken out of the club: a file that
            // is cancelled, cannot be opened or holds no club leaves the club as it was.
            return club != nullptr && club->LoadFromFile(prompt, context) ? Outcome::Changed
                                                                          : Outcome::Unchanged;
        });
    return outcome == Outcome::Changed;
}

} // namespace tallo

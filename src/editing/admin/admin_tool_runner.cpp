#include "editing/admin/admin_tool_runner.h"

#include <utility>

#include "app/app_state.h"
#include "editing/admin/club_history_tools.h"
#include "editing/admin/person_tools.h"
#include "editing/admin/stadium_tools.h"
#include "editing/journal/change_journal.h"
#include "editing/session/database_session.h"
#include "mapping/name_lists.h"
#include "platform/code_page.h"
#include "platform/prompt.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

using Outcome = ChangeJournal::Outcome;

bool IsCountryNumber(int country) {
    return country >= 1 && country <= CWorld::kCountryCount;
}

// The club of a club ID, in the country the ID names.
CClub* FindClubOf(CWorld& world, uint32_t clubId) {
    const int country = static_cast<int>(ClubId::CountryOf(clubId));
    if (clubId == 0 || !IsCountryNumber(country)) {
        return nullptr;
    }
    CCountry* owner = world.GetCountry(country);
    return owner != nullptr ? owner->FindClub(clubId) : nullptr;
}

ChangeScope ScopeOf(const AdminToolCall& call, int country) {
    if (call.scope != AdminScope::Database) {
        return ChangeScope::Country(country);
    }
    ChangeScope scope = ChangeScope::AllCountries();
    scope.playersWithoutClub = call.tool == AdminTool::DeleteStaff;
    return scope;
}

} // namespace

AdminToolRunner::AdminToolRunner(DatabaseSession& session, IPrompt& prompt, std::string caption,
                                 const CNameLists* names, RandomBelow random)
    : AdminToolRunner(session.World(), prompt, std::move(caption), names, std::move(random)) {
    journal_ = &session.Journal();
}

AdminToolRunner::AdminToolRunner(CWorld& world, IPrompt& prompt, std::string caption,
                                 const CNameLists* names, RandomBelow random)
    : world_(world), journal_(nullptr), prompt_(prompt), caption_(std::move(caption)),
      names_(names), random_(random ? std::move(random) : SystemRandom()) {}

AdminRunResult AdminToolRunner::Run(int command, int country, uint32_t club) {
    const AdminToolCall* call = FindAdminToolCall(command);
    return call != nullptr ? Run(*call, country, club) : AdminRunResult();
}

AdminRunResult AdminToolRunner::Run(const AdminToolCall& call, int country, uint32_t club) {
    AdminRunResult result;
    if (!IsAdminMode()) {
        return result;
    }
    CWorld& world = world_;
    const int slot = world.Language();
    std::string subject;
    switch (call.scope) {
    case AdminScope::Club: {
        const CClub* target = FindClubOf(world, club);
        if (target == nullptr) {
            return result;
        }
        country = static_cast<int>(target->CountryNumber());
        subject = ToUtf8(target->Name(slot), ActiveCodePage());
        break;
    }
    case AdminScope::Country:
        if (!IsCountryNumber(country) || world.GetCountry(country) == nullptr) {
            return result;
        }
        subject = ToUtf8(world.GetCountry(country)->Name(slot), ActiveCodePage());
        break;
    case AdminScope::Database:
        break;
    }
    if (!prompt_.AskYesNo(AdminQuestion(call, subject), caption_)) {
        return result;
    }
    result.ran = true;
    const auto change = [&] {
        bool changed = false;
        result.count = Apply(call, country, club, changed);
        return changed ? Outcome::Changed : Outcome::Unchanged;
    };
    const Outcome outcome = journal_ != nullptr
                                ? journal_->Apply(call.journalKey, ScopeOf(call, country), change)
                                : change();
    result.changed = outcome == Outcome::Changed;
    result.report = AdminReport(call, result.count);
    prompt_.ShowMessage(result.report, caption_);
    return result;
}

int AdminToolRunner::Apply(const AdminToolCall& call, int country, uint32_t club, bool& changed) {
    CWorld& world = world_;
    CCountry* target = IsCountryNumber(country) ? world.GetCountry(country) : nullptr;
    int count = 0;
    switch (call.tool) {
    case AdminTool::RenameStaff: {
        const CNameLists empty;
        count = RenameCountryStaff(world, *target, names_ != nullptr ? *names_ : empty, random_);
        changed = count > 0;
        return count;
    }
    case AdminTool::RenameStadiums:
        changed = RenameCountryStadiums(*target) > 0;
        return 0;
    case AdminTool::RemoveUnusedStadiums:
        count = RemoveUnusedCountryStadiums(*target, &world.Rules());
        changed = count > 0;
        return count;
    case AdminTool::ClearMatchRecords:
        changed = ClearCountryMatchRecords(*target) > 0;
        return 0;
    case AdminTool::ClearLeagueStatistics:
        changed = ClearCountryLeagueStatistics(*target) > 0;
        return 0;
    case AdminTool::TacticalEducation:
        count = RaiseTacticalEducation(world);
        break;
    case AdminTool::BirthDates:
        count = FixPlaceholderBirthDates(world);
        break;
    case AdminTool::DeleteStaff:
        count = DeleteStaff(world);
        break;
    case AdminTool::Shoes:
        if (call.scope == AdminScope::Club) {
            count = ReplaceYellowShoes(world, *FindClubOf(world, club));
        } else if (call.scope == AdminScope::Country) {
            count = ReplaceYellowShoes(world, *target);
        } else {
            count = ReplaceYellowShoes(world);
        }
        break;
    }
    changed = count > 0;
    return count;
}

} // namespace tallo

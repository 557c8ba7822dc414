#include "editing/club/club_editor_model.h"

#include "editing/session/database_session.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

ClubEditorModel::ClubEditorModel(DatabaseSession& session, uint32_t clubId,
                                 const ClubEditContext& context)
    : session_(session), clubId_(clubId & CClub::kIdMask), context_(context) {
    if (context_.world == nullptr) {
        context_.world = &session_.World();
    }
    if (context_.country == 0) {
        context_.country = static_cast<int>(clubId_ >> 16);
    }
    if (const CClub* club = Original()) {
        working_ = *club;
        valid_ = true;
    }
}

const CClub* ClubEditorModel::Original() const {
    const CCountry* country = session_.World().GetCountry(static_cast<int>(clubId_ >> 16));
    return country != nullptr ? country->FindClub(clubId_) : nullptr;
}

std::string ClubEditorModel::Name() const {
    return std::string(working_.Name(context_.languageSlot));
}

bool ClubEditorModel::HasChanges() const {
    const CClub* club = Original();
    return valid_ && club != nullptr && !(*club == working_);
}

ChangeJournal::Outcome ClubEditorModel::Commit() {
    if (!HasChanges()) {
        return ChangeJournal::Outcome::Unchanged;
    }
    const int country = static_cast<int>(clubId_ >> 16);
    return session_.Journal().Apply("club.edit", ChangeScope::Country(country), [this, country] {
        CCountry* owner = session_.World().GetCountry(country);
        CClub* club = owner != nullptr ? owner->FindClub(clubId_) : nullptr;
        if (club == nullptr) {
            return ChangeJournal::Outcome::Unchanged;
        }
        *club = working_;
        return ChangeJournal::Outcome::Changed;
    });
}

} // namespace tallo

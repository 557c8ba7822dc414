#include "editing/session/database_session.h"

#include <atomic>
#include <utility>

#include "app/database_list.h"
#include "app/world_internationals.h"
#include "world/world.h"

namespace tallo {

namespace {

std::atomic<uint64_t> g_nextSessionId{1};

} // namespace

DatabaseSession::DatabaseSession(DatabaseList& list, CWorld& world)
    : id_(g_nextSessionId++), list_(list), world_(&world),
      internationals_(std::make_unique<WorldInternationals>()), journal_(*this) {}

DatabaseSession::~DatabaseSession() {
    ReleaseInternationals();
}

void DatabaseSession::ReleaseInternationals() {
    if (internationals_ != nullptr) {
        internationals_->Release();
    }
}

uint64_t DatabaseSession::CountryChangeCount(int number) const {
    if (number < 1 || number > CWorld::kCountryCount) {
        return 0;
    }
    return wholeChanges_ + countryChanges_[static_cast<size_t>(number)];
}

DatabaseContents DatabaseSession::ExchangeContents(DatabaseContents replacement) {
    // Without a world to put in place, or when the session's world is no longer in the list,
    // nothing changes and the replacement is handed back.
    if (replacement.world == nullptr || list_.IndexOf(world_) < 0) {
        return replacement;
    }
    CWorld* incoming = replacement.world.get();
    DatabaseContents replaced;
    replaced.world = list_.ReplaceDatabase(world_, std::move(replacement.world));
    world_ = incoming;
    replaced.internationals = std::move(internationals_);
    internationals_ = replacement.internationals != nullptr
                          ? std::move(replacement.internationals)
                          : std::make_unique<WorldInternationals>();
    selection_ = SessionSelection();
    return replaced;
}

void DatabaseSession::Changed(const ChangeScope* scope) {
    ++changeCount_;
    if (scope == nullptr) {
        ++wholeChanges_;
        return;
    }
    for (int number : scope->countries) {
        if (number >= 1 && number <= CWorld::kCountryCount) {
            ++countryChanges_[static_cast<size_t>(number)];
        }
    }
}

} // namespace tallo

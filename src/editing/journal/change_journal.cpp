#include "editing/journal/change_journal.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "editing/journal/country_snapshot.h"
#include "formats/dialog_text.h"
#include "world/player.h"
#include "world/rules_and_misc.h"
#include "world/world.h"

namespace tallo {

namespace {

// The players without a club: the list as it stands (IDs of missing players included, as the
// file would count them) and a copy of every player it finds.
struct WithoutClubCopy {
    std::vector<uint32_t> ids;
    std::vector<CPlayer> players;

    static WithoutClubCopy Take(const CWorld& world) {
        WithoutClubCopy copy;
        copy.ids = world.PlayersWithoutClub();
        for (uint32_t id : copy.ids) {
            if (const CPlayer* player = world.FindPlayer(id)) {
                copy.players.push_back(*player);
            }
        }
        return copy;
    }

    static void Release(CWorld& world) {
        for (uint32_t id : world.PlayersWithoutClub()) {
            world.RemovePlayer(id);
        }
        world.PlayersWithoutClub().clear();
    }

    void Restore(CWorld& world) const {
        for (const CPlayer& kept : players) {
            world.RemovePlayer(kept.Id());
        }
        for (const CPlayer& kept : players) {
            const uint32_t id = kept.Id();
            if (CPlayer* made = world.CreatePlayer(id, false)) {
                *made = kept;
                made->SetWorld(&world);
                made->SetId(id);
            }
        }
        world.PlayersWithoutClub() = ids;
    }
};

// A copy of everything a scope covers.
class ScopeCopy {
public:
    static ScopeCopy Take(const CWorld& world, const ChangeScope& scope) {
        ScopeCopy copy;
        copy.Add(world, scope);
        return copy;
    }

    // Takes the parts of `scope` that the copy does not hold yet.
    void Add(const CWorld& world, const ChangeScope& scope) {
        for (int number : scope.countries) {
            if (Holds(number)) {
                continue;
            }
            if (auto snapshot = CountrySnapshot::Take(world, number)) {
                countries_.push_back(std::move(snapshot));
            }
        }
        if (scope.rules && !rules_) {
            rules_ = world.Rules();
        }
        if (scope.playersWithoutClub && !withoutClub_) {
            withoutClub_ = WithoutClubCopy::Take(world);
        }
    }

    bool Holds(int number) const {
        return std::any_of(countries_.begin(), countries_.end(),
                           [number](const auto& kept) { return kept->Number() == number; });
    }

    // Everything the copy covers is released first and only then made again, so that a
    // person who moved between two of its parts is not released after he came back.
    void Restore(CWorld& world) const {
        if (withoutClub_) {
            WithoutClubCopy::Release(world);
        }
        for (const auto& country : countries_) {
            CountrySnapshot::ReleasePersons(world, country->Number());
        }
        for (const auto& country : countries_) {
            country->Restore(world);
        }
        if (withoutClub_) {
            withoutClub_->Restore(world);
        }
        if (rules_) {
            world.Rules() = *rules_;
        }
    }

private:
    std::vector<std::unique_ptr<CountrySnapshot>> countries_;
    std::optional<RulesAndMisc> rules_;
    std::optional<WithoutClubCopy> withoutClub_;
};

} // namespace

// The copy an open change keeps (a name the header can declare).
class ScopeCopyHolder {
public:
    ScopeCopy copy;
};

// One recorded change. Exchange puts back what the entry keeps and keeps what it replaced, so
// the same call undoes the change and, once more, redoes it.
class ChangeJournal::Entry {
public:
    Entry(std::string name, uint64_t serial) : name_(std::move(name)), serial_(serial) {}
    virtual ~Entry() = default;
    virtual void Exchange(JournalTarget& target) = 0;

    const std::string& Name() const { return name_; }
    uint64_t Serial() const { return serial_; }

private:
    std::string name_;
    uint64_t serial_;
};

class ChangeJournal::PartsEntry : public ChangeJournal::Entry {
public:
    PartsEntry(std::string name, uint64_t serial, ChangeScope scope, ScopeCopy kept)
        : Entry(std::move(name), serial), scope_(std::move(scope)), kept_(std::move(kept)) {}

    void Exchange(JournalTarget& target) override {
        CWorld& world = target.World();
        ScopeCopy present = ScopeCopy::Take(world, scope_);
        kept_.Restore(world);
        kept_ = std::move(present);
        target.Changed(&scope_);
    }

private:
    ChangeScope scope_;
    ScopeCopy kept_;
};

class ChangeJournal::ContentsEntry : public ChangeJournal::Entry {
public:
    ContentsEntry(std::string name, uint64_t serial, DatabaseContents kept)
        : Entry(std::move(name), serial), kept_(std::move(kept)) {}

    void Exchange(JournalTarget& target) override {
        kept_ = target.ExchangeContents(std::move(kept_));
        target.Changed(nullptr);
    }

private:
    DatabaseContents kept_;
};

ChangeJournal::ChangeJournal(JournalTarget& target, size_t depth)
    : target_(target), depth_(std::max<size_t>(depth, 1)) {}

ChangeJournal::~ChangeJournal() = default;

ChangeJournal::Outcome ChangeJournal::Apply(std::string name, const ChangeScope& scope,
                                            const std::function<Outcome()>& change) {
    ScopeCopy kept = ScopeCopy::Take(target_.World(), scope);
    Outcome outcome = Outcome::Failed;
    try {
        outcome = change();
    } catch (...) {
        kept.Restore(target_.World());
        target_.Changed(&scope);
        throw;
    }
    switch (outcome) {
    case Outcome::Changed:
        Record(
            std::make_unique<PartsEntry>(std::move(name), nextSerial_++, scope, std::move(kept)));
        target_.Changed(&scope);
        break;
    case Outcome::Unchanged:
        break;
    case Outcome::Failed:
        kept.Restore(target_.World());
        target_.Changed(&scope);
        break;
    }
    return outcome;
}

ChangeJournal::OpenChange::OpenChange(ChangeJournal& journal, std::string name)
    : journal_(journal), name_(std::move(name)), kept_(std::make_unique<ScopeCopyHolder>()) {}

ChangeJournal::OpenChange::~OpenChange() {
    if (open_) {
        Abandon();
    }
}

void ChangeJournal::OpenChange::Include(const ChangeScope& scope) {
    if (!open_) {
        return;
    }
    kept_->copy.Add(journal_.target_.World(), scope);
    for (int number : scope.countries) {
        if (!Includes(number)) {
            scope_.countries.push_back(number);
        }
    }
    scope_.rules = scope_.rules || scope.rules;
    scope_.playersWithoutClub = scope_.playersWithoutClub || scope.playersWithoutClub;
}

bool ChangeJournal::OpenChange::Includes(int number) const {
    return std::find(scope_.countries.begin(), scope_.countries.end(), number) !=
           scope_.countries.end();
}

void ChangeJournal::OpenChange::Commit() {
    if (!open_) {
        return;
    }
    open_ = false;
    if (scope_.Empty()) {
        return;
    }
    journal_.Record(std::make_unique<PartsEntry>(std::move(name_), journal_.nextSerial_++, scope_,
                                                 std::move(kept_->copy)));
    journal_.target_.Changed(&scope_);
}

void ChangeJournal::OpenChange::Abandon() {
    if (!open_) {
        return;
    }
    open_ = false;
    if (scope_.Empty()) {
        return;
    }
    kept_->copy.Restore(journal_.target_.World());
    journal_.target_.Changed(&scope_);
}

std::unique_ptr<ChangeJournal::OpenChange> ChangeJournal::Begin(std::string name) {
    return std::unique_ptr<OpenChange>(new OpenChange(*this, std::move(name)));
}

void ChangeJournal::Replace(std::string name, DatabaseContents replacement) {
    DatabaseContents replaced = target_.ExchangeContents(std::move(replacement));
    Record(std::make_unique<ContentsEntry>(std::move(name), nextSerial_++, std::move(replaced)));
    target_.Changed(nullptr);
}

void ChangeJournal::Record(std::unique_ptr<Entry> entry) {
    // A new change ends every road back to the undone ones.
    while (entries_.size() > position_) {
        entries_.pop_back();
    }
    entries_.push_back(std::move(entry));
    position_ = entries_.size();
    while (entries_.size() > depth_) {
        // The state after the oldest entry becomes the state the journal starts from.
        baseState_ = entries_.front()->Serial();
        entries_.pop_front();
        --position_;
    }
}

uint64_t ChangeJournal::StateId() const {
    return position_ == 0 ? baseState_ : entries_[position_ - 1]->Serial();
}

std::string ChangeJournal::NameOf(const Entry& entry, InterfaceLanguage language) const {
    const std::string* text = FindDialogText(entry.Name(), language);
    return text != nullptr ? *text : entry.Name();
}

std::string ChangeJournal::UndoName(InterfaceLanguage language) const {
    return CanUndo() ? NameOf(*entries_[position_ - 1], language) : std::string();
}

std::string ChangeJournal::RedoName(InterfaceLanguage language) const {
    return CanRedo() ? NameOf(*entries_[position_], language) : std::string();
}

bool ChangeJournal::Undo() {
    if (!CanUndo()) {
        return false;
    }
    --position_;
    entries_[position_]->Exchange(target_);
    return true;
}

bool ChangeJournal::Redo() {
    if (!CanRedo()) {
        return false;
    }
    entries_[position_]->Exchange(target_);
    ++position_;
    return true;
}

} // namespace tallo

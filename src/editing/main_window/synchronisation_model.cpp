#include "editing/main_window/synchronisation_model.h"

#include <algorithm>
#include <utility>

#include "app/database_folders.h"
#include "editing/journal/change_journal.h"
#include "editing/main_window/country_list.h"
#include "editing/main_window/record_name_order.h"
#include "editing/session/database_session.h"
#include "editing/session/open_databases.h"
#include "formats/string_table.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr const char* kSynchroniseName = "main.database.synchronise";
constexpr int kContinents = 6;

void SortByText(std::vector<SyncTreeNode>& nodes) {
    std::vector<std::pair<std::string, SyncTreeNode>> keyed;
    keyed.reserve(nodes.size());
    for (SyncTreeNode& node : nodes) {
        std::string key = RecordNameKey(node.text);
        keyed.emplace_back(std::move(key), std::move(node));
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    nodes.clear();
    for (auto& [key, node] : keyed) {
        nodes.push_back(std::move(node));
    }
}

bool Copied(SyncOutcome::Kind kind) {
    using Kind = SyncOutcome::Kind;
    return kind == Kind::CopiedContinent || kind == Kind::CopiedCountry ||
           kind == Kind::CopiedClub || kind == Kind::AddedClub;
}

} // namespace

SynchronisationModel::SynchronisationModel(OpenDatabases& databases,
                                           Synchronisation::MaskChooser countryParts,
                                           Synchronisation::MaskChooser clubParts)
    : databases_(databases) {
    const DatabaseSession* current = databases.Current();
    // The trees show, and a club dropped onto a country is matched by, the names of the
    // current database's language slot.
    languageSlot_ = current != nullptr ? current->World().Language() : 0;
    synchronisation_ = std::make_unique<Synchronisation>(
        databases.List(), databases.Prompt(), databases.Context().Caption(),
        std::move(countryParts), std::move(clubParts), languageSlot_);
}

SynchronisationModel::~SynchronisationModel() = default;

std::vector<std::string> SynchronisationModel::DatabaseNames() const {
    std::vector<std::string> names;
    for (size_t i = 0; i < databases_.Count(); ++i) {
        names.push_back(DatabaseNameOf(databases_.At(i)->World().DatabaseFolder()));
    }
    return names;
}

size_t SynchronisationModel::LeftStart() const {
    const int index = databases_.IndexOf(databases_.Current());
    return index < 0 ? 0 : static_cast<size_t>(index);
}

std::vector<SyncTreeNode> SynchronisationModel::BuildTree(size_t database) const {
    std::vector<SyncTreeNode> tree;
    const DatabaseSession* session = databases_.At(database);
    if (session == nullptr) {
        return tree;
    }
    const CWorld& world = session->World();
    const uint32_t position = static_cast<uint32_t>(database);
    for (const BoxEntry& entry : ContinentBoxEntries()) {
        SyncTreeNode continent;
        continent.item = SyncItem::Continent(position, static_cast<uint16_t>(entry.itemData));
        continent.text = LoadString(entry.stringId);
        continent.recordText = false;
        tree.push_back(std::move(continent));
    }
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* country = world.GetCountry(number);
        if (country == nullptr || country->continent >= static_cast<uint32_t>(kContinents)) {
            continue;
        }
        const uint16_t continent = static_cast<uint16_t>(country->continent);
        SyncTreeNode node;
        node.item = SyncItem::Country(position, continent, static_cast<uint16_t>(number));
        node.text = std::string(country->Name(languageSlot_));
        for (const auto& [id, club] : country->Clubs()) {
            if (club->IsNationalTeam()) {
                continue;
            }
            SyncTreeNode clubNode;
            clubNode.item = SyncItem::Club(position, continent, static_cast<uint16_t>(number), id);
            clubNode.text = std::string(club->Name(languageSlot_));
            node.children.push_back(std::move(clubNode));
        }
        SortByText(node.children);
        tree[continent].children.push_back(std::move(node));
    }
    for (SyncTreeNode& continent : tree) {
        SortByText(continent.children);
    }
    return tree;
}

SyncDropResult SynchronisationModel::Drop(const SyncItem& source, const SyncItem& target) {
    SyncDropResult result;
    result.select = target;
    DatabaseSession* session = databases_.At(target.database);
    if (session == nullptr || databases_.At(source.database) == nullptr || source == target) {
        return result;
    }
    // What the drop may change in the target database. Drops that can only say why not are
    // made without keeping anything.
    ChangeScope scope;
    const int level = source.Level();
    const bool clubOntoCountry = level == 3 && target.Level() == 2;
    if (clubOntoCountry || (level == target.Level() && (level == 2 || level == 3))) {
        if (target.country >= 1 && target.country <= CWorld::kCountryCount) {
            scope.countries.push_back(target.country);
        }
    } else if (level == 1 && target.Level() == 1 && source.continent == target.continent) {
        const CWorld& world = session->World();
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            if (world.GetCountry(number)->continent == target.continent) {
                scope.countries.push_back(number);
            }
        }
    }
    if (scope.Empty()) {
        result.outcome = synchronisation_->Drop(source, target);
        return result;
    }
    session->Journal().Apply(kSynchroniseName, scope, [&] {
        result.outcome = synchronisation_->Drop(source, target);
        return Copied(result.outcome.kind) ? ChangeJournal::Outcome::Changed
                                           : ChangeJournal::Outcome::Unchanged;
    });
    result.targetChanged = Copied(result.outcome.kind);
    if (clubOntoCountry && result.targetChanged) {
        result.select = SyncItem::Club(target.database, target.continent, target.country,
                                       result.outcome.clubId);
    }
    return result;
}

uint32_t SynchronisationModel::CountryMask() const {
    return synchronisation_->CountryMask();
}

uint32_t SynchronisationModel::ClubMask() const {
    return synchronisation_->ClubMask();
}

} // namespace tallo

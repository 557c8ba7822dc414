#include "competitions/competition_tree.h"

#include <algorithm>
#include <set>

#include "competitions/competition_keywords.h"
#include "competitions/db_cup.h"
#include "competitions/db_league.h"
#include "competitions/db_root.h"
#include "competitions/node_loader.h"
#include "formats/kl_file.h"
#include "platform/prompt.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr std::string_view kNodePrefix = "COMP";
constexpr std::string_view kCompetitionSection = "COMPETITION";
// The national cups in the order the country file writes them.
constexpr uint32_t kSavedCupKinds[] = {
    CompetitionKind::kFaCup, CompetitionKind::kLeCup, CompetitionKind::kConferenceCup,
    CompetitionKind::kChallengeShield, CompetitionKind::kSuperCup};
constexpr uint32_t kNationalCupScheme = 1;

uint32_t MoveToCountry(uint32_t id, uint32_t from, uint32_t to) {
    return id != 0 && CompetitionId::CountryOf(id) == from ? CompetitionId::WithCountry(id, to)
                                                           : id;
}

std::vector<uint32_t> MovedLinks(const CDBCompetition::LinkList& links, uint32_t from,
                                 uint32_t to) {
    std::vector<uint32_t> moved;
    for (uint32_t id : links) {
        if (id != 0) {
            moved.push_back(MoveToCountry(id, from, to));
        }
    }
    return moved;
}

// Makes a copied node a node of another country: its ID, its owner, chain and links into its
// old country, and the teams of its old country.
void MoveNodeToCountry(CDBCompetition& node, uint32_t from, uint32_t to) {
    node.SetId(MoveToCountry(node.Id(), from, to));
    node.SetOwner(MoveToCountry(node.Owner(), from, to));
    node.SetPrevious(MoveToCountry(node.Previous(), from, to));
    node.SetNext(MoveToCountry(node.Next(), from, to));
    node.SetPredecessors(MovedLinks(node.Predecessors(), from, to));
    node.SetSuccessors(MovedLinks(node.Successors(), from, to));
    if (auto* league = dynamic_cast<CDBLeagueBase*>(&node)) {
        std::vector<uint32_t> teams = league->Teams();
        league->ClearTeams();
        for (uint32_t team : teams) {
            if (ClubId::CountryOf(team) == from) {
                team = (team & ~0x00FF0000u) | ((to & 0xFFu) << 16);
            }
            league->AddTeam(team);
        }
    }
}

} // namespace

CCompetitionTree* CompetitionTreeOf(CCountry& country) {
    return dynamic_cast<CCompetitionTree*>(country.Competitions());
}

const CCompetitionTree* CompetitionTreeOf(const CCountry& country) {
    return dynamic_cast<const CCompetitionTree*>(country.Competitions());
}

CCompetitionTree::CCompetitionTree(CCountry& country, bool withDefaultCompetitions)
    : country_(&country), store_(country.World()) {
    EnsureRoot();
    if (withDefaultCompetitions) {
        ReplaceNationalCup(CompetitionKind::kFaCup, kNationalCupScheme);
    }
}

CCompetitionTree::CCompetitionTree(CCountry& country, const CCompetitionTree& other)
    : country_(&country), store_(country.World()), dayTypes_(other.dayTypes_),
      loadNotes_(other.loadNotes_) {
    const uint32_t from = other.CountryNumber();
    const uint32_t to = CountryNumber();
    for (const auto& [id, node] : other.store_.Nodes()) {
        std::unique_ptr<CDBCompetition> copy = node->Clone();
        if (from != to) {
            MoveNodeToCountry(*copy, from, to);
        }
        // The copy replaces the tree the country holds now, whose nodes have the same IDs.
        store_.Add(std::move(copy), true);
    }
    EnsureRoot();
    RefreshCupIds();
}

CCompetitionTree::~CCompetitionTree() = default;

std::unique_ptr<CountryCompetitionTree> CCompetitionTree::CloneFor(CCountry& owner) const {
    return std::unique_ptr<CountryCompetitionTree>(new CCompetitionTree(owner, *this));
}

// Nodes ------------------------------------------------------------------------------------------

uint32_t CCompetitionTree::CountryNumber() const {
    return country_->Number();
}

CDBRoot* CCompetitionTree::Root() const {
    return dynamic_cast<CDBRoot*>(FindOwn(CompetitionKind::kRoot, 0));
}

CDBRoot* CCompetitionTree::EnsureRoot() {
    if (CDBRoot* root = Root()) {
        return root;
    }
    auto root =
        std::make_unique<CDBRoot>(CompetitionId::Make(CountryNumber(), CompetitionKind::kRoot, 0));
    return static_cast<CDBRoot*>(store_.Add(std::move(root)));
}

CDBCompetition* CCompetitionTree::FindOwn(uint32_t kind, uint32_t number) const {
    return store_.FindOwn(CompetitionId::Make(CountryNumber(), kind, number));
}

CDBLeagueBase* CCompetitionTree::League(uint32_t number) const {
    return dynamic_cast<CDBLeagueBase*>(FindOwn(CompetitionKind::kLeague, number));
}

std::vector<CDBLeagueBase*> CCompetitionTree::Leagues() const {
    std::vector<CDBLeagueBase*> leagues;
    for (const auto& [id, node] : store_.Nodes()) {
        if (CompetitionId::KindOf(id) == CompetitionKind::kLeague) {
            if (auto* league = dynamic_cast<CDBLeagueBase*>(node.get())) {
                leagues.push_back(league);
            }
        }
    }
    return leagues;
}

std::vector<CDBCompetition*> CCompetitionTree::Nodes() const {
    std::vector<CDBCompetition*> nodes;
    for (const auto& [id, node] : store_.Nodes()) {
        nodes.push_back(node.get());
    }
    return nodes;
}

uint32_t CCompetitionTree::NextFreeNumber(uint32_t kind) const {
    for (uint32_t number = 0; number <= 0xFFFFu; ++number) {
        if (Find(CompetitionId::Make(CountryNumber(), kind, number)) == nullptr) {
            return number;
        }
    }
    return 0xFFFFu;
}

CDBCompetition* CCompetitionTree::AddNode(std::unique_ptr<CDBCompetition> node) {
    if (node == nullptr || node->Country() != CountryNumber()) {
        return nullptr;
    }
    if (const CDBRoot* root = Root(); root != nullptr && node.get() != root) {
        node->SetOwner(root->Id());
    }
    return store_.Add(std::move(node));
}

CDBLeagueBase* CCompetitionTree::CreateLeague(uint32_t number) {
    auto league = std::make_unique<CDBLeague>(
        CompetitionId::Make(CountryNumber(), CompetitionKind::kLeague, number));
    return static_cast<CDBLeagueBase*>(AddNode(std::move(league)));
}

bool CCompetitionTree::DeleteNode(uint32_t id) {
    if (const CDBRoot* root = Root(); root != nullptr && root->Id() == id) {
        return false;
    }
    return store_.Delete(id);
}

std::unique_ptr<CDBCompetition> CCompetitionTree::TakeOutNode(uint32_t id) {
    if (const CDBRoot* root = Root(); root != nullptr && root->Id() == id) {
        return nullptr;
    }
    return store_.TakeOut(id);
}

// National cups ----------------------------------------------------------------------------------

CDBCup* CCompetitionTree::ReplaceNationalCup(uint32_t kind, uint32_t scheme) {
    const uint32_t id = CompetitionId::Make(CountryNumber(), kind, 0);
    store_.Delete(id);
    CDBCup* cup = nullptr;
    if (scheme != 0) {
        EnsureRoot();
        auto created = std::make_unique<CDBCup>(id);
        created->SetScheme(scheme);
        cup = static_cast<CDBCup*>(AddNode(std::move(created)));
    }
    RefreshCupIds();
    return cup;
}

void CCompetitionTree::RefreshCupIds() {
    if (CDBRoot* root = Root()) {
        root->RefreshCupIds();
    }
}

// Files ------------------------------------------------------------------------------------------

std::vector<const CDBCompetition*> CCompetitionTree::NodesToSave() const {
    std::vector<const CDBCompetition*> order;
    std::set<uint32_t> written;
    auto take = [&](const CDBCompetition* node) {
        if (node != nullptr && node->NodeKind() != NodeKind::kRoot &&
            written.insert(node->Id()).second) {
            order.push_back(node);
        }
    };
    std::vector<CDBLeagueBase*> leagues = Leagues();
    for (const CDBLeagueBase* league : leagues) {
        take(league);
    }
    std::set<uint32_t> parents;
    for (const CDBLeagueBase* league : leagues) {
        if (league->ParentId() != 0) {
            parents.insert(league->ParentId());
        }
    }
    for (uint32_t id : parents) {
        // Only what this tree holds: a parent in another country is written there.
        take(store_.FindOwn(id));
    }
    for (uint32_t kind : kSavedCupKinds) {
        take(FindOwn(kind, 0));
    }
    return order;
}

bool CCompetitionTree::Save(CKLFile& file) const {
    std::vector<const CDBCompetition*> nodes = NodesToSave();
    bool ok = file.WriteInt(static_cast<int32_t>(nodes.size()));
    for (size_t i = 0; i < nodes.size(); ++i) {
        ok = nodes[i]->SaveSection(file, std::string(kNodePrefix) + std::to_string(i)) && ok;
    }
    return ok;
}

bool CCompetitionTree::Load(CKLFile& file) {
    NodeLoadOptions options;
    options.owner = EnsureRoot() != nullptr ? Root()->Id() : 0;
    options.dayTypes = &dayTypes_;
    options.country = CountryNumber();
    options.notes = &loadNotes_;
    options.enclosingSection = kCompetitionSection;
    LoadNodes(file, kNodePrefix, store_, options);
    return true;
}

void CCompetitionTree::FinishLoad() {
    RefreshCupIds();
}

// The country's view ---------------------------------------------------------------------------

int CCompetitionTree::LeagueCount() const {
    std::set<int32_t> levels;
    for (const CDBLeagueBase* league : Leagues()) {
        levels.insert(league->Level());
    }
    return static_cast<int>(levels.size());
}

bool CCompetitionTree::HasTopLeague() const {
    return League(0) != nullptr;
}

std::string CCompetitionTree::TopLeagueName() const {
    const CDBLeagueBase* league = League(0);
    return league != nullptr ? std::string(league->Name()) : std::string();
}

std::vector<uint32_t> CCompetitionTree::TopLeagueTeams() const {
    const CDBLeagueBase* league = League(0);
    return league != nullptr ? league->Teams() : std::vector<uint32_t>();
}

std::string CCompetitionTree::NationalCupName() const {
    const CDBCompetition* cup = FindOwn(CompetitionKind::kFaCup, 0);
    return cup != nullptr ? std::string(cup->Name()) : std::string();
}

bool CCompetitionTree::HasFaults(uint8_t firstReserveLevel) const {
    for (uint32_t kind = 1; kind <= kLastCheckedKind; ++kind) {
        for (uint32_t number = 0; number <= kLastCheckedNumber; ++number) {
            const CDBCompetition* node = Find(CompetitionId::Make(CountryNumber(), kind, number));
            if (node != nullptr && node->Validate(firstReserveLevel) != 0) {
                return true;
            }
        }
    }
    return false;
}

std::vector<std::string> CCompetitionTree::DescribeFaults(uint8_t firstReserveLevel) const {
    std::vector<std::string> faults;
    for (const auto& [id, node] : store_.Nodes()) {
        for (const std::string& problem : node->DescribeProblems(firstReserveLevel)) {
            faults.push_back(node->Label() + ": " + problem);
        }
    }
    faults.insert(faults.end(), loadNotes_.begin(), loadNotes_.end());
    return faults;
}

size_t CCompetitionTree::DistinctTeamCount() const {
    std::set<uint32_t> teams;
    for (const CDBLeagueBase* league : Leagues()) {
        for (uint32_t team : league->Teams()) {
            teams.insert(team);
        }
    }
    return teams.size();
}

bool CCompetitionTree::CheckTeamCount(size_t limit, IPrompt* prompt) const {
    if (DistinctTeamCount() <= limit) {
        return true;
    }
    if (prompt != nullptr) {
        prompt->ShowMessage(kTooManyTeamsMessage, std::string());
    }
    return false;
}

} // namespace tallo

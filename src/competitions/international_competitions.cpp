#include "competitions/international_competitions.h"

#include "competitions/db_root.h"
#include "competitions/node_loader.h"
#include "formats/kl_file.h"
#include "platform/path_resolver.h"
#include "world/file_version.h"

namespace tallo {

namespace {

// Puts the loaded file version back however the load ends.
class LoadedVersionScope {
public:
    LoadedVersionScope() : remembered_(FileVersion::Loaded()) { FileVersion::SetLoaded(0); }
    ~LoadedVersionScope() { FileVersion::SetLoaded(remembered_); }
    LoadedVersionScope(const LoadedVersionScope&) = delete;
    LoadedVersionScope& operator=(const LoadedVersionScope&) = delete;

private:
    uint32_t remembered_;
};

} // namespace

CInternationalCompetitions::CInternationalCompetitions(CWorld* world)
    : world_(world), store_(std::make_unique<CompetitionNodeStore>(world)) {}

CInternationalCompetitions::~CInternationalCompetitions() = default;

int CInternationalCompetitions::Load(const std::string& scriptFolder,
                                     std::vector<std::string>* notes) {
    const LoadedVersionScope version;
    store_ = std::make_unique<CompetitionNodeStore>(world_); // the old nodes leave the index
    for (DayTypeTable& table : dayTypes_) {
        table.fill(0);
    }
    CDBCompetition* root = store_->Add(std::make_unique<CDBRoot>(kRootId));
    if (root == nullptr && notes != nullptr) {
        notes->push_back("the root of the international competitions is registered already");
    }

    int loaded = 0;
    for (const InternationalDefinitionFileInfo& info : InternationalDefinitionFiles()) {
        CKLFile file;
        if (!file.OpenForRead(ResolvePath(scriptFolder + "/" + std::string(info.fileName)))) {
            continue;
        }
        DayTypeTable scratch{};
        NodeLoadOptions options;
        options.owner = info.ownedByRoot ? kRootId : 0;
        options.dayTypes =
            info.hasDayTable ? &dayTypes_[static_cast<size_t>(info.dayTable)] : &scratch;
        std::vector<std::string> fileNotes;
        options.notes = notes != nullptr ? &fileNotes : nullptr;
        loaded += LoadNodes(file, info.prefix, *store_, options);
        file.Close();
        for (std::string& note : fileNotes) {
            notes->push_back(std::string(info.fileName) + ": " + std::move(note));
        }
    }
    return loaded;
}

CDBRoot* CInternationalCompetitions::Root() const {
    return dynamic_cast<CDBRoot*>(store_->FindOwn(kRootId));
}

std::vector<CDBCompetition*> CInternationalCompetitions::Nodes() const {
    std::vector<CDBCompetition*> nodes;
    for (const auto& [id, node] : store_->Nodes()) {
        nodes.push_back(node.get());
    }
    return nodes;
}

const DayTypeTable& CInternationalCompetitions::DayTypes(InternationalDayTable table) const {
    return dayTypes_[static_cast<size_t>(table)];
}

} // namespace tallo

#include "competitions/node_loader.h"

#include <algorithm>

#include "competitions/competition_id.h"
#include "competitions/competition_keywords.h"
#include "competitions/competition_node_store.h"
#include "competitions/db_cup.h"
#include "competitions/db_league.h"
#include "competitions/db_pool.h"
#include "competitions/db_rel_england1.h"
#include "competitions/db_rel_england2.h"
#include "competitions/db_rel_england3.h"
#include "competitions/db_rel_scottland1.h"
#include "competitions/db_rel_switzerland.h"
#include "competitions/db_round.h"
#include "formats/kl_file.h"

namespace tallo {

namespace {

// The fewest bytes a node section can take: its begin and end lines with the shortest name.
constexpr size_t kMinimumSectionBytes = 16;

void Note(const NodeLoadOptions& options, std::string text) {
    if (options.notes != nullptr) {
        options.notes->push_back(std::move(text));
    }
}

} // namespace

std::unique_ptr<CDBCompetition> CreateNodeForType(std::string_view type, uint32_t id) {
    if (type == "DB_LEAGUE") {
        if (CompetitionId::KindOf(id) == CompetitionKind::kScott1) {
            return std::make_unique<CDBRelScottland1>(id);
        }
        return std::make_unique<CDBLeague>(id);
    }
    if (type == "DB_CUP" || type == "DB_CHALLENGE" || type == "DB_CONFERENCE") {
        return std::make_unique<CDBCup>(id);
    }
    if (type == "DB_REL1") {
        return std::make_unique<CDBRelEngland1>(id);
    }
    if (type == "DB_REL2") {
        return std::make_unique<CDBRelEngland2>(id);
    }
    if (type == "DB_REL3") {
        return std::make_unique<CDBRelEngland3>(id);
    }
    if (type == "DB_SWITZERLAND") {
        return std::make_unique<CDBRelSwitzerland>(id);
    }
    if (type == "DB_ROUND") {
        return std::make_unique<CDBRound>(id);
    }
    if (type == "DB_POOL") {
        return std::make_unique<CDBPool>(id);
    }
    return nullptr;
}

int LoadNodes(CKLFile& file, std::string_view prefix, CompetitionNodeStore& store,
              const NodeLoadOptions& options) {
    int32_t count = 0;
    file.ReadInt(count);
    const size_t fits = file.BytesRead() / kMinimumSectionBytes;
    if (count < 0 || static_cast<size_t>(count) > fits) {
        Note(options, "the competition count " + std::to_string(count) +
                          " is more than the file can hold; only the sections present are read");
    }
    const size_t sections = count > 0 ? std::min(static_cast<size_t>(count), fits) : 0;
    int loaded = 0;
    for (size_t i = 0; i < sections; ++i) {
        const std::string section = std::string(prefix) + std::to_string(i);
        if (!file.FindSection(section)) {
            Note(options, "section " + section + " is missing");
            continue;
        }
        std::string type;
        std::string idText;
        file.ReadCString(type);
        file.ReadCString(idText);
        const uint32_t id = CompetitionId::Parse(idText);
        std::unique_ptr<CDBCompetition> node = id != 0 ? CreateNodeForType(type, id) : nullptr;
        if (node == nullptr) {
            Note(options, "section " + section + " (type \"" + type + "\", ID \"" + idText +
                              "\") holds no competition this program knows; it is left out");
        } else if (options.country != kAnyCompetitionCountry &&
                   node->Country() != options.country) {
            Note(options, "section " + section + " holds " + CompetitionId::ToText(node->Id()) +
                              ", a competition of another country; it is left out");
        } else {
            node->SetOwner(options.owner);
            CDBCompetition* added = store.Add(std::move(node));
            if (added == nullptr) {
                Note(options, "section " + section + " holds " + CompetitionId::ToText(id) +
                                  ", which exists already; it is left out");
            } else {
                added->Load(file);
                if (options.dayTypes != nullptr) {
                    FillDayTypes(*added, *options.dayTypes);
                }
                ++loaded;
            }
        }
        if (options.enclosingSection.empty()) {
            file.SkipSection(section);
        } else if (!file.SkipSectionWithin(section, options.enclosingSection)) {
            Note(options, "section " + section + " has no end; the sections after it are lost");
        }
    }
    return loaded;
}

} // namespace tallo

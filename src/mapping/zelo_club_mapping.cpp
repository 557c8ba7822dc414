#include "mapping/zelo_club_mapping.h"

#include "mapping/mapping_report.h"
#include "mapping/text_lines.h"
#include "mapping/world_walk.h"
#include "world/club.h"
#include "world/text_utils.h"
#include "world/world.h"

#include <algorithm>
#include <vector>

namespace tallo {

namespace {

constexpr std::string_view kSadEnding = "S.A.D.";
// Column 1 values of lines that are not clubs.
constexpr int32_t kIgnoredColumn1A = 0;
constexpr int32_t kIgnoredColumn1B = 400;

using RecordEntry = std::pair<const std::string, ClubIdRecord>;

void SortByDescription(std::vector<const RecordEntry*>& list) {
    std::stable_sort(list.begin(), list.end(), [](const RecordEntry* a, const RecordEntry* b) {
        return a->second.description < b->second.description;
    });
}

} // namespace

bool CZeloClubMapping::Load(const std::string& path) {
    records_.clear();
    return LoadTableLines(path, kMaxLineLength, [this](std::string_view line) { LoadLine(line); });
}

void CZeloClubMapping::LoadText(std::string_view text) {
    ForEachTableLine(text, kMaxLineLength, [this](std::string_view line) { LoadLine(line); });
}

void CZeloClubMapping::LoadLine(std::string_view line) {
    const size_t tab1 = line.find('\t');
    const size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
    const size_t tab3 = tab2 == std::string_view::npos ? tab2 : line.find('\t', tab2 + 1);
    if (tab3 == std::string_view::npos) {
        return;
    }
    ClubIdRecord record;
    record.column1 = ParseDecimal(line.substr(0, tab1));
    record.description = std::string(line.substr(tab1 + 1, tab2 - tab1 - 1));
    if (record.description.size() > kDescriptionLength) {
        record.description.resize(kDescriptionLength);
    }
    CollapseBlanks(record.description);
    record.zeloId = ParseDecimal(line.substr(tab2 + 1, tab3 - tab2 - 1));

    std::string name(line.substr(tab3 + 1));
    CollapseBlanks(name);
    if (name.size() >= kSadEnding.size() &&
        std::string_view(name).substr(name.size() - kSadEnding.size()) == kSadEnding) {
        name.resize(name.size() - kSadEnding.size());
        CollapseBlanks(name);
    }

    if (record.column1 == kIgnoredColumn1A || record.column1 == kIgnoredColumn1B || name.empty() ||
        record.description.empty()) {
        return;
    }
    records_[name] = std::move(record);
}

const ClubIdRecord* CZeloClubMapping::Find(std::string_view clubName) const {
    const auto found = records_.find(clubName);
    return found != records_.end() ? &found->second : nullptr;
}

ClubMappingResult CZeloClubMapping::MapClubIds(CWorld& world, const std::string& reportPath,
                                               bool overwrite) {
    ClubMappingResult result;
    for (auto& [name, record] : records_) {
        record.usageCount = 0;
    }
    const int slot = world.Language();
    ForEachClub(world, true, [&](CClub& club) {
        auto found = records_.find(club.Name(slot));
        if (found == records_.end()) {
            found = records_.find(club.ShortName(slot));
        }
        int32_t zeloId = 0;
        if (found != records_.end()) {
            ++found->second.usageCount;
            zeloId = found->second.zeloId;
        }
        if (zeloId != 0) {
            // The colour entries hold 16 bits; larger IDs are cut.
            const auto entry = static_cast<uint16_t>(static_cast<uint32_t>(zeloId) & 0xFFFFu);
            club.SetColourEntry(entry);
            club.Kit().colourEntry = entry;
            ++result.success;
        } else {
            ++result.failure;
            if (overwrite) {
                club.SetColourEntry(0);
                club.Kit().colourEntry = 0;
            }
        }
    });

    if (reportPath.empty()) {
        return result;
    }
    std::vector<const RecordEntry*> unmapped;
    std::vector<const RecordEntry*> overmapped;
    for (const RecordEntry& entry : records_) {
        if (entry.second.usageCount == 0) {
            unmapped.push_back(&entry);
        } else if (entry.second.usageCount > 1) {
            overmapped.push_back(&entry);
        }
    }
    SortByDescription(unmapped);
    SortByDescription(overmapped);

    MappingReport report;
    report << "Club mapping statistics\r\n";
    report << "Success: " << result.success << ", Failure: " << result.failure << "\r\n";
    report << "Unmapped: " << unmapped.size() << ", Too much mapped: " << overmapped.size()
           << "\r\n";
    report << "\r\nUnmapped:\r\n";
    for (const RecordEntry* entry : unmapped) {
        report << entry->first << " (" << entry->second.description
               << ") - ZeloID: " << entry->second.zeloId << "\r\n";
    }
    report << "\r\nOvermapped:\r\n";
    for (const RecordEntry* entry : overmapped) {
        report << entry->first << " (" << entry->second.description << ") ("
               << entry->second.usageCount << " Times)- ZeloID: " << entry->second.zeloId << "\r\n";
    }
    result.reportWritten = report.Save(reportPath);
    return result;
}

} // namespace tallo

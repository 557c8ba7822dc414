#include "mapping/star_heads.h"

#include "mapping/letter_case.h"
#include "mapping/mapping_report.h"
#include "mapping/text_lines.h"
#include "mapping/world_walk.h"
#include "world/accent_folding.h"
#include "world/player.h"
#include "world/text_utils.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr size_t kKeeperMarkLength = 4;

bool HasKeeperMark(std::string_view name) {
    if (name.size() <= kKeeperMarkLength) {
        return false;
    }
    const std::string_view ending = name.substr(name.size() - kKeeperMarkLength);
    return EqualsIgnoringCase(ending, "(GK)") || EqualsIgnoringCase(ending, "[GK]");
}

} // namespace

bool CStarHeads::Load(const std::string& path) {
    records_.clear();
    return LoadTableLines(path, kMaxLineLength, [this](std::string_view line) { LoadLine(line); });
}

void CStarHeads::LoadText(std::string_view text) {
    ForEachTableLine(text, kMaxLineLength, [this](std::string_view line) { LoadLine(line); });
}

void CStarHeads::LoadLine(std::string_view line) {
    const size_t tab1 = line.size() > 1 ? line.find('\t', 1) : std::string_view::npos;
    if (tab1 == std::string_view::npos) {
        return;
    }
    // A line without its face number is not provided for by the format; it is skipped rather
    // than read as face 0, so that it cannot stand in the way of a later line of that name.
    const size_t tab2 = line.find('\t', tab1 + 1);
    if (tab2 == std::string_view::npos) {
        return;
    }
    std::string name(line.substr(0, tab1));
    CollapseBlanks(name);
    if (HasKeeperMark(name)) {
        name.resize(name.size() - kKeeperMarkLength);
        CollapseBlanks(name);
    }
    if (name.empty()) {
        return;
    }
    StarHeadRecord record;
    record.number = ParseDecimal(line.substr(tab1 + 1, tab2 - tab1 - 1));
    record.faceNumber = ParseDecimal(line.substr(tab2 + 1));
    records_.emplace(FoldName(name, kMaxKeyLength), record);
}

void CStarHeads::ResetUsageCounts() {
    for (auto& [name, record] : records_) {
        record.usageCount = 0;
    }
}

template <typename Map> auto* CStarHeads::FindIn(Map& records, const CPlayer& player) {
    std::string key(player.FirstName());
    key += ' ';
    key.append(player.Surname());
    for (std::string_view name : {std::string_view(key), player.Nickname(), player.Pseudonym()}) {
        if (name.empty()) {
            continue;
        }
        const auto found = records.find(FoldName(name, kMaxKeyLength));
        if (found != records.end()) {
            return &found->second;
        }
    }
    return static_cast<decltype(&records.begin()->second)>(nullptr);
}

const StarHeadRecord* CStarHeads::Find(const CPlayer& player) const {
    return FindIn(records_, player);
}

uint16_t CStarHeads::ConsoleFace(const CPlayer& player) {
    StarHeadRecord* record = FindIn(records_, player);
    if (record == nullptr) {
        return 0;
    }
    ++record->usageCount;
    // Special faces are 16-bit numbers.
    return static_cast<uint16_t>(record->faceNumber);
}

ConsoleFaceResult CStarHeads::MapConsoleFaces(CWorld& world, const std::string& reportPath) {
    ConsoleFaceResult result;
    if (records_.empty()) {
        return result;
    }
    result.ran = true;
    ResetUsageCounts();
    ForEachClubPlayer(world, [&](CPlayer& player) {
        StarHeadRecord* record = FindIn(records_, player);
        if (record != nullptr) {
            ++record->usageCount;
            player.SetSpecialFace(static_cast<uint16_t>(record->faceNumber));
            ++result.found;
        } else {
            player.SetSpecialFace(0);
            ++result.notFound;
        }
    });
    if (reportPath.empty()) {
        return result;
    }
    MappingReport report;
    report << "Statistical output for PS2 face mapping\r\n";
    for (const auto& [name, record] : records_) {
        if (record.usageCount != 1) {
            report << name << " used " << record.usageCount << " times\r\n";
        }
    }
    result.reportWritten = report.Save(reportPath);
    return result;
}

} // namespace tallo

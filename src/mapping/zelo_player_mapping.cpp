#include "mapping/zelo_player_mapping.h"

#include "mapping/letter_case.h"
#include "mapping/mapping_report.h"
#include "mapping/text_lines.h"
#include "mapping/world_walk.h"
#include "world/player.h"
#include "world/text_utils.h"
#include "world/world.h"

#include <algorithm>

namespace tallo {

namespace {

ReportedPlayer NamesOf(const CPlayer& player) {
    return ReportedPlayer{std::string(player.Surname()), std::string(player.FirstName()),
                          std::string(player.Nickname())};
}

// The first record of `index` (sorted by `field`) whose field equals `key` regardless of case.
template <typename Field>
const PlayerIdRecord* FindSorted(const std::vector<PlayerIdRecord>& records,
                                 const std::vector<size_t>& index, std::string_view key,
                                 Field field) {
    const auto found =
        std::lower_bound(index.begin(), index.end(), key, [&](size_t i, std::string_view k) {
            return CompareIgnoringCase(field(records[i]), k) < 0;
        });
    if (found == index.end() || !EqualsIgnoringCase(field(records[*found]), key)) {
        return nullptr;
    }
    return &records[*found];
}

} // namespace

bool CZeloPlayerMapping::Load(const std::string& path) {
    std::string text;
    const bool read = ReadTableFile(path, text);
    LoadText(text, path);
    return read;
}

void CZeloPlayerMapping::LoadText(std::string_view text, const std::string& path) {
    Clear();
    path_ = path;
    // Every line is read bounded by the longest limit; names and nicknames are then cut to
    // theirs, so an over-long name never runs on into the number line after it.
    TextLines lines(text, kNumberLineLength);
    std::string_view line;
    while (lines.Next(line)) {
        PlayerIdRecord record;
        record.name = std::string(line.substr(0, kNameLength));
        if (!lines.Next(line)) {
            break;
        }
        record.zeloId = ParseDecimal(line);
        if (record.zeloId < 1) {
            break;
        }
        int32_t repeated = 0;
        if (lines.Next(line)) {
            record.nickname = std::string(line.substr(0, kNicknameLength));
            if (lines.Next(line)) {
                repeated = ParseDecimal(line);
            }
        }
        CollapseBlanks(record.name);
        CollapseBlanks(record.nickname);
        records_.push_back(std::move(record));
        if (repeated != records_.back().zeloId) {
            // A record whose IDs disagree (or that the file cuts short) is the last one.
            break;
        }
    }
    BuildIndexes();
}

void CZeloPlayerMapping::Clear() {
    path_.clear();
    records_.clear();
    byName_.clear();
    byNickname_.clear();
    unnormalized_.clear();
}

void CZeloPlayerMapping::BuildIndexes() {
    byName_.resize(records_.size());
    for (size_t i = 0; i < records_.size(); ++i) {
        byName_[i] = i;
    }
    byNickname_ = byName_;
    std::stable_sort(byName_.begin(), byName_.end(), [&](size_t a, size_t b) {
        return CompareIgnoringCase(records_[a].name, records_[b].name) < 0;
    });
    std::stable_sort(byNickname_.begin(), byNickname_.end(), [&](size_t a, size_t b) {
        return CompareIgnoringCase(records_[a].nickname, records_[b].nickname) < 0;
    });
}

std::vector<const PlayerIdRecord*> CZeloPlayerMapping::DoubleNames() const {
    std::vector<const PlayerIdRecord*> doubles;
    for (size_t i = 0; i + 1 < byName_.size(); ++i) {
        const PlayerIdRecord& record = records_[byName_[i]];
        if (EqualsIgnoringCase(record.name, records_[byName_[i + 1]].name)) {
            doubles.push_back(&record);
        }
    }
    return doubles;
}

std::vector<const PlayerIdRecord*> CZeloPlayerMapping::DoubleNicks() const {
    std::vector<const PlayerIdRecord*> doubles;
    for (size_t i = 0; i + 1 < byNickname_.size(); ++i) {
        const PlayerIdRecord& record = records_[byNickname_[i]];
        if (!record.nickname.empty() &&
            EqualsIgnoringCase(record.nickname, records_[byNickname_[i + 1]].nickname)) {
            doubles.push_back(&record);
        }
    }
    return doubles;
}

const PlayerIdRecord* CZeloPlayerMapping::FindByName(std::string_view key) const {
    return FindSorted(records_, byName_, key,
                      [](const PlayerIdRecord& r) -> std::string_view { return r.name; });
}

const PlayerIdRecord* CZeloPlayerMapping::FindByNickname(std::string_view key) const {
    return FindSorted(records_, byNickname_, key,
                      [](const PlayerIdRecord& r) -> std::string_view { return r.nickname; });
}

std::string CZeloPlayerMapping::NameKey(const CPlayer& player) {
    std::string key(player.FirstName());
    key += ' ';
    key.append(player.Surname());
    CollapseBlanks(key);
    return key;
}

const PlayerIdRecord* CZeloPlayerMapping::FindRecordByName(const CPlayer& player) const {
    const std::string key = NameKey(player);
    return key.empty() ? nullptr : FindByName(key);
}

const PlayerIdRecord*
CZeloPlayerMapping::FindRecord(const CPlayer& player,
                               std::vector<ReportedPlayer>* unnormalized) const {
    const std::string_view first = player.FirstName();
    const std::string_view surname = player.Surname();
    const std::string key = NameKey(player);
    if (unnormalized != nullptr) {
        // The blank that joins the parts is not the player's: a missing first name or
        // surname alone is no name to clean up.
        std::string joined(first);
        if (!first.empty() && !surname.empty()) {
            joined += ' ';
        }
        joined.append(surname);
        if (joined != key) {
            unnormalized->push_back(NamesOf(player));
        }
    }
    const PlayerIdRecord* record = key.empty() ? nullptr : FindByName(key);
    if (record == nullptr && !player.Nickname().empty()) {
        record = FindByNickname(player.Nickname());
    }
    if (record == nullptr && !player.Pseudonym().empty()) {
        record = FindByNickname(player.Pseudonym());
    }
    return record;
}

int32_t CZeloPlayerMapping::FindZeloId(const CPlayer& player) const {
    const PlayerIdRecord* record = FindRecord(player);
    return record != nullptr ? record->zeloId : 0;
}

PlayerMappingResult CZeloPlayerMapping::MapPlayerIds(CWorld& world, const std::string& reportPath,
                                                     bool overwrite) {
    PlayerMappingResult result;
    if (records_.empty()) {
        return result;
    }
    result.ran = true;
    unnormalized_.clear();
    std::vector<ReportedPlayer> failures;
    ForEachClubPlayer(world, [&](CPlayer& player) {
        const PlayerIdRecord* record = FindRecord(player, &unnormalized_);
        if (record != nullptr) {
            player.SetMappedId(static_cast<uint32_t>(record->zeloId));
            ++result.success;
            return;
        }
        if (overwrite) {
            player.SetMappedId(0);
        }
        failures.push_back(NamesOf(player));
    });
    result.failed = static_cast<int>(failures.size());
    if (reportPath.empty()) {
        return result;
    }

    const std::vector<const PlayerIdRecord*> doubleNames = DoubleNames();
    const std::vector<const PlayerIdRecord*> doubleNicks = DoubleNicks();
    const auto playerLine = [](MappingReport& report, const ReportedPlayer& player) {
        report << "   " << player.surname << ", " << player.firstName
               << " [nick: " << player.nickname << "]\r\n";
    };
    MappingReport report;
    report << "Zelo ID Report - Set complete world from file " << path_ << "\r\n";
    report << "Number of Zelo Players: " << records_.size() << "\r\n";
    report << "Stat:\r\nSuccess: " << result.success << "\r\n";
    report << "Failed: " << result.failed << "\r\n";
    report << "Unnormalized players: " << unnormalized_.size() << "\r\n";
    report << "Same names: " << doubleNames.size() << ", Same nicks: " << doubleNicks.size();
    report << "\r\nFailures:\r\n";
    for (const ReportedPlayer& player : failures) {
        playerLine(report, player);
    }
    if (!unnormalized_.empty()) {
        report << "Unnormalized Players in the Orvel-Database\r\n";
        for (const ReportedPlayer& player : unnormalized_) {
            playerLine(report, player);
        }
    }
    report << "\r\nDouble names:\r\n";
    for (const PlayerIdRecord* record : doubleNames) {
        report << "   " << record->name << "\r\n";
    }
    report << "\r\nDouble nicks:\r\n";
    for (const PlayerIdRecord* record : doubleNicks) {
        report << "   " << record->nickname << "\r\n";
    }
    result.reportWritten = report.Save(reportPath);
    return result;
}

} // namespace tallo

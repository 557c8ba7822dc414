#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "formats/kl_file.h"

namespace tallo {

// The container a country keeps its staff members, referees, sponsors and stadiums in: a map
// from record ID to record, in ascending ID order. A new record takes the smallest free ID
// from 1; at the limit a new record is refused with ID 0.
//
// `Record` provides `static constexpr std::string_view kSection`, `bool Write(CKLFile&) const`
// and `bool Read(CKLFile&)` (true when its section was found).
template <class Record, size_t Limit> class RecordMap {
public:
    using Map = std::map<uint32_t, Record>;
    static constexpr size_t kLimit = Limit;

    // Stores the record under the smallest free ID and returns that ID; 0 when full.
    uint32_t Add(const Record& record) {
        if (records_.size() >= Limit) {
            return 0;
        }
        uint32_t id = SmallestFreeId();
        records_.emplace(id, record);
        return id;
    }

    bool Remove(uint32_t id) { return records_.erase(id) > 0; }
    // Copies a changed record back over the one stored under `id`; false when there is none.
    bool Replace(uint32_t id, const Record& record) {
        auto found = records_.find(id);
        if (found == records_.end()) {
            return false;
        }
        found->second = record;
        return true;
    }
    Record* Find(uint32_t id) {
        auto found = records_.find(id);
        return found != records_.end() ? &found->second : nullptr;
    }
    const Record* Find(uint32_t id) const {
        auto found = records_.find(id);
        return found != records_.end() ? &found->second : nullptr;
    }
    bool Contains(uint32_t id) const { return records_.count(id) > 0; }

    size_t Count() const { return records_.size(); }
    bool Empty() const { return records_.empty(); }
    bool Full() const { return records_.size() >= Limit; }
    void Clear() { records_.clear(); }

    uint32_t SmallestFreeId() const {
        uint32_t expected = 1;
        for (const auto& [id, record] : records_) {
            if (id > expected) {
                break;
            }
            if (id == expected) {
                ++expected;
            }
        }
        return expected;
    }

    // The place of `id` when the records are numbered 1, 2, ... in ID order: the number of
    // IDs from 1 to `id` that are present. 0 for an ID below 1. Records are read back with
    // the IDs 1, 2, ... in file order, so this is what a reference to a record is saved as.
    uint32_t Position(uint32_t id) const {
        if (id < 1) {
            return 0;
        }
        uint32_t position = 0;
        for (auto it = records_.begin(); it != records_.end() && it->first <= id; ++it) {
            ++position;
        }
        return position;
    }

    typename Map::const_iterator begin() const { return records_.begin(); }
    typename Map::const_iterator end() const { return records_.end(); }
    typename Map::iterator begin() { return records_.begin(); }
    typename Map::iterator end() { return records_.end(); }

    // A list section: the count, then one record section per record in ID order.
    bool WriteList(CKLFile& file, std::string_view listSection) const {
        bool ok = file.WriteSectionBegin(listSection);
        ok = file.WriteInt(static_cast<int32_t>(records_.size())) && ok;
        for (const auto& [id, record] : records_) {
            ok = record.Write(file) && ok;
        }
        ok = file.WriteSectionEnd(listSection) && ok;
        return ok;
    }

    // Reads a list section written by WriteList and adds its records (IDs 1, 2, ... when the
    // map was empty); records beyond the limit are read and dropped. The count never makes a
    // record the file does not hold: the list ends at the first missing record section, and
    // the file notes that it held fewer records than it promised. False when the list section
    // is absent (nothing is read then).
    bool ReadList(CKLFile& file, std::string_view listSection) {
        if (!file.FindSection(listSection)) {
            return false;
        }
        int32_t count = 0;
        file.ReadInt(count);
        int32_t read = 0;
        for (; read < count; ++read) {
            Record record;
            if (!record.Read(file)) {
                break; // no later record section can be found either
            }
            Add(record);
        }
        if (read < count) {
            file.NoteFinding("section " + std::string(listSection) + " promises " +
                             std::to_string(count) + " records; the file holds " +
                             std::to_string(read));
        }
        file.SkipSection(listSection);
        return true;
    }

private:
    Map records_;
};

} // namespace tallo

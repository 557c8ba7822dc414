#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

// Writes "BIGF" archives in exactly the layout CVantorBig reads: the 16-byte header, the
// directory in the order the entries were added, then the entries' data back to back.
// For our own tools and tests; the editor never changes an archive.
class BigWriter {
public:
    // How the archive-size field is written; the reader accepts both.
    enum class SizeOrder { LittleEndian, BigEndian };

    // Adds an entry. With `pack` the data is stored as a packed block (short header form,
    // so at most 0xFFFFFF bytes). False, adding nothing, for an empty name, a name longer
    // than CVantorBig::kMaxNameLength bytes or holding a zero byte, or data too large.
    bool AddEntry(std::string_view name, const uint8_t* data, size_t size, bool pack = false);
    bool AddEntry(std::string_view name, std::string_view data, bool pack = false);

    size_t Count() const { return entries_.size(); }
    void SetSizeOrder(SizeOrder order) { order_ = order; }

    // The whole archive; false (and `out` empty) when it would not fit the format's 32-bit
    // offsets.
    bool Build(std::vector<uint8_t>& out) const;
    // Writes the archive to `path` (replacing it in one step). With `packWhole` the whole
    // archive is stored as one packed block, which needs it to be at most 0xFFFFFF bytes.
    bool Write(const std::string& path, bool packWhole = false) const;

private:
    struct Entry {
        std::string name;
        std::vector<uint8_t> data;
    };

    std::vector<Entry> entries_;
    SizeOrder order_ = SizeOrder::LittleEndian;
};

} // namespace tallo

#include "assets/big_writer.h"

#include "assets/packed_block.h"
#include "assets/vantor_big.h"
#include "platform/atomic_file.h"
#include "platform/byte_order.h"

#include <algorithm>

namespace tallo {

bool BigWriter::AddEntry(std::string_view name, const uint8_t* data, size_t size, bool pack) {
    if (name.empty() || name.size() > CVantorBig::kMaxNameLength ||
        name.find('\0') != std::string_view::npos || (size != 0 && data == nullptr) ||
        uint64_t{size} > 0xFFFFFFFFu || (pack && uint64_t{size} > kPackedShortHeaderLimit)) {
        return false;
    }
    Entry entry;
    entry.name = std::string(name);
    if (pack) {
        entry.data = PackBlock(data, size);
    } else {
        entry.data.assign(data, data + size);
    }
    entries_.push_back(std::move(entry));
    return true;
}

bool BigWriter::AddEntry(std::string_view name, std::string_view data, bool pack) {
    return AddEntry(name, reinterpret_cast<const uint8_t*>(data.data()), data.size(), pack);
}

bool BigWriter::Build(std::vector<uint8_t>& out) const {
    out.clear();
    uint64_t headerSize = 16;
    for (const Entry& entry : entries_) {
        headerSize += 8 + entry.name.size() + 1;
    }
    uint64_t total = headerSize;
    for (const Entry& entry : entries_) {
        total += entry.data.size();
    }
    if (total > 0xFFFFFFFFu) {
        return false;
    }
    out.resize(static_cast<size_t>(total));
    uint8_t* p = out.data();
    std::copy_n("BIGF", 4, p);
    if (order_ == SizeOrder::LittleEndian) {
        PutLittle32(p + 4, static_cast<uint32_t>(total));
    } else {
        PutBig32(p + 4, static_cast<uint32_t>(total));
    }
    PutBig32(p + 8, static_cast<uint32_t>(entries_.size()));
    PutBig32(p + 12, static_cast<uint32_t>(headerSize));
    size_t directory = 16;
    uint64_t offset = headerSize;
    for (const Entry& entry : entries_) {
        PutBig32(p + directory, static_cast<uint32_t>(offset));
        PutBig32(p + directory + 4, static_cast<uint32_t>(entry.data.size()));
        std::copy(entry.name.begin(), entry.name.end(), p + directory + 8);
        p[directory + 8 + entry.name.size()] = 0;
        directory += 8 + entry.name.size() + 1;
        std::copy(entry.data.begin(), entry.data.end(), p + offset);
        offset += entry.data.size();
    }
    return true;
}

bool BigWriter::Write(const std::string& path, bool packWhole) const {
    std::vector<uint8_t> bytes;
    if (!Build(bytes)) {
        return false;
    }
    if (packWhole) {
        if (bytes.size() > kPackedShortHeaderLimit) {
            return false;
        }
        bytes = PackBlock(bytes.data(), bytes.size());
    }
    return WriteFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace tallo

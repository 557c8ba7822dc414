// Opens the input as a BIG archive from a scratch file and reads every entry, stored and
// unpacked.
//
// Every entry of an archive that opens lies inside the file read; reading it gives its stored
// size, and unpacking gives what UnpackBlock makes of the stored bytes (and the size the
// directory noted). Each name finds the first entry of that name. Written again with the
// archive writer, the entries read back the same. Closing leaves nothing behind in the
// folder: the temporary file of a packed archive is removed.
//
// Input layout (libFuzzer's data provider): the last byte holds options (bit 0: the rest is
// packed as one block first, so that the archive is read as a packed archive; bit 1: opened
// for reading only); the rest is the archive.

#include "assets/big_writer.h"
#include "assets/packed_block.h"
#include "assets/vantor_big.h"
#include "fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <dirent.h>
#include <sys/stat.h>

#include <string>
#include <string_view>
#include <vector>

namespace tallo::fuzz {
namespace {

struct EntryData {
    BigEntry entry;
    std::vector<uint8_t> stored;
    std::vector<uint8_t> unpacked;
    bool unpackedOk = false;
};

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

uint64_t FileSizeOf(const std::string& path) {
    struct stat info {};
    TALLO_FUZZ_CHECK(stat(path.c_str(), &info) == 0);
    return static_cast<uint64_t>(info.st_size);
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        }
        closedir(dir);
    }
    return names;
}

// Reads every entry of the open archive and checks what the reader promises about it.
std::vector<EntryData> ReadAll(CVantorBig& big) {
    const uint64_t fileSize = FileSizeOf(big.ReadPath());
    std::vector<EntryData> all;
    const int count = big.GetCount();
    TALLO_FUZZ_CHECK(count >= 0);
    TALLO_FUZZ_CHECK(!big.IsValidIndex(-1) && !big.IsValidIndex(count));
    TALLO_FUZZ_CHECK(big.GetEntry(count).name.empty() && big.GetEntry(count).size == 0);
    for (int i = 0; i < count; ++i) {
        EntryData data;
        data.entry = big.GetEntry(i);
        const BigEntry& entry = data.entry;
        TALLO_FUZZ_CHECK(entry.name.size() <= CVantorBig::kMaxNameLength);
        TALLO_FUZZ_CHECK(uint64_t{entry.offset} + entry.size <= fileSize);
        TALLO_FUZZ_CHECK(big.ReadEntry(i, data.stored, false));
        TALLO_FUZZ_CHECK(data.stored.size() == entry.size);

        data.unpackedOk = big.ReadEntry(i, data.unpacked, true);
        const bool packed =
            data.stored.size() >= 2 && data.stored[0] == 0x10 && data.stored[1] == 0xFB;
        if (!packed) {
            TALLO_FUZZ_CHECK(data.unpackedOk && data.unpacked == data.stored);
        } else {
            std::vector<uint8_t> expected;
            const bool ok = UnpackBlock(data.stored.data(), data.stored.size(), expected,
                                        kPackedShortHeaderLimit);
            TALLO_FUZZ_CHECK(ok == data.unpackedOk && expected == data.unpacked);
            if (ok && entry.unpackedSize != 0) {
                TALLO_FUZZ_CHECK(data.unpacked.size() == entry.unpackedSize);
            }
        }
        if (entry.size < 8 || !packed) {
            TALLO_FUZZ_CHECK(entry.unpackedSize == 0);
        }

        // A name finds the first entry of that name, regardless of letter case.
        const int found = big.FindEntry(entry.name);
        if (entry.name.empty()) {
            TALLO_FUZZ_CHECK(found == -1);
        } else {
            TALLO_FUZZ_CHECK(found >= 0 && found <= i);
            TALLO_FUZZ_CHECK(Lower(big.GetEntry(found).name) == Lower(entry.name));
            for (int before = 0; before < found; ++before) {
                TALLO_FUZZ_CHECK(Lower(all[static_cast<size_t>(before)].entry.name) !=
                                 Lower(entry.name));
            }
        }
        all.push_back(std::move(data));
    }
    // Names looked up together find what each finds alone, an unknown one among them.
    std::vector<std::string_view> names;
    for (const EntryData& data : all) {
        names.push_back(data.entry.name);
    }
    names.push_back("no entry is named so");
    std::vector<int> together(names.size(), -2);
    big.FindEntries(names, together);
    for (size_t i = 0; i < names.size(); ++i) {
        TALLO_FUZZ_CHECK(together[i] == big.FindEntry(names[i]));
    }
    return all;
}

// The entries written again by the archive writer read back the same, unless the writer
// refuses one of them (an empty name).
void CheckRewrite(const std::vector<EntryData>& entries) {
    BigWriter writer;
    for (const EntryData& data : entries) {
        if (!writer.AddEntry(data.entry.name, data.stored.data(), data.stored.size())) {
            TALLO_FUZZ_CHECK(data.entry.name.empty());
            return;
        }
    }
    const std::string path = Scratch() / "again.big";
    TALLO_FUZZ_CHECK(writer.Write(path));
    CVantorBig again;
    TALLO_FUZZ_CHECK(again.Open(path, true));
    TALLO_FUZZ_CHECK(again.GetCount() == static_cast<int>(entries.size()));
    const std::vector<EntryData> back = ReadAll(again);
    for (size_t i = 0; i < entries.size(); ++i) {
        TALLO_FUZZ_CHECK(back[i].entry.name == entries[i].entry.name);
        TALLO_FUZZ_CHECK(back[i].entry.unpackedSize == entries[i].entry.unpackedSize);
        TALLO_FUZZ_CHECK(back[i].stored == entries[i].stored);
        TALLO_FUZZ_CHECK(back[i].unpackedOk == entries[i].unpackedOk);
        TALLO_FUZZ_CHECK(back[i].unpacked == entries[i].unpacked);
    }
    again.Close();
    std::remove(path.c_str());
}

} // namespace
} // namespace tallo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tallo;
    using namespace tallo::fuzz;
    FuzzedDataProvider input(data, size);
    const uint8_t options = input.ConsumeIntegral<uint8_t>();
    std::vector<uint8_t> bytes = input.ConsumeRemainingBytes<uint8_t>();
    if ((options & 1) != 0) {
        bytes = PackBlock(bytes.data(), bytes.size());
    }
    const std::string path = Scratch() / "archive.big";
    WriteScratchFile(path,
                     std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));

    {
        CVantorBig big;
        if (big.Open(path, (options & 2) != 0)) {
            TALLO_FUZZ_CHECK(big.IsOpen());
            const std::vector<EntryData> entries = ReadAll(big);
            big.Close();
            TALLO_FUZZ_CHECK(!big.IsOpen() && big.GetCount() == 0);
            CheckRewrite(entries);
        } else {
            TALLO_FUZZ_CHECK(!big.IsOpen() && big.GetCount() == 0);
        }
    }
    // Only the archive itself is left: no temporary file of a packed archive.
    const std::vector<std::string> left = FolderEntries(Scratch().Path());
    TALLO_FUZZ_CHECK(left.size() == 1 && left[0] == "archive.big");
    return 0;
}

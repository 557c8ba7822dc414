#include "assets/vantor_big.h"

#include "assets/big_writer.h"
#include "assets/packed_block.h"
#include "formats/string_table.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace tallo {
namespace {

using test::FixturePath;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;
using Bytes = std::vector<uint8_t>;

std::string Text(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

std::string BigEndian(uint32_t value) {
    return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
}

// An archive of one entry holding "data", built by hand so that any name fits.
std::string OneEntryArchive(const std::string& name) {
    const uint32_t header = static_cast<uint32_t>(16 + 8 + name.size() + 1);
    return "BIGF" + BigEndian(header + 4) + BigEndian(1) + BigEndian(header) + BigEndian(header) +
           BigEndian(4) + name + std::string(1, '\0') + "data";
}

std::vector<std::string> Messages(const ScriptedPrompt& prompt) {
    std::vector<std::string> texts;
    for (const PromptCall& call : prompt.Calls()) {
        EXPECT_EQ(call.kind, PromptCall::Kind::Message);
        EXPECT_EQ(call.caption, LoadString(899));
        texts.push_back(call.text);
    }
    return texts;
}

// Files of a folder, for checking that no temporary file is left behind.
size_t FileCount(const std::string& folder) {
    size_t count = 0;
    for ([[maybe_unused]] const auto& item : std::filesystem::directory_iterator(folder)) {
        ++count;
    }
    return count;
}

class VantorBigTest : public ::testing::Test {
protected:
    std::string WriteArchive(const std::string& name, const std::string& bytes) {
        WriteFile(dir_ / name, bytes);
        return dir_ / name;
    }
    std::string BuildArchive(const BigWriter& writer) {
        Bytes bytes;
        EXPECT_TRUE(writer.Build(bytes));
        return Text(bytes);
    }
    // Opening must fail with exactly this message (empty: no message at all).
    void ExpectRefused(const std::string& bytes, const std::string& message) {
        const std::string path = WriteArchive("bad.big", bytes);
        prompt_.ClearCalls();
        EXPECT_FALSE(big_.Open(path, true));
        EXPECT_FALSE(big_.IsOpen());
        EXPECT_EQ(big_.GetCount(), 0);
        const std::vector<std::string> messages = Messages(prompt_);
        if (message.empty()) {
            EXPECT_TRUE(messages.empty());
        } else {
            EXPECT_EQ(messages, std::vector<std::string>{message});
        }
    }

    TempDir dir_;
    ScriptedPrompt prompt_;
    CVantorBig big_{&prompt_};
};

TEST_F(VantorBigTest, ReadsTheDirectoryAndEntriesOfAnArchive) {
    const std::string path = FixturePath("big/two_entries.big");
    ASSERT_TRUE(big_.Open(path, true));
    ASSERT_EQ(big_.GetCount(), 2);
    EXPECT_EQ(big_.ReadPath(), path);
    EXPECT_EQ(big_.PackedPath(), "");

    const BigEntry& badge = big_.GetEntry(0);
    EXPECT_EQ(badge.name, "Badges\\Ger\\Badge14\\Club.tga");
    EXPECT_EQ(badge.offset, 70u);
    EXPECT_EQ(badge.size, 5u);
    EXPECT_EQ(badge.unpackedSize, 0u);
    const BigEntry& notes = big_.GetEntry(1);
    EXPECT_EQ(notes.offset, 75u);
    EXPECT_EQ(notes.size, 9u);
    EXPECT_EQ(notes.unpackedSize, 3u);

    Bytes data;
    ASSERT_TRUE(big_.ReadEntry(0, data, true));
    EXPECT_EQ(Text(data), "hello");
    ASSERT_TRUE(big_.ReadEntry(1, data, false));
    EXPECT_EQ(Text(data), std::string("\x10\xFB\x00\x00\x03\xFF"
                                      "abc",
                                      9));
    ASSERT_TRUE(big_.ReadEntry(1, data, true));
    EXPECT_EQ(Text(data), "abc");
    EXPECT_TRUE(Messages(prompt_).empty());

    // Invalid indexes give the empty entry and no data, without a message while open.
    EXPECT_FALSE(big_.IsValidIndex(2));
    EXPECT_FALSE(big_.IsValidIndex(-1));
    EXPECT_EQ(big_.GetEntry(2).name, "");
    EXPECT_EQ(big_.GetEntry(-1).size, 0u);
    EXPECT_FALSE(big_.ReadEntry(2, data, true));
    EXPECT_TRUE(data.empty());
    EXPECT_TRUE(Messages(prompt_).empty());
}

TEST_F(VantorBigTest, FindsEntriesRegardlessOfCaseAndReportsMisses) {
    BigWriter writer;
    ASSERT_TRUE(writer.AddEntry("Badges\\Eng\\Badge180\\Town.tga", "first"));
    ASSERT_TRUE(writer.AddEntry("BADGES\\ENG\\BADGE180\\TOWN.TGA", "second"));
    ASSERT_TRUE(writer.AddEntry("readme", "third"));
    ASSERT_TRUE(big_.Open(WriteArchive("a.big", BuildArchive(writer)), true));

    EXPECT_EQ(big_.FindEntry("badges\\eng\\badge180\\town.tga"), 0);
    EXPECT_EQ(big_.FindEntry("README"), 2);
    EXPECT_EQ(big_.FindEntry("missing"), -1);
    EXPECT_EQ(big_.FindEntry(""), -1);
    EXPECT_TRUE(Messages(prompt_).empty());

    EXPECT_EQ(big_.FindEntryReport("ReadMe"), 2);
    EXPECT_EQ(big_.FindEntryReport("Badges\\x.tga"), -1);
    EXPECT_EQ(big_.FindEntryReport(""), -1);
    EXPECT_EQ(Messages(prompt_),
              (std::vector<std::string>{FormatString(874, "Badges\\x.tga"), LoadString(867)}));

    // Looked up together, the names give what one look-up each gives, without messages.
    const std::vector<std::string_view> names = {"README", "missing", "",
                                                 "Badges\\ENG\\badge180\\Town.TGA"};
    std::vector<int> indices(names.size(), 7);
    big_.FindEntries(names, indices);
    EXPECT_EQ(indices, (std::vector<int>{2, -1, -1, 0}));
    EXPECT_EQ(Messages(prompt_).size(), 2u);

    Bytes data;
    EXPECT_TRUE(big_.ReadEntryByName("BADGES\\Eng\\badge180\\town.TGA", data, true));
    EXPECT_EQ(Text(data), "first");
    EXPECT_FALSE(big_.ReadEntryByName("nothing", data, true));
    EXPECT_TRUE(data.empty());
}

TEST_F(VantorBigTest, ReportsEveryUseWhileClosed) {
    Bytes data;
    EXPECT_EQ(big_.GetCount(), 0);
    EXPECT_FALSE(big_.IsValidIndex(0));
    EXPECT_EQ(big_.GetEntry(0).name, "");
    EXPECT_EQ(big_.FindEntry("x"), -1);
    EXPECT_EQ(big_.FindEntryReport("x"), -1);
    EXPECT_FALSE(big_.ReadEntry(0, data, false));
    // Names looked up together are all missing, with one message for the call.
    const std::vector<std::string_view> names = {"x", "y"};
    std::vector<int> indices(names.size(), 0);
    big_.FindEntries(names, indices);
    EXPECT_EQ(indices, (std::vector<int>{-1, -1}));
    EXPECT_EQ(Messages(prompt_), std::vector<std::string>(6, LoadString(877)));
    big_.Close();
}

TEST_F(VantorBigTest, OpensAnEmptyArchive) {
    BigWriter writer;
    ASSERT_TRUE(big_.Open(WriteArchive("empty.big", BuildArchive(writer)), true));
    EXPECT_EQ(big_.GetCount(), 0);
    EXPECT_EQ(big_.FindEntry("anything"), -1);
    EXPECT_TRUE(Messages(prompt_).empty());
}

TEST_F(VantorBigTest, TakesTheArchiveSizeInEitherByteOrder) {
    BigWriter writer;
    ASSERT_TRUE(writer.AddEntry("a", "1234"));
    writer.SetSizeOrder(BigWriter::SizeOrder::BigEndian);
    EXPECT_TRUE(big_.Open(WriteArchive("be.big", BuildArchive(writer)), true));
    writer.SetSizeOrder(BigWriter::SizeOrder::LittleEndian);
    EXPECT_TRUE(big_.Open(WriteArchive("le.big", BuildArchive(writer)), true));
    EXPECT_EQ(big_.GetCount(), 1);
    // A size that is the length in neither order, and is larger, is refused.
    std::string bytes = BuildArchive(writer);
    bytes.replace(4, 4, BigEndian(static_cast<uint32_t>(bytes.size() + 1)));
    ExpectRefused(bytes, FormatString(871, (dir_ / "bad.big").c_str()));
}

TEST_F(VantorBigTest, RefusesFilesThatAreNoArchive) {
    EXPECT_FALSE(big_.Open("", true));
    EXPECT_FALSE(big_.Open(dir_ / "missing.big", true));
    EXPECT_FALSE(big_.Open(dir_.Path(), true));
    EXPECT_EQ(Messages(prompt_),
              (std::vector<std::string>{LoadString(867),
                                        FormatString(869, (dir_ / "missing.big").c_str()),
                                        FormatString(869, dir_.Path().c_str())}));
    const std::string notBig = FormatString(871, (dir_ / "bad.big").c_str());
    ExpectRefused("BIGF", notBig);
    ExpectRefused(std::string(15, '\0'), notBig);
    ExpectRefused("BIGG" + OneEntryArchive("name").substr(4), notBig);
    // A header size beyond the file.
    std::string bytes = OneEntryArchive("name");
    bytes.replace(12, 4, BigEndian(1000));
    ExpectRefused(bytes, notBig);
}

TEST_F(VantorBigTest, RefusesDirectoryRecordsOutsideTheFile) {
    const std::string notBig = FormatString(871, (dir_ / "bad.big").c_str());
    const std::string good = OneEntryArchive("name");
    ASSERT_TRUE(big_.Open(WriteArchive("good.big", good), true));
    // The record's offset sits at 16 and its size at 20.
    std::string bytes = good;
    bytes.replace(16, 4, BigEndian(0));
    ExpectRefused(bytes, notBig);
    bytes = good;
    bytes.replace(16, 4, BigEndian(static_cast<uint32_t>(good.size() + 1)));
    ExpectRefused(bytes, notBig);
    bytes = good;
    bytes.replace(20, 4, BigEndian(5));
    ExpectRefused(bytes, notBig);
    bytes = good;
    bytes.replace(20, 4, BigEndian(0x80000000u));
    ExpectRefused(bytes, notBig);
    // Offset and size that only pass in 32-bit arithmetic.
    bytes = good;
    bytes.replace(16, 8, BigEndian(0x10) + BigEndian(0xFFFFFFF8u));
    ExpectRefused(bytes, notBig);
    // A count far above the records present reads past the end.
    bytes = good;
    bytes.replace(8, 4, BigEndian(0xFFFFFFFFu));
    ExpectRefused(bytes, notBig);
}

TEST_F(VantorBigTest, RefusesEveryTruncationOfAnArchive) {
    BigWriter writer;
    ASSERT_TRUE(writer.AddEntry("Badges\\a.tga", "alpha"));
    ASSERT_TRUE(writer.AddEntry("Badges\\b.tga", std::string(100, 'b'), true));
    const std::string whole = BuildArchive(writer);
    for (size_t n = 0; n < whole.size(); ++n) {
        const std::string path = WriteArchive("cut.big", whole.substr(0, n));
        ASSERT_FALSE(big_.Open(path, true)) << n;
        ASSERT_FALSE(big_.IsOpen());
    }
    ASSERT_TRUE(big_.Open(WriteArchive("cut.big", whole), true));
    Bytes data;
    ASSERT_TRUE(big_.ReadEntry(1, data, true));
    EXPECT_EQ(Text(data), std::string(100, 'b'));
}

TEST_F(VantorBigTest, AcceptsNamesUpTo258Characters) {
    ASSERT_TRUE(big_.Open(WriteArchive("long.big", OneEntryArchive(std::string(258, 'n'))), true));
    EXPECT_EQ(big_.GetEntry(0).name.size(), 258u);
    Bytes data;
    EXPECT_TRUE(big_.ReadEntryByName(std::string(258, 'N'), data, false));
    EXPECT_EQ(Text(data), "data");
    // One more character ends the open without a message.
    ExpectRefused(OneEntryArchive(std::string(259, 'n')), "");
}

TEST_F(VantorBigTest, RefusesPackedEntriesThatDoNotUnpack) {
    Bytes packed = PackBlock(reinterpret_cast<const uint8_t*>("abcdefgh"), 8);
    packed[4] = 9; // announces one byte more than the stream makes
    BigWriter writer;
    ASSERT_TRUE(writer.AddEntry(
        "bad", std::string_view(reinterpret_cast<const char*>(packed.data()), packed.size())));
    ASSERT_TRUE(writer.AddEntry("short", std::string("\x10\xFB\x00", 3)));
    ASSERT_TRUE(big_.Open(WriteArchive("p.big", BuildArchive(writer)), true));
    EXPECT_EQ(big_.GetEntry(0).unpackedSize, 9u);
    EXPECT_EQ(big_.GetEntry(1).unpackedSize, 0u);
    Bytes data;
    EXPECT_FALSE(big_.ReadEntry(0, data, true));
    EXPECT_TRUE(data.empty());
    EXPECT_FALSE(big_.ReadEntry(1, data, true));
    EXPECT_TRUE(data.empty());
    // Without unpacking the stored bytes come out as they are.
    ASSERT_TRUE(big_.ReadEntry(0, data, false));
    EXPECT_EQ(data, packed);
}

TEST_F(VantorBigTest, ReadsAWholePackedArchiveThroughATemporaryFile) {
    BigWriter writer;
    ASSERT_TRUE(writer.AddEntry("Badges\\X\\Badge14\\Y.TGA", std::string(300, 'y')));
    ASSERT_TRUE(writer.AddEntry("inner", std::string(50, 'i'), true));
    const std::string path = dir_ / "packed.big";
    ASSERT_TRUE(writer.Write(path, true));
    ASSERT_EQ(static_cast<uint8_t>(ReadFile(path)[0]), 0x10);

    ASSERT_TRUE(big_.Open(path, true));
    EXPECT_EQ(big_.PackedPath(), path);
    const std::string temporary = big_.ReadPath();
    EXPECT_EQ(temporary.rfind(dir_ / "tmp", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists(temporary));
    Bytes data;
    ASSERT_TRUE(big_.ReadEntryByName("badges\\x\\badge14\\y.tga", data, true));
    EXPECT_EQ(Text(data), std::string(300, 'y'));
    ASSERT_TRUE(big_.ReadEntry(1, data, true));
    EXPECT_EQ(Text(data), std::string(50, 'i'));
    big_.Close();
    EXPECT_FALSE(std::filesystem::exists(temporary));
    EXPECT_EQ(FileCount(dir_.Path()), 1u);
}

TEST_F(VantorBigTest, LeavesNoTemporaryFileWhenAPackedArchiveFails) {
    // Text without repeats, so that its packed form stays longer than a header.
    const std::string junk = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    // A stream that does not unpack fails without a message.
    Bytes broken = PackBlock(reinterpret_cast<const uint8_t*>(junk.data()), junk.size());
    broken[4] = static_cast<uint8_t>(junk.size() + 1);
    ExpectRefused(Text(broken), "");
    // One that unpacks to something that is no archive fails with the archive's path.
    ExpectRefused(Text(PackBlock(reinterpret_cast<const uint8_t*>(junk.data()), junk.size())),
                  FormatString(871, (dir_ / "bad.big").c_str()));
    // Too short once unpacked.
    ExpectRefused(Text(PackBlock(reinterpret_cast<const uint8_t*>("BIGF"), 4)) + "padding....", "");
    EXPECT_EQ(FileCount(dir_.Path()), 1u);
}

TEST_F(VantorBigTest, ResolvesThePathAndReplacesAnOpenArchive) {
    BigWriter first;
    ASSERT_TRUE(first.AddEntry("one", "1"));
    BigWriter second;
    ASSERT_TRUE(second.AddEntry("two", "22"));
    ASSERT_TRUE(second.AddEntry("three", "333"));
    WriteArchive("Data/Badges.BIG", BuildArchive(first));
    WriteArchive("other.big", BuildArchive(second));

    ASSERT_TRUE(big_.Open(dir_ / "data/badges.big", true));
    EXPECT_EQ(big_.FindEntry("ONE"), 0);
    ASSERT_TRUE(big_.Open(dir_ / "other.big", false));
    EXPECT_EQ(big_.GetCount(), 2);
    EXPECT_EQ(big_.FindEntry("one"), -1);
    // A failed open leaves nothing of the archive before it.
    EXPECT_FALSE(big_.Open(dir_ / "none.big", true));
    EXPECT_EQ(big_.GetCount(), 0);
}

TEST_F(VantorBigTest, ReadsBackEveryEntryOfALargeArchive) {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> size(0, 3000);
    BigWriter writer;
    std::vector<std::string> contents;
    for (int i = 0; i < 400; ++i) {
        std::string content(static_cast<size_t>(size(random)), '\0');
        for (char& c : content) {
            c = static_cast<char>('a' + random() % 5);
        }
        ASSERT_TRUE(writer.AddEntry("Badges\\G" + std::to_string(i % 7) + "\\Badge48\\" +
                                        std::to_string(i) + ".tga",
                                    content, i % 2 == 0));
        contents.push_back(content);
    }
    ASSERT_TRUE(writer.Write(dir_ / "large.big"));
    ASSERT_TRUE(big_.Open(dir_ / "large.big", true));
    ASSERT_EQ(big_.GetCount(), 400);
    Bytes data;
    for (int i = 0; i < 400; ++i) {
        const std::string name =
            "BADGES\\g" + std::to_string(i % 7) + "\\BADGE48\\" + std::to_string(i) + ".TGA";
        ASSERT_TRUE(big_.ReadEntryByName(name, data, true)) << name;
        EXPECT_EQ(Text(data), contents[static_cast<size_t>(i)]);
    }
}

} // namespace
} // namespace tallo

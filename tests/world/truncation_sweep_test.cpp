// Every record file of tests/fixtures, cut short at every line boundary and at many byte
// offsets, goes through the readers that understand it: a generic walk of the record file for
// all of them, and the record, rules and stadium list readers for their files. No cut may
// crash a reader, and what a cut file still holds must read exactly as in the whole file: the
// values of the complete lines before the cut are the same, the values after it are missing.

#include "formats/kl_file.h"
#include "world/file_version.h"
#include "world/game_date.h"
#include "world/national_coach.h"
#include "world/player.h"
#include "world/player_pool_entry.h"
#include "world/referee.h"
#include "world/result_record.h"
#include "world/rules_and_misc.h"
#include "world/sponsor.h"
#include "world/stadium.h"
#include "world/stadium_list.h"
#include "world/staff_member.h"

#include "support/record_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tallo {
namespace {

using test::FixturePath;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

constexpr std::string_view kBegin = "%INDEX%";
constexpr std::string_view kEnd = "%INDEXEND%";

// Files up to this size are cut at every byte; larger ones at every line boundary and at
// about kSampledOffsets byte offsets spread over the file.
constexpr size_t kEveryByteUpTo = 1024;
constexpr size_t kSampledOffsets = 256;

struct Line {
    size_t start = 0;      // offset of its first byte
    size_t contentEnd = 0; // offset after its text (before CR LF or LF)
    std::string text;
};

std::vector<Line> SplitLines(const std::string& data) {
    std::vector<Line> lines;
    size_t at = 0;
    while (at < data.size()) {
        size_t lf = data.find('\n', at);
        size_t end = lf == std::string::npos ? data.size() : lf;
        size_t contentEnd = end > at && data[end - 1] == '\r' ? end - 1 : end;
        lines.push_back({at, contentEnd, data.substr(at, contentEnd - at)});
        at = lf == std::string::npos ? data.size() : lf + 1;
    }
    return lines;
}

// A file cut after `size` bytes: how many of the whole file's lines it holds completely (a
// line whose text is all there reads the same, with or without its line end; an empty line
// needs a byte of its line end), and whether a part of the next line is there as well.
struct Cut {
    std::string data;
    size_t completeLines = 0;
    bool partialLine = false;
};

std::vector<Cut> CutsOf(const std::string& data) {
    std::set<size_t> offsets;
    for (size_t at = 0; at <= data.size(); ++at) {
        const bool boundary = at == 0 || at == data.size() || data[at - 1] == '\n' ||
                              (at < data.size() && data[at] == '\r');
        const bool sampled = data.size() <= kEveryByteUpTo ||
                             at % std::max<size_t>(1, data.size() / kSampledOffsets) == 0;
        if (boundary || sampled) {
            offsets.insert(at);
        }
    }
    const std::vector<Line> lines = SplitLines(data);
    std::vector<Cut> cuts;
    for (size_t size : offsets) {
        Cut cut;
        cut.data = data.substr(0, size);
        // An empty line is there only when its line end (or a part of it) is.
        while (cut.completeLines < lines.size() && lines[cut.completeLines].contentEnd <= size &&
               size > lines[cut.completeLines].start) {
            ++cut.completeLines;
        }
        cut.partialLine = cut.completeLines < lines.size() && size > lines[cut.completeLines].start;
        cuts.push_back(std::move(cut));
    }
    return cuts;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] != '.') {
                names.push_back(entry->d_name);
            }
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Every record file among the fixtures: the files of the folders holding record files.
std::vector<std::string> RecordFixtures() {
    std::vector<std::string> files;
    for (const char* folder : {"kl", "records", "rules", "club", "player", "world", "cup_alloc"}) {
        for (const std::string& name : FilesIn(FixturePath(folder))) {
            files.push_back(std::string(folder) + "/" + name);
        }
    }
    return files;
}

// Generic walk -------------------------------------------------------------------------------

// What a reader that knows the whole file's layout does with each of its lines: look up a
// section at its begin line, skip past it at its end line, read a value at any other line
// (comment lines are passed over by the value reads).
struct Step {
    enum Kind { kFind, kSkip, kValue } kind;
    std::string text; // section name or value
    size_t line;
};

std::vector<Step> StepsOf(const std::string& data) {
    std::vector<Step> steps;
    const std::vector<Line> lines = SplitLines(data);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& text = lines[i].text;
        if (text.starts_with(kEnd)) {
            steps.push_back({Step::kSkip, text.substr(kEnd.size()), i});
        } else if (text.starts_with(kBegin)) {
            steps.push_back({Step::kFind, text.substr(kBegin.size()), i});
        } else if (!text.starts_with(";")) {
            steps.push_back({Step::kValue, text.substr(0, text.find('\0')), i});
        }
    }
    return steps;
}

struct Outcome {
    bool ok = false;
    std::string value = "(none)"; // what a value read gave; "(none)" when it failed
    bool operator==(const Outcome&) const = default;
};

std::vector<Outcome> Walk(const std::vector<Step>& steps, const std::string& data) {
    CKLFile file;
    EXPECT_TRUE(file.OpenFromMemory(data));
    std::vector<Outcome> outcomes;
    for (const Step& step : steps) {
        Outcome outcome;
        switch (step.kind) {
        case Step::kFind:
            outcome.ok = file.FindSection(step.text);
            break;
        case Step::kSkip:
            outcome.ok = file.SkipSection(step.text);
            break;
        case Step::kValue:
            outcome.ok = file.ReadCString(outcome.value);
            break;
        }
        outcomes.push_back(outcome);
    }
    return outcomes;
}

// Walks the cut file with the whole file's steps. Steps of complete lines give what they give
// on the whole file; steps after the cut fail; the step of a partly present line may go either
// way. Returns the number of steps checked.
size_t WalkCut(const std::vector<Step>& steps, const std::vector<Outcome>& whole, const Cut& cut,
               const std::string& name) {
    const std::vector<Outcome> outcomes = Walk(steps, cut.data);
    size_t checked = 0;
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        if (cut.partialLine && step.line == cut.completeLines) {
            continue;
        }
        const Outcome expected = step.line < cut.completeLines ? whole[i] : Outcome{};
        EXPECT_EQ(outcomes[i].ok, expected.ok) << name << " cut at " << cut.data.size() << ", line "
                                               << step.line + 1 << ": " << step.text;
        EXPECT_EQ(outcomes[i].value, expected.value)
            << name << " cut at " << cut.data.size() << ", line " << step.line + 1;
        ++checked;
    }
    return checked;
}

TEST(TruncationSweepTest, EveryRecordFileReadsUpToItsCutAndNoFurther) {
    const std::vector<std::string> fixtures = RecordFixtures();
    ASSERT_GE(fixtures.size(), 4u);
    for (const std::string& name : fixtures) {
        const std::string data = ReadFile(FixturePath(name));
        ASSERT_FALSE(data.empty()) << name;
        const std::vector<Step> steps = StepsOf(data);
        // The whole file, read the way it was written, gives every value of its lines.
        const std::vector<Outcome> whole = Walk(steps, data);
        for (size_t i = 0; i < steps.size(); ++i) {
            if (steps[i].kind == Step::kValue && whole[i].ok) {
                EXPECT_EQ(whole[i].value, steps[i].text) << name << " line " << steps[i].line + 1;
            }
        }
        size_t checked = 0;
        for (const Cut& cut : CutsOf(data)) {
            checked += WalkCut(steps, whole, cut, name);
        }
        EXPECT_GT(checked, steps.size()) << name;
    }
}

// Record readers -----------------------------------------------------------------------------

// Reads a record from the data and gives the lines its writer writes back.
using RecordReader = std::function<std::vector<std::string>(const std::string& data)>;

std::vector<std::string> LinesOfText(const std::string& text) {
    std::vector<std::string> lines;
    for (const Line& line : SplitLines(text)) {
        lines.push_back(line.text);
    }
    return lines;
}

template <class Record> std::vector<std::string> ReadAndWrite(const std::string& data) {
    CKLFile in;
    EXPECT_TRUE(in.OpenFromMemory(data));
    FileVersion::SetLoaded(FileVersion::kCurrent);
    Record record;
    record.Read(in);
    return LinesOfText(test::TextWrittenBy([&](CKLFile& out) { record.Write(out); }));
}

std::vector<std::string> ReadAndWriteRules(const std::string& data) {
    CKLFile in;
    EXPECT_TRUE(in.OpenFromMemory(data));
    RulesAndMisc rules;
    rules.Read(in);
    return LinesOfText(test::TextWrittenBy([&](CKLFile& out) { rules.Write(out); }));
}

// A player without a world: club references are read and written as they stand.
std::vector<std::string> ReadAndWritePlayer(const std::string& data) {
    CKLFile in;
    EXPECT_TRUE(in.OpenFromMemory(data));
    FileVersion::SetLoaded(FileVersion::kCurrent);
    CPlayer player;
    player.Load(in);
    return LinesOfText(test::TextWrittenBy([&](CKLFile& out) { player.Save(out); }));
}

struct Reader {
    RecordReader read;
    // Whether a cut file must give the values of its complete lines. The player stores its
    // national team flags twice and the later copy wins, so a cut inside the second copy (a
    // last line without its end, which reads as a shorter number) changes the first; its cut
    // files are read for safety only.
    bool keepsValuesBeforeTheCut = true;
};

// The reader of a record file, chosen by the name of its first section.
const std::map<std::string, Reader>& Readers() {
    static const std::map<std::string, Reader> readers = {
        {"STAFF", {ReadAndWrite<StaffMember>}},       {"REFEREE", {ReadAndWrite<Referee>}},
        {"SPONSOR", {ReadAndWrite<Sponsor>}},         {"STADIUM", {ReadAndWrite<Stadium>}},
        {"RECORD", {ReadAndWrite<ResultRecord>}},     {"DATE", {ReadAndWrite<GameDate>}},
        {"PL_POOL", {ReadAndWrite<PlayerPoolEntry>}}, {"MANAGER", {ReadAndWrite<NationalCoach>}},
        {"RULES_AND_MISC", {ReadAndWriteRules}},      {"PLAYER", {ReadAndWritePlayer, false}},
    };
    return readers;
}

std::string FirstSection(const std::string& data) {
    for (const Line& line : SplitLines(data)) {
        if (line.text.starts_with(kBegin)) {
            return line.text.substr(kBegin.size());
        }
    }
    return {};
}

TEST(TruncationSweepTest, RecordReadersKeepTheValuesBeforeTheCut) {
    size_t filesChecked = 0;
    for (const std::string& name : RecordFixtures()) {
        const std::string data = ReadFile(FixturePath(name));
        const auto reader = Readers().find(FirstSection(data));
        if (reader == Readers().end()) {
            continue;
        }
        // The fixture is what the writer writes, line for line, so the line of each value
        // written back is the line it was read from.
        const std::vector<Line> lines = SplitLines(data);
        std::vector<std::string> whole;
        for (const Line& line : lines) {
            whole.push_back(line.text);
        }
        ASSERT_EQ(reader->second.read(data), whole) << name << " is not in the writer's layout";
        // Which layout a file is read in depends on its VERSION section: cuts before its end
        // line are read as an older edition, so their values land elsewhere.
        size_t versionEnd = 0;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].text == std::string(kEnd) + "VERSION") {
                versionEnd = i + 1;
            }
        }

        for (const Cut& cut : CutsOf(data)) {
            const std::vector<std::string> back = reader->second.read(cut.data);
            if (cut.completeLines < versionEnd) {
                continue;
            }
            ASSERT_EQ(back.size(), whole.size()) << name;
            if (!reader->second.keepsValuesBeforeTheCut) {
                continue;
            }
            // The last complete line may be the first half of a value stored in two lines (a
            // club reference as its country and its number), which needs the other half; the
            // next cut checks it.
            for (size_t i = 0; i + 1 < cut.completeLines; ++i) {
                if (!whole[i].starts_with("%")) {
                    EXPECT_EQ(back[i], whole[i])
                        << name << " cut at " << cut.data.size() << ", line " << i + 1;
                }
            }
        }
        ++filesChecked;
    }
    EXPECT_GE(filesChecked, 3u); // at least the national coach, the rules and the player
}

TEST(TruncationSweepTest, RulesLoadFromCutFilesAsFromMemory) {
    const std::string data = ReadFile(FixturePath("rules/Rules.sav"));
    TempDir dir;
    size_t found = 0;
    for (const Cut& cut : CutsOf(data)) {
        if (cut.partialLine) {
            continue;
        }
        WriteFile(dir / "Rules.sav", cut.data);
        RulesAndMisc loaded;
        const bool ok = loaded.LoadRules(dir.Path());
        CKLFile file;
        ASSERT_TRUE(file.OpenFromMemory(cut.data));
        RulesAndMisc fromMemory;
        EXPECT_EQ(ok, fromMemory.Read(file));
        EXPECT_EQ(loaded, fromMemory) << "cut at " << cut.data.size();
        // The section is found once its begin line is there.
        EXPECT_EQ(ok, cut.completeLines >= 1);
        found += ok;
    }
    EXPECT_GT(found, 20u);
}

TEST(TruncationSweepTest, StadiumListsKeepTheEntriesBeforeTheCut) {
    const std::string path = FixturePath("stadium_list/StadiumList.txt");
    const std::string data = ReadFile(path);
    StadiumList whole;
    ASSERT_TRUE(whole.LoadFile(path));
    ASSERT_GE(whole.Count(), 2u);

    TempDir dir;
    for (const Cut& cut : CutsOf(data)) {
        WriteFile(dir / "StadiumList.txt", cut.data);
        StadiumList list;
        ASSERT_TRUE(list.LoadFile(dir / "StadiumList.txt"));
        ASSERT_LE(list.Count(), whole.Count()) << "cut at " << cut.data.size();
        // Entries before the cut are the whole file's; the last one may lack its number
        // and flag (read as 0) or, cut inside a line, part of that line.
        for (size_t i = 0; i + 1 < list.Count(); ++i) {
            EXPECT_EQ(list.Entries()[i].name, whole.Entries()[i].name);
            EXPECT_EQ(list.Entries()[i].number, whole.Entries()[i].number);
            EXPECT_EQ(list.Entries()[i].flag, whole.Entries()[i].flag);
        }
        if (cut.data.size() == data.size()) {
            EXPECT_EQ(list.Count(), whole.Count());
        }
    }
}

} // namespace
} // namespace tallo

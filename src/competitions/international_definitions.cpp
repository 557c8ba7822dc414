#include "competitions/international_definitions.h"

#include <algorithm>
#include <optional>

#include "competitions/competition_id.h"
#include "competitions/competition_keywords.h"
#include "competitions/cup_alloc.h"
#include "competitions/number_text.h"
#include "formats/kl_file.h"
#include "platform/path_resolver.h"

namespace tallo {

namespace {

constexpr std::string_view kTeamsSection = "TEAMS";
constexpr std::string_view kMatchdaysSection = "MATCHDAYS";
constexpr std::string_view kFixtureSection = "FIXTURE";
constexpr std::string_view kSwitzerlandType = "DB_SWITZERLAND";
// The line before a round's type line.
constexpr std::string_view kRoundLead = " --------------------------------------";
// Longest ID line the node loader reads.
constexpr size_t kMaxIdLineLength = 98;
// Longest line a record file holds.
constexpr size_t kMaxLineLength = 1023;
// A league has at most one fixture line per day of the season.
constexpr size_t kMaxFixtureLines = 400;

struct TypeName {
    std::string_view line;
    DefinitionNodeType type;
};

constexpr std::array<TypeName, 10> kTypeNames = {{
    {"DB_LEAGUE", DefinitionNodeType::kLeague},
    {"DB_POOL", DefinitionNodeType::kPool},
    {"DB_ROUND", DefinitionNodeType::kRound},
    {"DB_CUP", DefinitionNodeType::kCup},
    {"DB_CHALLENGE", DefinitionNodeType::kCup},
    {"DB_CONFERENCE", DefinitionNodeType::kCup},
    {"DB_REL1", DefinitionNodeType::kCup},
    {"DB_REL2", DefinitionNodeType::kCup},
    {"DB_REL3", DefinitionNodeType::kCup},
    {"DB_SWITZERLAND", DefinitionNodeType::kCup},
}};

// Splits a line at its commas; an empty line has no items.
std::vector<std::string_view> Items(std::string_view line) {
    std::vector<std::string_view> items;
    if (line.empty()) {
        return items;
    }
    while (items.size() < kMaxDefinitionListItems) {
        const size_t comma = line.find(',');
        items.push_back(line.substr(0, comma));
        if (comma == std::string_view::npos) {
            break;
        }
        line.remove_prefix(comma + 1);
    }
    return items;
}

std::vector<int32_t> NumberList(std::string_view line) {
    std::vector<int32_t> numbers;
    for (std::string_view item : Items(line)) {
        numbers.push_back(static_cast<int32_t>(LeadingNumber(item)));
    }
    return numbers;
}

// A club reference: leading blanks skipped, then at most 8 hexadecimal digits.
uint32_t HexItem(std::string_view item) {
    const size_t start = item.find_first_not_of(" \t");
    item = start == std::string_view::npos ? std::string_view{} : item.substr(start);
    uint32_t value = 0;
    for (size_t i = 0; i < item.size() && i < 8; ++i) {
        const char c = item[i];
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            break;
        }
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
}

std::string Joined(const std::vector<int32_t>& numbers) {
    std::string text;
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            text += ',';
        }
        text += std::to_string(numbers[i]);
    }
    return text;
}

std::string HexJoined(const std::vector<uint32_t>& references) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (size_t i = 0; i < references.size(); ++i) {
        if (i > 0) {
            text += ',';
        }
        std::string digits;
        uint32_t value = references[i];
        do {
            digits.insert(digits.begin(), kDigits[value & 0xFu]);
            value >>= 4;
        } while (value != 0);
        text += digits;
    }
    return text;
}

std::string Line(CKLFile& file, bool& ok) {
    std::string text;
    ok = file.ReadCString(text) && ok;
    return text;
}

int32_t Int(CKLFile& file, bool& ok) {
    int32_t value = 0;
    ok = file.ReadInt(value) && ok;
    return value;
}

uint8_t Byte(CKLFile& file, bool& ok) {
    uint8_t value = 0;
    ok = file.ReadByte(value) && ok;
    return value;
}

// The one line of a small section (TEAMS, MATCHDAYS); empty when the section is absent.
std::string SectionLine(CKLFile& file, std::string_view section) {
    std::string text;
    if (file.FindSection(section)) {
        file.ReadCString(text);
        file.SkipSection(section);
    }
    return text;
}

void ReadBaseValues(CKLFile& file, DefinitionNode& node) {
    bool ok = true;
    node.predecessors = CompetitionId::ParseList(Line(file, ok), kMaxDefinitionListItems);
    node.successors = CompetitionId::ParseList(Line(file, ok), kMaxDefinitionListItems);
    node.program = ReadProgramEntries(file);
}

void ReadValues(CKLFile& file, DefinitionNode& node) {
    bool ok = true;
    for (int32_t& value : node.values) {
        value = Int(file, ok);
    }
}

void ReadLeague(CKLFile& file, DefinitionNode& node) {
    bool ok = true;
    node.name = Line(file, ok);
    node.size = Int(file, ok);
    node.level = Int(file, ok);
    node.relegationRule = static_cast<uint8_t>(RelegationRuleKeywords().Lookup(Line(file, ok), 0));
    node.spareByte = Byte(file, ok);
    node.rounds = Int(file, ok);
    node.dayType = RoundKindKeywords().Lookup(Line(file, ok), -1);
    node.attendance = Byte(file, ok);
    const std::string teams = SectionLine(file, kTeamsSection);
    for (std::string_view item : Items(teams)) {
        node.teams.push_back(HexItem(item));
    }
    node.dayList = NumberList(SectionLine(file, kMatchdaysSection));
    if (file.FindSection(kFixtureSection)) {
        std::string line;
        while (node.fixture.size() < kMaxFixtureLines && file.ReadCString(line)) {
            node.fixture.push_back(NumberList(line));
        }
        file.SkipSection(kFixtureSection);
    }
    ReadValues(file, node);
    ReadBaseValues(file, node);
}

void ReadCup(CKLFile& file, DefinitionNode& node, const SchemeRoundCount& schemeRounds) {
    bool ok = true;
    node.name = Line(file, ok);
    node.scheme = Int(file, ok);
    if (node.typeLine == kSwitzerlandType) {
        node.extraLevel = Int(file, ok);
    }
    if (node.scheme == 0) {
        return; // a cup without a scheme has nothing more
    }
    node.dayList = NumberList(SectionLine(file, kMatchdaysSection));
    const int32_t rounds = std::clamp(
        schemeRounds ? schemeRounds(static_cast<uint32_t>(node.scheme)) : 0, 0, kMaxCupSchemeRows);
    node.roundValues.resize(static_cast<size_t>(rounds));
    for (std::array<int32_t, 4>& block : node.roundValues) {
        for (int32_t& value : block) {
            value = Int(file, ok);
        }
    }
    ReadBaseValues(file, node);
}

void ReadRound(CKLFile& file, DefinitionNode& node) {
    bool ok = true;
    node.name = Line(file, ok);
    node.roundSetting = Int(file, ok);
    node.firstLegDay = Int(file, ok);
    node.firstLegFlags = MatchFlagsFromText(Line(file, ok));
    node.secondLegDay = Int(file, ok);
    node.secondLegFlags = MatchFlagsFromText(Line(file, ok));
    ReadValues(file, node);
    ReadBaseValues(file, node);
}

void ReadPool(CKLFile& file, DefinitionNode& node) {
    bool ok = true;
    node.poolValue1 = Int(file, ok);
    node.poolValue2 = Int(file, ok);
    node.poolSort = PoolSortKeywords().Lookup(Line(file, ok), 0);
    node.checkCount = Int(file, ok);
    // Three lines always follow, the unused ones "0".
    for (uint32_t& id : node.checkIds) {
        id = CompetitionId::Parse(Line(file, ok));
    }
    ReadValues(file, node);
    ReadBaseValues(file, node);
}

bool TextIsWritable(std::string_view text) {
    if (text.size() > kMaxLineLength) {
        return false;
    }
    if (!text.empty() && (text.front() == ';' || text.front() == '%')) {
        return false;
    }
    return std::none_of(text.begin(), text.end(),
                        [](char c) { return c == '\r' || c == '\n' || c == '\x1a' || c == '\0'; });
}

bool IdIsWritable(uint32_t id) {
    return CompetitionId::Parse(CompetitionId::ToText(id)) == id;
}

bool IdListIsWritable(const std::vector<uint32_t>& ids) {
    return std::all_of(ids.begin(), ids.end(),
                       [](uint32_t id) { return id != 0 && IdIsWritable(id); }) &&
           CompetitionId::ListToText(ids.data(), ids.size(), CompetitionId::kNoCountryOverride)
                   .size() <= kMaxLineLength;
}

void Say(std::string* problem, std::string text) {
    if (problem != nullptr) {
        *problem = std::move(text);
    }
}

std::optional<std::string> NodeProblem(const DefinitionNode& node,
                                       const SchemeRoundCount& schemeRounds) {
    DefinitionNodeType type;
    if (!DefinitionNodeTypeOf(node.typeLine, type)) {
        return "unknown type line";
    }
    if (!IdIsWritable(node.id) || CompetitionId::ToText(node.id).size() > kMaxIdLineLength) {
        return "an ID without a text form";
    }
    if (type != DefinitionNodeType::kPool && !TextIsWritable(node.name)) {
        return "a name that would read back differently";
    }
    const bool hasBase = type != DefinitionNodeType::kCup || node.scheme != 0;
    if (hasBase) {
        if (!IdListIsWritable(node.predecessors) || !IdListIsWritable(node.successors)) {
            return "a link without a text form, a 0 link or an over-long link line";
        }
        std::string programProblem;
        if (!ProgramIsWritable(node.program, &programProblem)) {
            return "program " + programProblem;
        }
    }
    switch (type) {
    case DefinitionNodeType::kLeague:
        if (RelegationRuleKeywords().KeywordOf(node.relegationRule).empty() &&
            node.relegationRule != 0) {
            return "a relegation rule without a keyword";
        }
        if (node.dayType != -1 && RoundKindKeywords().KeywordOf(node.dayType).empty()) {
            return "a calendar day type without a keyword";
        }
        if (HexJoined(node.teams).size() > kMaxLineLength ||
            Joined(node.dayList).size() > kMaxLineLength ||
            node.fixture.size() > kMaxFixtureLines ||
            std::any_of(node.fixture.begin(), node.fixture.end(),
                        [](const auto& row) { return Joined(row).size() > kMaxLineLength; })) {
            return "a team, day or fixture line too long";
        }
        break;
    case DefinitionNodeType::kCup: {
        if (node.scheme == 0) {
            if (!node.dayList.empty() || !node.roundValues.empty()) {
                return "a cup without a scheme holds days or round values";
            }
            break;
        }
        const int32_t rounds =
            std::clamp(schemeRounds ? schemeRounds(static_cast<uint32_t>(node.scheme)) : 0, 0,
                       kMaxCupSchemeRows);
        if (node.roundValues.size() != static_cast<size_t>(rounds)) {
            return "round values for " + std::to_string(node.roundValues.size()) +
                   " rounds where the scheme has " + std::to_string(rounds);
        }
        if (Joined(node.dayList).size() > kMaxLineLength) {
            return "a day line too long";
        }
        break;
    }
    case DefinitionNodeType::kRound:
        if (MatchFlagsFromText(MatchFlagsToText(node.firstLegFlags)) != node.firstLegFlags ||
            MatchFlagsFromText(MatchFlagsToText(node.secondLegFlags)) != node.secondLegFlags) {
            return "a match flag without a keyword";
        }
        break;
    case DefinitionNodeType::kPool:
        if (node.poolSort != 0 && PoolSortKeywords().KeywordOf(node.poolSort).empty()) {
            return "a pool sort without a keyword";
        }
        for (uint32_t id : node.checkIds) {
            if (!IdIsWritable(id)) {
                return "a competition to check without a text form";
            }
        }
        break;
    }
    if (type != DefinitionNodeType::kLeague && type != DefinitionNodeType::kCup &&
        (!node.teams.empty() || !node.fixture.empty() || !node.dayList.empty())) {
        return "teams, fixtures or days on a node that has none";
    }
    return std::nullopt;
}

bool WriteBaseValues(CKLFile& file, const DefinitionNode& node) {
    bool ok = file.WriteString(CompetitionId::ListToText(
        node.predecessors.data(), node.predecessors.size(), CompetitionId::kNoCountryOverride));
    ok = file.WriteString(CompetitionId::ListToText(node.successors.data(), node.successors.size(),
                                                    CompetitionId::kNoCountryOverride)) &&
         ok;
    return WriteProgramEntries(file, node.program) && ok;
}

bool WriteValues(CKLFile& file, const std::array<int32_t, 4>& values) {
    bool ok = true;
    for (int32_t value : values) {
        ok = file.WriteInt(value) && ok;
    }
    return ok;
}

bool WriteSectionLine(CKLFile& file, std::string_view section, const std::string& line) {
    bool ok = file.WriteSectionBegin(section);
    ok = file.WriteString(line) && ok;
    return file.WriteSectionEnd(section) && ok;
}

bool WriteNode(CKLFile& file, const DefinitionNode& node) {
    DefinitionNodeType type = DefinitionNodeType::kLeague;
    DefinitionNodeTypeOf(node.typeLine, type);
    bool ok = true;
    if (type == DefinitionNodeType::kRound) {
        ok = file.WriteComment(kRoundLead) && ok;
    }
    ok = file.WriteString(node.typeLine) && ok;
    ok = file.WriteString(CompetitionId::ToText(node.id)) && ok;
    switch (type) {
    case DefinitionNodeType::kLeague:
        ok = file.WriteString(node.name) && ok;
        ok = file.WriteInt(node.size) && ok;
        ok = file.WriteInt(node.level) && ok;
        ok = file.WriteString(RelegationRuleKeywords().KeywordOf(node.relegationRule)) && ok;
        ok = file.WriteByte(node.spareByte) && ok;
        ok = file.WriteInt(node.rounds) && ok;
        ok = file.WriteString(RoundKindKeywords().KeywordOf(node.dayType)) && ok;
        ok = file.WriteByte(node.attendance) && ok;
        ok = file.WriteComment("") && ok;
        ok = WriteSectionLine(file, kTeamsSection, HexJoined(node.teams)) && ok;
        ok = file.WriteComment("") && ok;
        ok = WriteSectionLine(file, kMatchdaysSection, Joined(node.dayList)) && ok;
        ok = file.WriteComment("") && ok;
        ok = file.WriteSectionBegin(kFixtureSection) && ok;
        for (const std::vector<int32_t>& row : node.fixture) {
            ok = file.WriteString(Joined(row)) && ok;
        }
        ok = file.WriteSectionEnd(kFixtureSection) && ok;
        ok = WriteValues(file, node.values) && ok;
        return WriteBaseValues(file, node) && ok;
    case DefinitionNodeType::kCup:
        ok = file.WriteString(node.name) && ok;
        ok = file.WriteInt(node.scheme) && ok;
        if (node.typeLine == kSwitzerlandType) {
            ok = file.WriteInt(node.extraLevel) && ok;
        }
        if (node.scheme == 0) {
            return ok;
        }
        ok = WriteSectionLine(file, kMatchdaysSection, Joined(node.dayList)) && ok;
        for (const std::array<int32_t, 4>& block : node.roundValues) {
            ok = WriteValues(file, block) && ok;
        }
        return WriteBaseValues(file, node) && ok;
    case DefinitionNodeType::kRound:
        ok = file.WriteString(node.name) && ok;
        ok = file.WriteInt(node.roundSetting) && ok;
        ok = file.WriteInt(node.firstLegDay) && ok;
        ok = file.WriteString(MatchFlagsToText(node.firstLegFlags)) && ok;
        ok = file.WriteInt(node.secondLegDay) && ok;
        ok = file.WriteString(MatchFlagsToText(node.secondLegFlags)) && ok;
        ok = WriteValues(file, node.values) && ok;
        return WriteBaseValues(file, node) && ok;
    case DefinitionNodeType::kPool:
        ok = file.WriteInt(node.poolValue1) && ok;
        ok = file.WriteInt(node.poolValue2) && ok;
        ok = file.WriteString(PoolSortKeywords().KeywordOf(node.poolSort)) && ok;
        ok = file.WriteComment(" how many comps to check") && ok;
        ok = file.WriteInt(node.checkCount) && ok;
        ok = file.WriteComment(" which comps to check") && ok;
        for (uint32_t id : node.checkIds) {
            ok = (id == 0 ? file.WriteInt(0) : file.WriteString(CompetitionId::ToText(id))) && ok;
        }
        ok = WriteValues(file, node.values) && ok;
        return WriteBaseValues(file, node) && ok;
    }
    return false;
}

} // namespace

const std::array<InternationalDefinitionFileInfo, 5>& InternationalDefinitionFiles() {
    static const std::array<InternationalDefinitionFileInfo, 5> files = {{
        {"EuropeanCup.txt", "EURO", true, InternationalDayTable::kEuropean, true},
        {"SouthAmCup.txt", "SOUTHAM", true, InternationalDayTable::kSouthAmerican, true},
        {"QualiEC.txt", "QUALI_EC", true, InternationalDayTable::kQualification, true},
        {"WC.txt", "WORLD_CUP", true, InternationalDayTable::kWorldCup, true},
        {"InDoor.txt", "INDOOR", false, InternationalDayTable::kEuropean, false},
    }};
    return files;
}

bool DefinitionNodeTypeOf(std::string_view typeLine, DefinitionNodeType& type) {
    for (const TypeName& name : kTypeNames) {
        if (name.line == typeLine) {
            type = name.type;
            return true;
        }
    }
    return false;
}

int32_t LoadedSchemeRoundCount(uint32_t scheme) {
    const std::optional<CupScheme> found = CupSchemes().Scheme(scheme);
    return found ? found->RoundCount() : 0;
}

bool ReadDefinitionFile(CKLFile& file, std::string_view prefix, DefinitionFile& result,
                        const SchemeRoundCount& schemeRounds) {
    result = DefinitionFile{};
    if (!file.IsOpen()) {
        return false;
    }
    int32_t count = 0;
    file.ReadInt(count);
    result.nodeCount = std::clamp(count, 0, kMaxDefinitionNodes);
    for (int32_t i = 0; i < result.nodeCount; ++i) {
        const std::string section = std::string(prefix) + std::to_string(i);
        if (!file.FindSection(section)) {
            continue;
        }
        DefinitionNode node;
        node.section = i;
        bool ok = true;
        node.typeLine = Line(file, ok);
        DefinitionNodeType type;
        if (!ok || !DefinitionNodeTypeOf(node.typeLine, type)) {
            file.SkipSection(section);
            continue;
        }
        std::string idLine = Line(file, ok);
        if (idLine.size() > kMaxIdLineLength) {
            idLine.resize(kMaxIdLineLength);
        }
        node.id = CompetitionId::Parse(idLine);
        switch (type) {
        case DefinitionNodeType::kLeague:
            ReadLeague(file, node);
            break;
        case DefinitionNodeType::kCup:
            ReadCup(file, node, schemeRounds);
            break;
        case DefinitionNodeType::kRound:
            ReadRound(file, node);
            break;
        case DefinitionNodeType::kPool:
            ReadPool(file, node);
            break;
        }
        file.SkipSection(section);
        result.nodes.push_back(std::move(node));
    }
    return true;
}

bool ReadDefinitionFilePath(const std::string& path, std::string_view prefix,
                            DefinitionFile& result, const SchemeRoundCount& schemeRounds) {
    result = DefinitionFile{};
    CKLFile file;
    if (!file.OpenForRead(ResolvePath(path))) {
        return false;
    }
    const bool ok = ReadDefinitionFile(file, prefix, result, schemeRounds);
    file.Close();
    return ok;
}

bool DefinitionFileIsWritable(const DefinitionFile& data, const SchemeRoundCount& schemeRounds,
                              std::string* problem) {
    if (data.nodeCount < 0 || data.nodeCount > kMaxDefinitionNodes) {
        Say(problem, "the node count is outside 0 to " + std::to_string(kMaxDefinitionNodes));
        return false;
    }
    int32_t previous = -1;
    for (const DefinitionNode& node : data.nodes) {
        const std::string where = "section " + std::to_string(node.section) + ": ";
        if (node.section <= previous || node.section >= data.nodeCount) {
            Say(problem, where + "sections must ascend within 0 to the node count - 1");
            return false;
        }
        previous = node.section;
        if (const std::optional<std::string> found = NodeProblem(node, schemeRounds)) {
            Say(problem, where + *found);
            return false;
        }
    }
    return true;
}

bool WriteDefinitionFile(CKLFile& file, std::string_view prefix, const DefinitionFile& data,
                         const SchemeRoundCount& schemeRounds) {
    if (!file.IsOpenForWrite() || !DefinitionFileIsWritable(data, schemeRounds)) {
        return false;
    }
    bool ok = file.WriteInt(data.nodeCount);
    for (const DefinitionNode& node : data.nodes) {
        const std::string section = std::string(prefix) + std::to_string(node.section);
        ok = file.WriteSectionBegin(section) && ok;
        ok = WriteNode(file, node) && ok;
        ok = file.WriteSectionEnd(section) && ok;
    }
    return ok;
}

bool WriteDefinitionFilePath(const std::string& path, std::string_view prefix,
                             const DefinitionFile& data, const SchemeRoundCount& schemeRounds) {
    if (!DefinitionFileIsWritable(data, schemeRounds)) {
        return false;
    }
    CKLFile file;
    if (!file.OpenForWrite(ResolvePath(path))) {
        return false;
    }
    if (!WriteDefinitionFile(file, prefix, data, schemeRounds)) {
        file.AbandonWrite();
        return false;
    }
    return file.Close();
}

std::vector<int32_t> PaddedDayList(const std::vector<int32_t>& days, int32_t required) {
    std::vector<int32_t> list = days;
    while (static_cast<int64_t>(list.size()) < required && list.size() < kMaxDefinitionListItems) {
        list.push_back(0);
    }
    return list;
}

} // namespace tallo

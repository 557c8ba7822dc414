#include "competitions/qualification_program.h"

#include <algorithm>
#include <array>

#include "competitions/competition_id.h"
#include "competitions/number_text.h"
#include "formats/kl_file.h"

namespace tallo {

namespace {

constexpr std::array<std::string_view, 26> kKeywords = {
    "END_OF_ENTRY",
    "BUILD_COUNTER",
    "BUILD_UEFA5",
    "GET_CHAMP",
    "GET_UEFA5_TAB",
    "GET_UEFA5_SURE_TAB",
    "GET_UEFA5_SURE_UIC",
    "GET_TAB_X_TO_Y",
    "GET_TAB_LEVEL_X_TO_Y",
    "GET_TAB_SPARE",
    "GET_TAB_LEVEL_START_X_TO_Y",
    "GET_UEFA5_CHAMP_OR_FINALIST",
    "GET_WINNER",
    "GET_LOSER",
    "GET_POOL",
    "GET_NAT_UEFA5_WITH_HOST",
    "GET_NAT_UEFA5_WITHOUT_HOST",
    "GET_NAT_SOUTH_AMERICA",
    "GET_NAT_AMERICA",
    "GET_NAT_AFRICA",
    "GET_NAT_ASIA",
    "GET_NAT_OCEANIA",
    "GET_HOST",
    "GET_INTERNATIONAL_TAB_LEVEL_X_TO_Y",
    "GET_INTERNATIONAL_SPARE",
    "GET_TAB_LEVEL_INDOOR",
};

// Written for an unknown instruction: no keyword of the table starts it, so it reads back as
// an unknown instruction again.
constexpr std::string_view kUnknownKeyword = "UNKNOWN_INSTRUCTION";

// Where an instruction's operands come from: the text after the line's first comma and the
// value lines that follow the line.
enum class Form {
    kIdTwoLines,   // competition = ID, a = 0, b and c from two lines
    kN,            // a = n
    kNM,           // a = n, b = m
    kId,           // competition = ID
    kNXY,          // a = n, b = x, c = y
    kThreeLines,   // a, b, c from three lines
    kNothing,      // no operands
    kNId,          // a = n, competition = ID
    kIdBCLines,    // competition = ID, b and c from two lines
    kIdThreeLines, // competition = ID, a, b, c from three lines
    kIdCLine,      // competition = ID, c from one line
};

Form FormOf(int32_t opcode) {
    using namespace ProgramOpcode;
    switch (opcode) {
    case kBuildCounter:
        return Form::kN;
    case kBuildUefa5:
    case kGetUefa5SureTab:
    case kGetUefa5SureUic:
        return Form::kNM;
    case kGetChamp:
    case kGetWinner:
    case kGetLoser:
        return Form::kId;
    case kGetUefa5Tab:
        return Form::kNXY;
    case kGetTabLevelXToY:
    case kGetTabLevelStartXToY:
    case kGetTabLevelIndoor:
        return Form::kThreeLines;
    case kGetTabSpare:
    case kGetNatUefa5WithoutHost:
    case kGetNatSouthAmerica:
    case kGetNatAmerica:
    case kGetNatAfrica:
    case kGetNatAsia:
    case kGetNatOceania:
    case kGetHost:
        return Form::kNothing;
    case kGetUefa5ChampOrFinalist:
        return Form::kNId;
    case kGetPool:
        return Form::kIdBCLines;
    case kGetInternationalTabLevelXToY:
        return Form::kIdThreeLines;
    case kGetInternationalSpare:
        return Form::kIdCLine;
    default: // END_OF_ENTRY, GET_TAB_X_TO_Y, GET_NAT_UEFA5_WITH_HOST and unknown lines
        return Form::kIdTwoLines;
    }
}

struct Sets {
    bool competition = false;
    bool a = false;
    bool b = false;
    bool c = false;
};

Sets SetsOf(Form form) {
    switch (form) {
    case Form::kIdTwoLines:
        return {true, true, true, true};
    case Form::kN:
        return {false, true, false, false};
    case Form::kNM:
        return {false, true, true, false};
    case Form::kId:
        return {true, false, false, false};
    case Form::kNXY:
        return {false, true, true, true};
    case Form::kThreeLines:
        return {false, true, true, true};
    case Form::kNothing:
        return {false, false, false, false};
    case Form::kNId:
        return {true, true, false, false};
    case Form::kIdBCLines:
        return {true, false, true, true};
    case Form::kIdThreeLines:
        return {true, true, true, true};
    case Form::kIdCLine:
        return {true, false, false, true};
    }
    return {};
}

int32_t Number(std::string_view text) {
    return static_cast<int32_t>(LeadingNumber(text));
}

// The text after the first comma of `text`, or an empty text when there is none.
std::string_view AfterComma(std::string_view text) {
    const size_t comma = text.find(',');
    return comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
}

// The competition ID that starts at the first "{" of the text; 0 without one.
uint32_t IdOf(std::string_view text) {
    return CompetitionId::Parse(text);
}

int32_t ReadValue(CKLFile& file) {
    int32_t value = 0;
    file.ReadInt(value); // a missing value reads as 0
    return value;
}

bool IdWritable(uint32_t id) {
    return CompetitionId::Parse(CompetitionId::ToText(id)) == id;
}

void Say(std::string* problem, std::string text) {
    if (problem != nullptr) {
        *problem = std::move(text);
    }
}

// A table this size (some 80 MB) is far beyond any real database; appending stops there.
constexpr size_t kMaxTableEntries = size_t{1} << 22;

} // namespace

std::string_view ProgramOpcode::Keyword(int32_t opcode) {
    if (opcode < 0 || opcode >= static_cast<int32_t>(kKeywords.size())) {
        return {};
    }
    return kKeywords[static_cast<size_t>(opcode)];
}

int32_t ProgramOpcode::FromLine(std::string_view line) {
    for (size_t opcode = 0; opcode < kKeywords.size(); ++opcode) {
        if (line.substr(0, kKeywords[opcode].size()) == kKeywords[opcode]) {
            return static_cast<int32_t>(opcode);
        }
    }
    return kUnknown;
}

std::vector<ProgramEntry> ReadProgramEntries(CKLFile& file) {
    std::vector<ProgramEntry> entries;
    int32_t count = 0;
    if (!file.ReadInt(count) || count <= 0) {
        return entries;
    }
    ProgramEntry entry; // operands carry over from one entry to the next
    for (int32_t i = 0; i < count; ++i) {
        std::string text;
        if (!file.ReadCString(text)) {
            break;
        }
        if (text.size() > kMaxProgramLineLength) {
            text.resize(kMaxProgramLineLength);
        }
        const std::string_view line = text;
        entry.opcode = ProgramOpcode::FromLine(line);
        const std::string_view operands = AfterComma(line);
        switch (FormOf(entry.opcode)) {
        case Form::kIdTwoLines:
            entry.competition = IdOf(operands);
            entry.a = 0;
            entry.b = ReadValue(file);
            entry.c = ReadValue(file);
            break;
        case Form::kN:
            entry.a = Number(operands);
            break;
        case Form::kNM:
            entry.a = Number(operands);
            entry.b = Number(AfterComma(operands));
            break;
        case Form::kId:
            entry.competition = IdOf(operands);
            break;
        case Form::kNXY:
            entry.a = Number(operands);
            entry.b = Number(AfterComma(operands));
            entry.c = Number(AfterComma(AfterComma(operands)));
            break;
        case Form::kThreeLines:
            entry.a = ReadValue(file);
            entry.b = ReadValue(file);
            entry.c = ReadValue(file);
            break;
        case Form::kNothing:
            break;
        case Form::kNId:
            entry.a = Number(operands);
            entry.competition = IdOf(AfterComma(operands));
            break;
        case Form::kIdBCLines:
            entry.competition = IdOf(operands);
            entry.b = ReadValue(file);
            entry.c = ReadValue(file);
            break;
        case Form::kIdThreeLines:
            entry.competition = IdOf(operands);
            entry.a = ReadValue(file);
            entry.b = ReadValue(file);
            entry.c = ReadValue(file);
            break;
        case Form::kIdCLine:
            entry.competition = IdOf(operands);
            entry.c = ReadValue(file);
            break;
        }
        entries.push_back(entry);
    }
    return entries;
}

bool ProgramIsWritable(const std::vector<ProgramEntry>& entries, std::string* problem) {
    ProgramEntry before;
    for (size_t i = 0; i < entries.size(); ++i) {
        const ProgramEntry& entry = entries[i];
        const std::string where = "entry " + std::to_string(i) + ": ";
        if (entry.opcode < 0 || entry.opcode > ProgramOpcode::kUnknown) {
            Say(problem, where + "no instruction has the number " + std::to_string(entry.opcode));
            return false;
        }
        const Form form = FormOf(entry.opcode);
        const Sets sets = SetsOf(form);
        if (sets.competition && !IdWritable(entry.competition)) {
            Say(problem, where + "the competition operand has no text form");
            return false;
        }
        if (form == Form::kIdTwoLines && entry.a != 0) {
            Say(problem, where + "operand a must be 0");
            return false;
        }
        if ((!sets.competition && entry.competition != before.competition) ||
            (!sets.a && entry.a != before.a) || (!sets.b && entry.b != before.b) ||
            (!sets.c && entry.c != before.c)) {
            Say(problem, where + "an operand the instruction does not write differs from the "
                                 "entry before");
            return false;
        }
        before = entry;
    }
    return true;
}

bool WriteProgramEntries(CKLFile& file, const std::vector<ProgramEntry>& entries) {
    if (!ProgramIsWritable(entries) || entries.size() > static_cast<size_t>(INT32_MAX)) {
        return false;
    }
    bool ok = file.WriteInt(static_cast<int32_t>(entries.size()));
    for (const ProgramEntry& entry : entries) {
        std::string line{entry.opcode == ProgramOpcode::kUnknown
                             ? kUnknownKeyword
                             : ProgramOpcode::Keyword(entry.opcode)};
        const std::string id = CompetitionId::ToText(entry.competition);
        std::vector<int32_t> valueLines;
        switch (FormOf(entry.opcode)) {
        case Form::kIdTwoLines:
            line += ", " + id;
            valueLines = {entry.b, entry.c};
            break;
        case Form::kN:
            line += ", " + std::to_string(entry.a);
            break;
        case Form::kNM:
            line += ", " + std::to_string(entry.a) + ", " + std::to_string(entry.b);
            break;
        case Form::kId:
            line += ", " + id;
            break;
        case Form::kNXY:
            line += ", " + std::to_string(entry.a) + ", " + std::to_string(entry.b) + ", " +
                    std::to_string(entry.c);
            break;
        case Form::kThreeLines:
            valueLines = {entry.a, entry.b, entry.c};
            break;
        case Form::kNothing:
            break;
        case Form::kNId:
            line += ", " + std::to_string(entry.a) + ", " + id;
            break;
        case Form::kIdBCLines:
            line += ", " + id;
            valueLines = {entry.b, entry.c};
            break;
        case Form::kIdThreeLines:
            line += ", " + id;
            valueLines = {entry.a, entry.b, entry.c};
            break;
        case Form::kIdCLine:
            line += ", " + id;
            valueLines = {entry.c};
            break;
        }
        ok = file.WriteString(line) && ok;
        for (int32_t value : valueLines) {
            ok = file.WriteInt(value) && ok;
        }
    }
    return ok;
}

CProgramTable::CProgramTable() {
    Clear();
}

uint32_t CProgramTable::AppendLocked(const std::vector<ProgramEntry>& entries) {
    if (entries_.size() + entries.size() + 1 > kMaxTableEntries) {
        return 0;
    }
    const uint32_t start = static_cast<uint32_t>(entries_.size());
    entries_.insert(entries_.end(), entries.begin(), entries.end());
    ProgramEntry end = entries.empty() ? ProgramEntry{} : entries.back();
    end.opcode = ProgramOpcode::kEndOfEntry;
    entries_.push_back(end);
    spans_.push_back(Span{start, static_cast<uint32_t>(entries.size())});
    return start;
}

uint32_t CProgramTable::Append(const std::vector<ProgramEntry>& entries) {
    std::lock_guard lock(mutex_);
    return AppendLocked(entries);
}

uint32_t CProgramTable::ReadProgram(CKLFile& file) {
    return Append(ReadProgramEntries(file));
}

uint32_t CProgramTable::Instantiate(uint32_t index, uint32_t country, int32_t level) {
    std::lock_guard lock(mutex_);
    if (index >= entries_.size()) {
        return 0;
    }
    std::vector<ProgramEntry> copy;
    for (size_t i = index; i < entries_.size(); ++i) {
        copy.push_back(entries_[i]);
        if (entries_[i].opcode == ProgramOpcode::kEndOfEntry) {
            break;
        }
    }
    for (ProgramEntry& entry : copy) {
        if (entry.opcode == ProgramOpcode::kEndOfEntry || entry.opcode == ProgramOpcode::kUnknown) {
            continue;
        }
        entry.competition |= (country & 0xFFu) << 24;
        if (entry.opcode == ProgramOpcode::kGetTabLevelXToY ||
            entry.opcode == ProgramOpcode::kGetTabLevelStartXToY ||
            entry.opcode == ProgramOpcode::kGetTabLevelIndoor) {
            if (entry.a == -1) {
                entry.a = level;
            } else if (entry.a == -2) {
                entry.a = level == INT32_MAX ? level : level + 1;
            }
        }
    }
    // The copy already ends with its END_OF_ENTRY (the table always ends with one).
    if (entries_.size() + copy.size() > kMaxTableEntries) {
        return 0;
    }
    const uint32_t start = static_cast<uint32_t>(entries_.size());
    entries_.insert(entries_.end(), copy.begin(), copy.end());
    spans_.push_back(Span{start, static_cast<uint32_t>(copy.size() - 1)});
    return start;
}

std::vector<ProgramEntry> CProgramTable::Program(uint32_t index) const {
    std::lock_guard lock(mutex_);
    std::vector<ProgramEntry> program;
    for (size_t i = index; i < entries_.size(); ++i) {
        program.push_back(entries_[i]);
        if (entries_[i].opcode == ProgramOpcode::kEndOfEntry) {
            break;
        }
    }
    return program;
}

std::vector<ProgramEntry> CProgramTable::EntriesAsRead(uint32_t index) const {
    std::lock_guard lock(mutex_);
    const auto span = std::lower_bound(spans_.begin(), spans_.end(), index,
                                       [](const Span& s, uint32_t i) { return s.start < i; });
    if (span == spans_.end() || span->start != index) {
        return {};
    }
    return std::vector<ProgramEntry>(entries_.begin() + span->start,
                                     entries_.begin() + span->start + span->count);
}

size_t CProgramTable::Size() const {
    std::lock_guard lock(mutex_);
    return entries_.size();
}

std::vector<ProgramEntry> CProgramTable::Entries() const {
    std::lock_guard lock(mutex_);
    return entries_;
}

void CProgramTable::Clear() {
    std::lock_guard lock(mutex_);
    entries_.clear();
    spans_.clear();
    AppendLocked({});
}

CProgramTable& ProgramTable() {
    static CProgramTable table;
    return table;
}

} // namespace tallo

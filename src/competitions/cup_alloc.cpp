#include "competitions/cup_alloc.h"

#include <algorithm>

#include "competitions/competition_keywords.h"
#include "competitions/number_text.h"
#include "competitions/scheme_services.h"
#include "formats/kl_file.h"
#include "platform/path_resolver.h"

namespace tallo {

namespace {

// The text after the first comma, or an empty text without one.
std::string_view AfterComma(std::string_view text) {
    const size_t comma = text.find(',');
    return comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
}

std::string_view UpToComma(std::string_view text) {
    return text.substr(0, text.find(','));
}

void Say(std::string* problem, std::string text) {
    if (problem != nullptr) {
        *problem = std::move(text);
    }
}

std::string SectionName(int32_t number) {
    return "CUP" + std::to_string(number);
}

} // namespace

CupSchemeRow ParseCupSchemeRow(std::string_view line) {
    CupSchemeRow row;
    row.kind = -1;
    const size_t brace = line.find('{');
    if (brace == std::string_view::npos) {
        return row;
    }
    std::string_view rest = line.substr(brace + 1);
    int32_t* values[6] = {&row.a, &row.b, &row.c, &row.d, &row.e, &row.f};
    bool more = true;
    for (int32_t* value : values) {
        *value = more ? static_cast<int32_t>(LeadingNumber(UpToComma(rest))) : 0;
        more = more && rest.find(',') != std::string_view::npos;
        rest = AfterComma(rest);
    }
    if (!more) {
        return row;
    }
    row.kind = RoundKindKeywords().Lookup(UpToComma(rest), -1);
    if (rest.find(',') == std::string_view::npos) {
        return row;
    }
    row.flags = MatchFlagsFromText(AfterComma(rest));
    return row;
}

std::string CupSchemeRowText(const CupSchemeRow& row) {
    std::string text = "{ ";
    for (int32_t value : {row.a, row.b, row.c, row.d, row.e, row.f}) {
        text += std::to_string(value);
        text += ", ";
    }
    text += RoundKindKeywords().KeywordOf(row.kind);
    text += ", ";
    text += MatchFlagsToText(row.flags);
    text += " }";
    return text;
}

bool ReadCupAlloc(CKLFile& file, CupAllocFile& result) {
    result = CupAllocFile{};
    if (!file.IsOpen()) {
        return false;
    }
    int32_t highest = 0;
    file.ReadInt(highest);
    result.highest = std::clamp(highest, 0, kMaxCupSchemeNumber);
    for (int32_t number = 1; number <= result.highest; ++number) {
        const std::string section = SectionName(number);
        if (!file.FindSection(section)) {
            continue;
        }
        CupSchemeDefinition scheme;
        int32_t rowCount = 0;
        file.ReadInt(rowCount);
        // Every row line is read so that the program after them is found; only the first
        // eight are kept. A line that cannot be read ends the rows.
        for (int32_t i = 0; i < rowCount; ++i) {
            std::string line;
            if (!file.ReadCString(line)) {
                break;
            }
            if (line.size() > kMaxCupSchemeRowLength) {
                line.resize(kMaxCupSchemeRowLength);
            }
            if (i < kMaxCupSchemeRows) {
                scheme.rows.push_back(ParseCupSchemeRow(line));
            }
        }
        scheme.program = ReadProgramEntries(file);
        file.SkipSection(section);
        result.schemes[number] = std::move(scheme);
    }
    return true;
}

bool ReadCupAllocFile(const std::string& path, CupAllocFile& result) {
    result = CupAllocFile{};
    CKLFile file;
    if (!file.OpenForRead(ResolvePath(path))) {
        return false;
    }
    const bool ok = ReadCupAlloc(file, result);
    file.Close();
    return ok;
}

bool CupAllocIsWritable(const CupAllocFile& data, std::string* problem) {
    if (data.highest < 0 || data.highest > kMaxCupSchemeNumber) {
        Say(problem,
            "the highest scheme number is outside 0 to " + std::to_string(kMaxCupSchemeNumber));
        return false;
    }
    for (const auto& [number, scheme] : data.schemes) {
        const std::string where = "scheme " + std::to_string(number) + ": ";
        if (number < 1 || number > data.highest) {
            Say(problem, where + "number outside 1 to the highest scheme number");
            return false;
        }
        if (scheme.rows.size() > static_cast<size_t>(kMaxCupSchemeRows)) {
            Say(problem, where + "more than 8 rows");
            return false;
        }
        for (const CupSchemeRow& row : scheme.rows) {
            if (row.kind != -1 && RoundKindKeywords().KeywordOf(row.kind).empty()) {
                Say(problem, where + "a round kind without a keyword");
                return false;
            }
            if (MatchFlagsFromText(MatchFlagsToText(row.flags)) != row.flags) {
                Say(problem, where + "a match flag without a keyword");
                return false;
            }
            if (CupSchemeRowText(row).size() > kMaxCupSchemeRowLength) {
                Say(problem, where + "a row line longer than " +
                                 std::to_string(kMaxCupSchemeRowLength) + " characters");
                return false;
            }
        }
        std::string programProblem;
        if (!ProgramIsWritable(scheme.program, &programProblem)) {
            Say(problem, where + "program " + programProblem);
            return false;
        }
    }
    return true;
}

bool WriteCupAlloc(CKLFile& file, const CupAllocFile& data) {
    if (!file.IsOpenForWrite() || !CupAllocIsWritable(data)) {
        return false;
    }
    bool ok = file.WriteInt(data.highest);
    for (const auto& [number, scheme] : data.schemes) {
        const std::string section = SectionName(number);
        ok = file.WriteSectionBegin(section) && ok;
        ok = file.WriteInt(static_cast<int32_t>(scheme.rows.size())) && ok;
        for (const CupSchemeRow& row : scheme.rows) {
            ok = file.WriteString(CupSchemeRowText(row)) && ok;
        }
        ok = WriteProgramEntries(file, scheme.program) && ok;
        ok = file.WriteSectionEnd(section) && ok;
    }
    return ok;
}

bool WriteCupAllocFile(const std::string& path, const CupAllocFile& data) {
    if (!CupAllocIsWritable(data)) {
        return false;
    }
    CKLFile file;
    if (!file.OpenForWrite(ResolvePath(path))) {
        return false;
    }
    if (!WriteCupAlloc(file, data)) {
        file.AbandonWrite();
        return false;
    }
    return file.Close();
}

int32_t CupScheme::RoundCount() const {
    return rowCount > 0 ? std::clamp(rows[0].b, 0, kMaxCupSchemeRows) : 0;
}

int32_t CupScheme::RequiredMatchdays() const {
    int32_t matchdays = 0;
    for (int32_t i = 0; i < RoundCount(); ++i) {
        const bool twoDays = (rows[static_cast<size_t>(i)].flags &
                              (MatchFlag::k2ndLeg | MatchFlag::kWithReplay)) != 0;
        matchdays += twoDays ? 2 : 1;
    }
    return matchdays;
}

void CCupSchemeTable::Install(const CupAllocFile& data, CProgramTable& programs) {
    std::map<uint32_t, CupScheme> schemes;
    for (const auto& [number, definition] : data.schemes) {
        if (number < 1 || number > data.highest) {
            continue;
        }
        CupScheme scheme;
        const size_t count =
            std::min(definition.rows.size(), static_cast<size_t>(kMaxCupSchemeRows));
        std::copy_n(definition.rows.begin(), count, scheme.rows.begin());
        scheme.rowCount = static_cast<int32_t>(count);
        scheme.programIndex = programs.Append(definition.program);
        schemes[static_cast<uint32_t>(number)] = scheme;
    }
    std::lock_guard lock(mutex_);
    highest_ = std::clamp(data.highest, 0, kMaxCupSchemeNumber);
    schemes_ = std::move(schemes);
}

void CCupSchemeTable::Clear() {
    std::lock_guard lock(mutex_);
    highest_ = 0;
    schemes_.clear();
}

int32_t CCupSchemeTable::Highest() const {
    std::lock_guard lock(mutex_);
    return highest_;
}

std::optional<CupScheme> CCupSchemeTable::Scheme(uint32_t number) const {
    std::lock_guard lock(mutex_);
    const auto found = schemes_.find(number);
    if (found == schemes_.end()) {
        return std::nullopt;
    }
    return found->second;
}

uint32_t CCupSchemeTable::InstantiateProgram(uint32_t number, uint32_t country, int32_t level,
                                             CProgramTable& programs) const {
    const std::optional<CupScheme> scheme = Scheme(number);
    if (!scheme) {
        return 0;
    }
    return programs.Instantiate(scheme->programIndex, country, level);
}

CCupSchemeTable& CupSchemes() {
    static CCupSchemeTable table;
    return table;
}

bool LoadCupSchemes(const std::string& scriptFolder) {
    CupAllocFile data;
    const bool read = ReadCupAllocFile(scriptFolder + "/CupAlloc.txt", data);
    CupSchemes().Install(data, ProgramTable());
    return read;
}

void InstallCupSchemeServices() {
    CupSchemeServices services;
    services.rounds = [](uint32_t number) {
        std::vector<CupSchemeRound> rounds;
        const std::optional<CupScheme> scheme = CupSchemes().Scheme(number);
        if (scheme) {
            for (int32_t i = 0; i < scheme->RoundCount(); ++i) {
                const CupSchemeRow& row = scheme->rows[static_cast<size_t>(i)];
                rounds.push_back(CupSchemeRound{row.flags, row.kind});
            }
        }
        return rounds;
    };
    services.readProgram = [](CKLFile& file) { return ProgramTable().ReadProgram(file); };
    services.instantiateProgram = [](uint32_t number, uint32_t country, int32_t level) {
        return CupSchemes().InstantiateProgram(number, country, level, ProgramTable());
    };
    SetCupSchemeServices(std::move(services));
}

} // namespace tallo

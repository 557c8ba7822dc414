#include "formats/team_colour_text_file.h"

#include "formats/decimal_value.h"

namespace tallo {

CTeamColourTextFile::CTeamColourTextFile(const TextTableLayout& layout) : CBaseTextFile(layout) {}

CTeamColourTextFile::~CTeamColourTextFile() = default;

void CTeamColourTextFile::Clear() {
    CBaseTextFile::Clear();
    secondNumbers_.clear();
    secondNumbers_.shrink_to_fit();
}

void CTeamColourTextFile::Allocate(int32_t rows) {
    CBaseTextFile::Allocate(rows);
    secondNumbers_.assign(static_cast<size_t>(Allocated()), 0);
}

void CTeamColourTextFile::SetText(int32_t row, std::string_view text) {
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        StoreText(row, text);
        SetSecondNumber(row, 0);
        return;
    }
    StoreText(row, text.substr(0, comma));
    SetSecondNumber(row, DecimalValue(text.substr(comma + 1)));
}

void CTeamColourTextFile::SetMissingText(int32_t row) {
    CBaseTextFile::SetMissingText(row);
    SetSecondNumber(row, 0);
}

void CTeamColourTextFile::SetSecondNumber(int32_t row, int32_t value) {
    if (row >= 0 && static_cast<size_t>(row) < secondNumbers_.size()) {
        secondNumbers_[static_cast<size_t>(row)] = value;
    }
}

int32_t CTeamColourTextFile::SecondNumber(int32_t row) const {
    if (row < 0 || row >= Count() || static_cast<size_t>(row) >= secondNumbers_.size()) {
        return 0;
    }
    return secondNumbers_[static_cast<size_t>(row)];
}

} // namespace tallo

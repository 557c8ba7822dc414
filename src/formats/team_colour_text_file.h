#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "formats/base_text_file.h"

namespace tallo {

// The kit colour table: a row's text line holds "<name>,<second number>". The part before
// the first comma is the row's text, the decimal value after it the row's second number;
// a line without a comma is the text alone, with second number 0.
class CTeamColourTextFile : public CBaseTextFile {
public:
    explicit CTeamColourTextFile(const TextTableLayout& layout);
    ~CTeamColourTextFile() override;

    void Clear() override;
    void Allocate(int32_t rows) override;
    void SetText(int32_t row, std::string_view text) override;
    // The missing-file text, and second number 0.
    void SetMissingText(int32_t row) override;

    // Second number of a row in use; 0 for any other row.
    int32_t SecondNumber(int32_t row) const;

private:
    void SetSecondNumber(int32_t row, int32_t value);

    std::vector<int32_t> secondNumbers_;
};

} // namespace tallo

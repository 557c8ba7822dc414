#include "competitions/db_fixturelist.h"

#include <algorithm>
#include <cstddef>

namespace tallo {

void CDBFixturelist::Reset(int rows, int columns) {
    rows_ = std::clamp(rows, 0, kMaxRows);
    columns_ = std::clamp(columns, 0, kMaxColumns);
    pairings_.assign(static_cast<size_t>(rows_) * static_cast<size_t>(columns_), Pairing{});
}

void CDBFixturelist::Resize(int rows, int columns) {
    CDBFixturelist old = std::move(*this);
    Reset(rows, columns);
    CopyFittingFrom(old);
}

bool CDBFixturelist::SetPairing(int row, int column, uint8_t home, uint8_t away) {
    if (!Inside(row, column)) {
        return false;
    }
    pairings_[Index(row, column)] = Pairing{home, away};
    return true;
}

CDBFixturelist::Pairing CDBFixturelist::GetPairing(int row, int column) const {
    return Inside(row, column) ? pairings_[Index(row, column)] : Pairing{};
}

bool CDBFixturelist::ClearPairing(int row, int column) {
    return SetPairing(row, column, 0, 0);
}

bool CDBFixturelist::ClearRow(int row) {
    if (row < 0 || row >= rows_) {
        return false;
    }
    for (int column = 0; column < columns_; ++column) {
        pairings_[Index(row, column)] = Pairing{};
    }
    return true;
}

bool CDBFixturelist::SetRow(int row, const std::vector<Pairing>& pairings) {
    if (!ClearRow(row)) {
        return false;
    }
    int count = std::min(static_cast<int>(pairings.size()), columns_);
    for (int column = 0; column < count; ++column) {
        pairings_[Index(row, column)] = pairings[static_cast<size_t>(column)];
    }
    return true;
}

std::vector<CDBFixturelist::Pairing> CDBFixturelist::GetRow(int row) const {
    if (row < 0 || row >= rows_) {
        return {};
    }
    return std::vector<Pairing>(pairings_.begin() + static_cast<std::ptrdiff_t>(Index(row, 0)),
                                pairings_.begin() +
                                    static_cast<std::ptrdiff_t>(Index(row, columns_)));
}

bool CDBFixturelist::IsComplete() const {
    return EmptyPairings() == 0;
}

int CDBFixturelist::EmptyPairings() const {
    return static_cast<int>(std::count_if(pairings_.begin(), pairings_.end(),
                                          [](Pairing p) { return p.home == 0 || p.away == 0; }));
}

void CDBFixturelist::CopyFittingFrom(const CDBFixturelist& other) {
    int rows = std::min(rows_, other.rows_);
    int columns = std::min(columns_, other.columns_);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            pairings_[Index(row, column)] = other.pairings_[other.Index(row, column)];
        }
    }
}

std::string CDBFixturelist::RowText(int row) const {
    std::string text;
    for (int column = 0; column < columns_; ++column) {
        Pairing pairing = GetPairing(row, column);
        if (column > 0) {
            text += ',';
        }
        text += std::to_string(pairing.home);
        text += ',';
        text += std::to_string(pairing.away);
    }
    return text;
}

} // namespace tallo

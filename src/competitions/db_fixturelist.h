#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

// The fixture table of a league: one row per matchday, one column per pairing of that
// matchday. A pairing holds two team numbers (home, away) counting from 1 in the order of the
// league's team list; 0 is an empty side.
class CDBFixturelist {
public:
    struct Pairing {
        uint8_t home = 0;
        uint8_t away = 0;
        bool operator==(const Pairing&) const = default;
    };

    // A season has at most 400 matchdays and a league at most 100 teams.
    static constexpr int kMaxRows = 400;
    static constexpr int kMaxColumns = 50;

    // An empty table of the given shape (cut to the limits above; negative counts give 0).
    void Reset(int rows, int columns);
    // The new shape, keeping the pairings that fit.
    void Resize(int rows, int columns);
    int Rows() const { return rows_; }
    int Columns() const { return columns_; }

    // False outside the table.
    bool SetPairing(int row, int column, uint8_t home, uint8_t away);
    // An empty pairing outside the table.
    Pairing GetPairing(int row, int column) const;
    bool ClearPairing(int row, int column);
    bool ClearRow(int row);
    // Sets a whole row from its pairings (more than the columns are cut, fewer leave the rest
    // empty).
    bool SetRow(int row, const std::vector<Pairing>& pairings);
    std::vector<Pairing> GetRow(int row) const;

    // Complete when no pairing has an empty side.
    bool IsComplete() const;
    int EmptyPairings() const;
    // The pairings of `other` that fit into this table's shape.
    void CopyFittingFrom(const CDBFixturelist& other);

    // A row as the league section writes it: "%d,%d" per pairing, joined by commas.
    std::string RowText(int row) const;

private:
    size_t Index(int row, int column) const {
        return static_cast<size_t>(row) * static_cast<size_t>(columns_) +
               static_cast<size_t>(column);
    }
    bool Inside(int row, int column) const {
        return row >= 0 && row < rows_ && column >= 0 && column < columns_;
    }

    int rows_ = 0;
    int columns_ = 0;
    std::vector<Pairing> pairings_;
};

} // namespace tallo

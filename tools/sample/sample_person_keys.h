#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {
class CPlayer;
class CWorld;
} // namespace tallo

namespace tallo::sample {

// The keys under which the mappings look persons up, counted over every person of a world,
// so that the ID tables can name players that exactly one person answers to:
// - by name in the player ID table: "first surname", blanks tidied, compared regardless of
//   case; by nickname there: the nickname or the pseudonym, regardless of case;
// - in the star heads: "first surname", the nickname or the pseudonym, accent-folded;
// - in the special-face table: "first surname" accent-folded.
class SamplePersonKeys {
public:
    explicit SamplePersonKeys(const CWorld& world);

    // "first surname" with the blanks tidied, as the player ID table holds a name.
    static std::string FullName(const CPlayer& player);
    // Text lower-cased in the active code page.
    static std::string Lower(std::string_view text);
    // Text accent-folded, as the star heads and the face mapping compare names.
    static std::string Folded(std::string_view text);

    // Whether a text is a person's name, nickname or pseudonym in any of the forms above.
    bool IsKnown(std::string_view text) const;

    // The person answers to this name alone in the player ID table (by name), and nobody's
    // nickname or pseudonym is the same text.
    bool UniqueByName(const CPlayer& player) const;
    // The person's pseudonym is his alone among every nickname and pseudonym, and nobody's
    // name (regardless of case).
    bool UniquePseudonym(const CPlayer& player) const;
    // The person's folded name is his alone among every folded name, nickname and pseudonym.
    bool UniqueFolded(const CPlayer& player) const;

    // The club players (role player, listed by a club that is not a national team), each
    // once, in the order of countries, clubs and club lists.
    const std::vector<const CPlayer*>& ClubPlayers() const { return clubPlayers_; }

private:
    static size_t CountOf(const std::map<std::string, size_t, std::less<>>& counts,
                          std::string_view key);

    std::map<std::string, size_t, std::less<>> names_;     // Lower(FullName)
    std::map<std::string, size_t, std::less<>> nicknames_; // Lower(nickname or pseudonym)
    std::map<std::string, size_t, std::less<>> folded_;    // Folded(name, nickname, pseudonym)
    std::vector<const CPlayer*> clubPlayers_;
};

} // namespace tallo::sample

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tallo {

// The articles a club's texts can carry in each language slot of a database (German, English,
// French, Spanish, Italian): a club keeps, per slot, the index of the article its name, fan
// name, second fan name and abbreviation take in that language's list. UTF-8 texts.
const std::vector<std::string>& ArticlesOfSlot(int languageSlot);

// The number of articles of a slot (1 for a slot out of range, so that cycling stays at 0).
int ArticleCount(int languageSlot);

// The index after `index` in the slot's list: one on, back to 0 at the end (also from an index
// beyond the list, as a file may hold one).
uint8_t NextArticle(int languageSlot, uint8_t index);

// The article shown for an index: its text, or the number itself for an index beyond the list.
std::string ArticleLabel(int languageSlot, uint8_t index);

} // namespace tallo

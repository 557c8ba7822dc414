#include "editing/club/club_articles.h"

#include <array>

namespace tallo {

namespace {

// An empty text stands for "no article" (English names mostly go without one).
const std::array<std::vector<std::string>, 5>& ArticleTable() {
    static const std::array<std::vector<std::string>, 5> table = {{
        {"der", "die", "das"},                      // German
        {"", "the"},                                // English
        {"le", "la", "l'", "les"},                  // French
        {"el", "la", "los", "las"},                 // Spanish
        {"il", "lo", "la", "l'", "i", "gli", "le"}, // Italian
    }};
    return table;
}

} // namespace

const std::vector<std::string>& ArticlesOfSlot(int languageSlot) {
    static const std::vector<std::string> none = {""};
    if (languageSlot < 0 || languageSlot >= static_cast<int>(ArticleTable().size())) {
        return none;
    }
    return ArticleTable()[static_cast<size_t>(languageSlot)];
}

int ArticleCount(int languageSlot) {
    return static_cast<int>(ArticlesOfSlot(languageSlot).size());
}

uint8_t NextArticle(int languageSlot, uint8_t index) {
    const int next = index + 1;
    return next >= ArticleCount(languageSlot) ? 0 : static_cast<uint8_t>(next);
}

std::string ArticleLabel(int languageSlot, uint8_t index) {
    const std::vector<std::string>& articles = ArticlesOfSlot(languageSlot);
    if (index < articles.size()) {
        return articles[index].empty() ? std::string("-") : articles[index];
    }
    return std::to_string(index);
}

} // namespace tallo

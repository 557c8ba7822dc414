#include "world/name_search.h"

#include "world/accent_folding.h"
#include "world/text_utils.h"

namespace tallo {

namespace {

// The length the search buffers hold.
constexpr size_t kMaxKeyLength = 127;

} // namespace

std::string MakeSearchKey(std::string_view text) {
    std::string key = FoldName(text, kMaxKeyLength);
    // Upper case of the plain letters only: after folding, letters with accents are plain,
    // and the result does not depend on the locale.
    for (char& c : key) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return key;
}

bool NameMatches(std::string_view name, std::string_view criterionKey) {
    return criterionKey.empty() || WildcardMatch(MakeSearchKey(name), criterionKey);
}

} // namespace tallo

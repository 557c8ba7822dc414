#include "world/club_text.h"

#include <cctype>

namespace tallo::club_text {

namespace {

bool StartsLikeMarker(std::string_view text) {
    return !text.empty() && (text.front() == ';' || text.front() == '%');
}

// Cuts `text` to `maxLength` bytes, one byte shorter when the cut would leave a CR without
// its LF.
void CutKeepingLineBreaks(std::string& text, size_t maxLength) {
    if (text.size() <= maxLength) {
        return;
    }
    text.resize(maxLength);
    if (!text.empty() && text.back() == '\r') {
        text.pop_back();
    }
}

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

bool IsSafeLine(std::string_view text, bool quoted) {
    if (StartsLikeMarker(text)) {
        return false;
    }
    for (char c : text) {
        if (c == '\r' || c == '\n' || c == '\x1a' || c == '\0') {
            return false;
        }
        if (quoted && c == '"') {
            return false;
        }
    }
    return true;
}

bool NormaliseMultiLine(std::string_view text, size_t maxLength, std::string& out) {
    if (StartsLikeMarker(text)) {
        return false;
    }
    std::string result;
    result.reserve(text.size() + 8);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            result += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else if (c == '\n') {
            result += "\r\n";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            return false; // tab, end-of-file byte, zero byte and other control characters
        } else {
            result += c;
        }
    }
    CutKeepingLineBreaks(result, maxLength);
    out = std::move(result);
    return true;
}

std::string EncodeMultiLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (char c : text) {
        if (c == '\r') {
            continue;
        }
        line += c == '\n' ? '\t' : c;
    }
    return line;
}

std::string DecodeMultiLine(std::string_view line, size_t maxLength) {
    std::string text;
    text.reserve(line.size() + 8);
    for (char c : line) {
        if (c == '\t') {
            text += "\r\n";
        } else {
            text += c;
        }
    }
    CutKeepingLineBreaks(text, maxLength);
    return text;
}

std::string NormaliseBadgeFile(std::string_view badge, bool oldFile) {
    std::string result(badge);
    static constexpr std::string_view kWord = "badges";
    for (size_t start = 0; start + kWord.size() <= result.size(); ++start) {
        bool match = true;
        for (size_t k = 0; k < kWord.size(); ++k) {
            if (Lower(result[start + k]) != kWord[k]) {
                match = false;
                break;
            }
        }
        if (match) {
            result.erase(start + kWord.size() - 1, 1);
            break;
        }
    }
    for (char& c : result) {
        if (c == '/') {
            c = '\\';
        }
    }
    if (oldFile && result.size() > 3) {
        std::string_view ending(result.data() + result.size() - 4, 4);
        bool isBmp = ending[0] == '.' && Lower(ending[1]) == 'b' && Lower(ending[2]) == 'm' &&
                     Lower(ending[3]) == 'p';
        if (isBmp) {
            result.replace(result.size() - 4, 4, ".tga");
        }
    }
    return result;
}

} // namespace tallo::club_text

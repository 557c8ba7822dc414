// Opens the input as a record file from memory and walks it with a sequence of section look-ups,
// typed reads and skips chosen by the input, checking every result against a plain model of the
// format: the data as a list of lines and a line index as the read position.
//
// Input layout (libFuzzer's data provider): the last byte is the number of steps, the bytes
// before it (taken from the end towards the front) are the steps, each an operation byte and an
// argument byte; everything in front of them is the file.

#include "formats/kl_file.h"
#include "fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace tallo::fuzz {
namespace {

constexpr std::string_view kBegin = "%INDEX%";
constexpr std::string_view kEnd = "%INDEXEND%";

// The file as lines: cut at the first 0x1A, split at LF, one CR before each LF (or at the end
// of an unterminated last line) dropped.
class LineModel {
public:
    explicit LineModel(std::string_view data) {
        data = data.substr(0, std::min(data.size(), data.find('\x1A')));
        while (!data.empty()) {
            const size_t lf = data.find('\n');
            std::string_view line = data.substr(0, lf);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            lines_.emplace_back(line);
            data.remove_prefix(lf == std::string_view::npos ? data.size() : lf + 1);
        }
    }

    // A value read: comment lines passed over; fails at the end and on a marker line, and
    // then the position stays.
    bool ReadValue(std::string& line) {
        size_t at = position_;
        while (at < lines_.size() && !lines_[at].empty() && lines_[at][0] == ';') {
            ++at;
        }
        if (at >= lines_.size() || (!lines_[at].empty() && lines_[at][0] == '%')) {
            return false;
        }
        line = lines_[at];
        position_ = at + 1;
        return true;
    }

    bool FindSection(const std::string& name) {
        const std::string marker = std::string(kBegin) + name;
        for (size_t at = position_; at < lines_.size(); ++at) {
            if (lines_[at] == marker) {
                position_ = at + 1;
                return true;
            }
            if (lines_[at].starts_with(kEnd)) {
                return false;
            }
        }
        position_ = lines_.size();
        return false;
    }

    bool SkipSectionWithin(const std::string& name, const std::string& enclosing) {
        const std::string marker = std::string(kEnd) + name;
        const std::string outer = std::string(kEnd) + enclosing;
        for (size_t at = position_; at < lines_.size(); ++at) {
            if (lines_[at] == marker) {
                position_ = at + 1;
                return true;
            }
            if (lines_[at] == outer) {
                position_ = at;
                return false;
            }
        }
        position_ = lines_.size();
        return false;
    }

    bool SkipSection(const std::string& name) {
        const std::string marker = std::string(kEnd) + name;
        for (size_t at = position_; at < lines_.size(); ++at) {
            if (lines_[at] == marker) {
                position_ = at + 1;
                return true;
            }
        }
        position_ = lines_.size();
        return false;
    }

    // Names of every section begin line, as candidates for the look-ups.
    std::vector<std::string> SectionNames() const {
        std::vector<std::string> names;
        for (const std::string& line : lines_) {
            if (line.starts_with(kBegin) && names.size() < 64) {
                names.push_back(line.substr(kBegin.size()));
            }
        }
        return names;
    }

private:
    std::vector<std::string> lines_;
    size_t position_ = 0;
};

// The text of a line up to its first zero byte.
std::string TextOf(const std::string& line) {
    return line.substr(0, std::min(line.size(), line.find('\0')));
}

// Leading blanks, optional sign, decimal digits; saturated to the 32-bit range.
int32_t ModelInt(const std::string& line) {
    const std::string text = TextOf(line);
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

uint32_t ModelHex(const std::string& line) {
    uint32_t value = 0;
    for (size_t i = 0; i < line.size() && i < 8; ++i) {
        const char c = line[i];
        int digit = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : -1;
        if (digit < 0) {
            break;
        }
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
}

// A heap block of exactly `size` bytes, so that AddressSanitizer sees any write past it.
std::vector<char> Block(size_t size, char fill) {
    return std::vector<char>(size, fill);
}

void CheckFixedString(const std::vector<char>& block, const std::string& expected) {
    if (block.empty()) {
        return;
    }
    const std::string text = TextOf(expected).substr(0, block.size() - 1);
    TALLO_FUZZ_CHECK(std::memcmp(block.data(), text.data(), text.size()) == 0);
    for (size_t i = text.size(); i < block.size(); ++i) {
        TALLO_FUZZ_CHECK(block[i] == '\0');
    }
}

void RunSteps(FuzzedDataProvider& input) {
    const size_t steps = input.ConsumeIntegralInRange<size_t>(0, 255);
    std::vector<std::pair<uint8_t, uint8_t>> script;
    for (size_t i = 0; i < steps && input.remaining_bytes() > 0; ++i) {
        const uint8_t operation = input.ConsumeIntegral<uint8_t>();
        const uint8_t argument = input.ConsumeIntegral<uint8_t>();
        script.emplace_back(operation, argument);
    }
    const std::string data = input.ConsumeRemainingBytesAsString();

    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenFromMemory(data));
    LineModel model(data);
    std::vector<std::string> names = model.SectionNames();
    for (const char* name : {"VERSION", "DATE", "CLUB", "PLAYER", "RULES_AND_MISC", "", "X"}) {
        names.emplace_back(name);
    }

    for (const auto& [operation, argument] : script) {
        const std::string& name = names[argument % names.size()];
        std::string line;
        switch (operation % 16) {
        case 0:
            TALLO_FUZZ_CHECK(file.FindSection(name) == model.FindSection(name));
            break;
        case 1:
            TALLO_FUZZ_CHECK(file.SkipSection(name) == model.SkipSection(name));
            break;
        case 2: {
            int32_t value = -7;
            const bool ok = file.ReadInt(value);
            TALLO_FUZZ_CHECK(ok == model.ReadValue(line));
            TALLO_FUZZ_CHECK(value == (ok ? ModelInt(line) : 0));
            break;
        }
        case 3: {
            uint16_t value = 7;
            const bool ok = file.ReadShort(value);
            TALLO_FUZZ_CHECK(ok == model.ReadValue(line));
            TALLO_FUZZ_CHECK(value == (ok ? static_cast<uint16_t>(ModelInt(line)) : 0));
            break;
        }
        case 4: {
            int8_t value = 7;
            const bool ok = file.ReadByte(value);
            TALLO_FUZZ_CHECK(ok == model.ReadValue(line));
            TALLO_FUZZ_CHECK(value == (ok ? static_cast<int8_t>(ModelInt(line)) : 0));
            break;
        }
        case 5: {
            bool value = true;
            const bool ok = file.ReadBool(value);
            TALLO_FUZZ_CHECK(ok == model.ReadValue(line));
            TALLO_FUZZ_CHECK(value == (ok && ModelInt(line) != 0));
            break;
        }
        case 6: {
            uint32_t value = 7;
            const bool ok = file.ReadHex(value);
            TALLO_FUZZ_CHECK(ok == model.ReadValue(line));
            TALLO_FUZZ_CHECK(value == (ok ? ModelHex(line) : 0));
            break;
        }
        case 7: {
            std::vector<char> block = Block(argument % 40, 'x');
            const bool ok = file.ReadString(block.data(), block.size());
            TALLO_FUZZ_CHECK(ok == model.ReadValue(line));
            if (ok) {
                CheckFixedString(block, line);
            } else {
                TALLO_FUZZ_CHECK(
                    std::all_of(block.begin(), block.end(), [](char c) { return c == 'x'; }));
            }
            break;
        }
        case 8: {
            std::string value = "unchanged";
            const bool ok = file.ReadCString(value);
            TALLO_FUZZ_CHECK(ok == model.ReadValue(line));
            TALLO_FUZZ_CHECK(value == (ok ? TextOf(line) : "unchanged"));
            break;
        }
        case 9: {
            const int count = static_cast<int>(argument % 48) - 8;
            std::vector<uint8_t> bytes(static_cast<size_t>(std::max(count, 0)), 0xEE);
            const bool ok = file.ReadByteArray(bytes.data(), count);
            TALLO_FUZZ_CHECK(ok == model.ReadValue(line));
            if (!ok) {
                TALLO_FUZZ_CHECK(
                    std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0; }));
            } else if (!bytes.empty()) {
                TALLO_FUZZ_CHECK(bytes[0] == static_cast<uint8_t>(ModelInt(line)));
            }
            break;
        }
        case 10: {
            const int count = static_cast<int>(argument % 12) - 2;
            std::vector<uint8_t> bytes(static_cast<size_t>(std::max(count, 0)), 0xEE);
            const bool ok = file.ReadByteLines(bytes.data(), count);
            bool modelOk = true;
            for (int i = 0; i < count; ++i) {
                const bool got = model.ReadValue(line);
                if (!got) {
                    modelOk = false;
                    for (int k = i; k < count; ++k) {
                        TALLO_FUZZ_CHECK(bytes[static_cast<size_t>(k)] == 0);
                    }
                    break;
                }
                TALLO_FUZZ_CHECK(bytes[static_cast<size_t>(i)] ==
                                 static_cast<uint8_t>(ModelInt(line)));
            }
            TALLO_FUZZ_CHECK(ok == modelOk);
            break;
        }
        case 11: {
            // A quoted list: the line as a string, then its elements into fields of the
            // argument's size.
            char text[1024];
            const bool ok = file.ReadString(text, sizeof text);
            TALLO_FUZZ_CHECK(ok == model.ReadValue(line));
            if (!ok) {
                break;
            }
            const char* position = text;
            for (int i = 0; i < 6; ++i) {
                std::vector<char> field = Block(argument % 24, 'x');
                CKLFile::ReadQuotedItem(position, field.data(), field.size());
                TALLO_FUZZ_CHECK(position >= text && position <= text + std::strlen(text));
                if (!field.empty()) {
                    TALLO_FUZZ_CHECK(std::memchr(field.data(), '\0', field.size()) != nullptr);
                }
            }
            break;
        }
        case 13: {
            const std::string& enclosing = names[(argument / 7u) % names.size()];
            TALLO_FUZZ_CHECK(file.SkipSectionWithin(name, enclosing) ==
                             model.SkipSectionWithin(name, enclosing));
            break;
        }
        case 12: {
            // Reopening starts again at the beginning of the data.
            TALLO_FUZZ_CHECK(file.OpenFromMemory(data));
            model = LineModel(data);
            break;
        }
        default: {
            // Ints of the other widths, all through the same line parse.
            uint32_t value = 7;
            const bool ok = file.ReadInt(value);
            TALLO_FUZZ_CHECK(ok == model.ReadValue(line));
            TALLO_FUZZ_CHECK(value == (ok ? static_cast<uint32_t>(ModelInt(line)) : 0));
            break;
        }
        }
    }
    TALLO_FUZZ_CHECK(file.Close());
    TALLO_FUZZ_CHECK(!file.IsOpen());
}

} // namespace
} // namespace tallo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    tallo::fuzz::RunSteps(input);
    return 0;
}

// Writes a sequence of values chosen by the input with the record file writer, inside nested
// sections, and reads them back in the same order: every value must come back as the writer
// promises (numbers exactly, texts with line breaks as blanks and a blank before a leading ';'
// or '%', quotes in quoted lists as apostrophes). Nothing a writer emits may read back as
// something else or shift the values after it.

#include "formats/kl_file.h"
#include "fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <string>
#include <vector>

namespace tallo::fuzz {
namespace {

enum Kind : uint8_t {
    kInt,
    kShort,
    kChar,
    kByte,
    kBool,
    kHex,
    kString,
    kBytes,
    kByteLines,
    kList,
    kSection,
    kComment, // a comment line, passed over by every read
    kKindCount
};

struct Value {
    Kind kind = kInt;
    int64_t number = 0;
    std::string text;
    std::vector<uint8_t> bytes;
    std::vector<std::string> list; // elements of a quoted list, each within its slot
};

constexpr size_t kListSlot = 24;

bool BreaksLine(char c) {
    return c == '\n' || c == '\r' || c == '\x1A' || c == '\0';
}

std::string ExpectedString(const std::string& text) {
    std::string out;
    if (!text.empty() && (text[0] == ';' || text[0] == '%')) {
        out.push_back(' ');
    }
    for (char c : text) {
        out.push_back(BreaksLine(c) ? ' ' : c);
    }
    return out;
}

std::string ExpectedListItem(const std::string& text) {
    std::string out;
    for (char c : text) {
        out.push_back(c == '"' ? '\'' : BreaksLine(c) ? ' ' : c);
    }
    return out;
}

const char* const kSectionNames[] = {"A", "CLUB", "PLAYER", "DATE", "CLUB1"};

void Run(FuzzedDataProvider& input) {
    std::vector<Value> values;
    while (input.remaining_bytes() > 0 && values.size() < 64) {
        Value value;
        value.kind = static_cast<Kind>(input.ConsumeIntegral<uint8_t>() % kKindCount);
        switch (value.kind) {
        case kString:
        case kComment:
            value.text = input.ConsumeRandomLengthString(200);
            break;
        case kBytes:
        case kByteLines:
            value.bytes = input.ConsumeBytes<uint8_t>(input.ConsumeIntegralInRange(0, 20));
            break;
        case kList: {
            const int count = input.ConsumeIntegralInRange(1, 6);
            for (int i = 0; i < count; ++i) {
                std::string item = input.ConsumeRandomLengthString(kListSlot - 1);
                // An element ends at its zero byte, as fixed-width fields do.
                item = item.substr(0, item.find('\0'));
                value.list.push_back(item);
            }
            break;
        }
        case kSection:
            value.number = input.ConsumeIntegralInRange(0, 4);
            break;
        default:
            value.number = input.ConsumeIntegral<int32_t>();
            break;
        }
        values.push_back(std::move(value));
    }

    // Each section value opens a section that holds every value after it.
    CKLFile writer;
    TALLO_FUZZ_CHECK(writer.OpenForWrite("unused.sav"));
    std::vector<const char*> open;
    for (const Value& value : values) {
        const auto n = static_cast<int32_t>(value.number);
        switch (value.kind) {
        case kInt:
            writer.WriteInt(n);
            break;
        case kShort:
            writer.WriteShort(static_cast<int16_t>(n));
            break;
        case kChar:
            writer.WriteChar(static_cast<int8_t>(n));
            break;
        case kByte:
            writer.WriteByte(static_cast<uint8_t>(n));
            break;
        case kBool:
            writer.WriteBool(n);
            break;
        case kHex:
            writer.WriteHex(static_cast<uint32_t>(n));
            break;
        case kString:
            writer.WriteString(value.text);
            break;
        case kComment:
            writer.WriteComment(value.text);
            break;
        case kBytes:
            writer.WriteByteArray(value.bytes.data(), static_cast<int>(value.bytes.size()));
            break;
        case kByteLines:
            writer.WriteByteLines(value.bytes.data(), static_cast<int>(value.bytes.size()));
            break;
        case kList: {
            std::vector<char> slots(value.list.size() * kListSlot, '\0');
            for (size_t i = 0; i < value.list.size(); ++i) {
                std::memcpy(&slots[i * kListSlot], value.list[i].data(), value.list[i].size());
            }
            writer.WriteQuotedList(slots.data(), static_cast<int>(value.list.size()), kListSlot);
            break;
        }
        case kSection:
            open.push_back(kSectionNames[n]);
            writer.WriteSectionBegin(open.back());
            break;
        default:
            break;
        }
    }
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        writer.WriteSectionEnd(*it);
    }
    const std::string text = writer.WrittenText();
    writer.AbandonWrite();

    CKLFile reader;
    TALLO_FUZZ_CHECK(reader.OpenFromMemory(text));
    for (const Value& value : values) {
        const auto n = static_cast<int32_t>(value.number);
        switch (value.kind) {
        case kInt: {
            int32_t got = 0;
            TALLO_FUZZ_CHECK(reader.ReadInt(got) && got == n);
            break;
        }
        case kShort: {
            int16_t got = 0;
            TALLO_FUZZ_CHECK(reader.ReadShort(got) && got == static_cast<int16_t>(n));
            break;
        }
        case kChar: {
            int8_t got = 0;
            TALLO_FUZZ_CHECK(reader.ReadByte(got) && got == static_cast<int8_t>(n));
            break;
        }
        case kByte: {
            uint8_t got = 0;
            TALLO_FUZZ_CHECK(reader.ReadByte(got) && got == static_cast<uint8_t>(n));
            break;
        }
        case kBool: {
            bool got = false;
            TALLO_FUZZ_CHECK(reader.ReadBool(got) && got == (n != 0));
            break;
        }
        case kHex: {
            uint32_t got = 0;
            TALLO_FUZZ_CHECK(reader.ReadHex(got) && got == static_cast<uint32_t>(n));
            break;
        }
        case kString: {
            std::string got;
            TALLO_FUZZ_CHECK(reader.ReadCString(got));
            TALLO_FUZZ_CHECK(got == ExpectedString(value.text));
            break;
        }
        case kBytes: {
            std::vector<uint8_t> got(value.bytes.size(), 0xEE);
            TALLO_FUZZ_CHECK(reader.ReadByteArray(got.data(), static_cast<int>(got.size())));
            TALLO_FUZZ_CHECK(got == value.bytes);
            break;
        }
        case kByteLines: {
            std::vector<uint8_t> got(value.bytes.size(), 0xEE);
            TALLO_FUZZ_CHECK(reader.ReadByteLines(got.data(), static_cast<int>(got.size())));
            TALLO_FUZZ_CHECK(got == value.bytes);
            break;
        }
        case kList: {
            char line[1024];
            TALLO_FUZZ_CHECK(reader.ReadString(line, sizeof line));
            const char* position = line;
            for (const std::string& item : value.list) {
                char got[kListSlot];
                TALLO_FUZZ_CHECK(CKLFile::ReadQuotedItem(position, got, sizeof got));
                TALLO_FUZZ_CHECK(got == ExpectedListItem(item));
            }
            break;
        }
        case kSection:
            TALLO_FUZZ_CHECK(reader.FindSection(kSectionNames[n]));
            break;
        default:
            break;
        }
    }
    // Nothing but the end lines is left; every section is closed in order.
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        int32_t none = 1;
        TALLO_FUZZ_CHECK(!reader.ReadInt(none) && none == 0);
        TALLO_FUZZ_CHECK(reader.SkipSection(*it));
    }
    std::string rest;
    TALLO_FUZZ_CHECK(!reader.ReadCString(rest));
}

} // namespace
} // namespace tallo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    tallo::fuzz::Run(input);
    return 0;
}

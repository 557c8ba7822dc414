#include "formats/kl_file.h"

#include "platform/atomic_file.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>

namespace tallo {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr char kEndOfFile = 0x1A;

bool IsMarkerLine(std::string_view line, std::string_view prefix, std::string_view name) {
    return line.size() == prefix.size() + name.size() && line.starts_with(prefix) &&
           line.substr(prefix.size()) == name;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A decimal number as the record files have always been read: leading white space skipped, an
// optional sign, the digits after it; anything after the digits is ignored and a line without
// digits gives 0. Values beyond the 32-bit range saturate instead of wrapping.
int32_t ParseInt(std::string_view text) {
    const char* at = text.data();
    const char* const end = at + text.size();
    while (at < end && IsBlank(*at)) {
        ++at;
    }
    bool negative = false;
    if (at < end && (*at == '+' || *at == '-')) {
        negative = *at == '-';
        ++at;
    }
    // Digits are taken straight from the line (this runs for nearly every line of a
    // database). Once the magnitude has passed 2^32 the result saturates whatever follows, so
    // further digits are passed over instead of added (no 64-bit overflow either).
    constexpr uint64_t kSaturated = uint64_t{1} << 32;
    uint64_t magnitude = 0;
    for (; at < end && *at >= '0' && *at <= '9'; ++at) {
        if (magnitude < kSaturated) {
            magnitude = magnitude * 10 + static_cast<uint64_t>(*at - '0');
        }
    }
    if (negative) {
        constexpr uint64_t kMinMagnitude = uint64_t{1} << 31;
        return magnitude >= kMinMagnitude ? std::numeric_limits<int32_t>::min()
                                          : -static_cast<int32_t>(magnitude);
    }
    constexpr uint64_t kMax = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::min(magnitude, kMax));
}

// Hexadecimal: only the first 8 characters count; digits of either case up to the first
// other character; no digits give 0.
uint32_t ParseHex(std::string_view text) {
    text = text.substr(0, std::min<size_t>(text.size(), 8));
    uint32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return value;
}

// String values end at an embedded zero byte, as they always have for the fixed-width fields.
std::string_view TextOf(std::string_view line) {
    const void* zero = std::memchr(line.data(), '\0', line.size());
    if (zero == nullptr) {
        return line;
    }
    return line.substr(0, static_cast<size_t>(static_cast<const char*>(zero) - line.data()));
}

// Copies at most size-1 characters and zero-fills the rest of the array.
void CopyToArray(std::string_view text, char* destination, size_t size) {
    if (destination == nullptr || size == 0) {
        return;
    }
    const size_t length = std::min(text.size(), size - 1);
    std::memcpy(destination, text.data(), length);
    std::memset(destination + length, 0, size - length);
}

// A character that may not appear inside a value line: it would end the line (line breaks),
// end the file (0x1A) or end the value when read back (zero byte).
bool BreaksLine(char c) {
    return c == '\n' || c == '\r' || c == kEndOfFile || c == '\0';
}

} // namespace

CKLFile::CKLFile() = default;

// An object that is still open for writing when it goes away is abandoned, never committed:
// a save that did not reach Close() (an early return, an error) must not replace the target
// with a file that may lack its later records.
CKLFile::~CKLFile() {
    AbandonWrite();
}

// Opening and closing ------------------------------------------------------------------------

void CKLFile::Reset() {
    mode_ = Mode::Closed;
    openError_ = 0;
    findings_.clear();
    data_ = {};
    text_.reset();
    std::string().swap(out_);
    target_.clear();
    position_ = 0;
}

bool CKLFile::OpenForRead(const std::string& path) {
    Reset();
    bytesRead_ = 0;
    if (path.empty()) {
        openError_ = ENOENT;
        return false;
    }
    std::unique_ptr<char[]> text;
    size_t size = 0;
    if (!ReadWholeFileInto(path, text, size, kMaxFileSize)) {
        openError_ = errno != 0 ? errno : EIO;
        return false;
    }
    TakeData(std::move(text), size);
    return true;
}

bool CKLFile::OpenFromMemory(std::string_view data) {
    Reset();
    bytesRead_ = 0;
    if (data.size() > kMaxFileSize) {
        return false;
    }
    auto text = std::make_unique_for_overwrite<char[]>(data.size() + 1);
    std::memcpy(text.get(), data.data(), data.size());
    TakeData(std::move(text), data.size());
    return true;
}

void CKLFile::TakeData(std::unique_ptr<char[]> text, size_t size) {
    // Everything from the first end-of-file byte on is not part of the text.
    if (const void* cut = std::memchr(text.get(), kEndOfFile, size)) {
        size = static_cast<size_t>(static_cast<const char*>(cut) - text.get());
    }
    text[size] = '\0';
    text_ = std::move(text);
    data_ = std::string_view(text_.get(), size);
    bytesRead_ = size;
    position_ = 0;
    mode_ = Mode::Read;
}

bool CKLFile::OpenForWrite(const std::string& path) {
    Reset();
    if (path.empty()) {
        return false;
    }
    target_ = path;
    out_.reserve(64 * 1024);
    mode_ = Mode::Write;
    return true;
}

bool CKLFile::Close() {
    bool ok = true;
    if (mode_ == Mode::Write) {
        ok = WriteFileAtomically(target_, out_);
    }
    Reset();
    return ok;
}

void CKLFile::AbandonWrite() {
    if (mode_ == Mode::Write) {
        Reset();
    }
}

bool CKLFile::IsOpen() const {
    return mode_ != Mode::Closed;
}

bool CKLFile::IsOpenForWrite() const {
    return mode_ == Mode::Write;
}

size_t CKLFile::BytesRead() const {
    return bytesRead_;
}

// Writing --------------------------------------------------------------------------------------

bool CKLFile::AppendLine(std::string_view text) {
    if (mode_ != Mode::Write) {
        return false;
    }
    out_.append(text);
    out_.append(kLineEnd);
    return true;
}

bool CKLFile::AppendNumber(int64_t value, int base) {
    char buffer[24];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, base);
    (void)error; // 24 characters hold every 64-bit value
    return AppendLine(std::string_view(buffer, static_cast<size_t>(end - buffer)));
}

bool CKLFile::AppendMarker(std::string_view prefix, std::string_view name) {
    if (mode_ != Mode::Write) {
        return false;
    }
    out_.append(prefix);
    for (char c : name) {
        out_.push_back(BreaksLine(c) ? ' ' : c);
    }
    out_.append(kLineEnd);
    return true;
}

bool CKLFile::WriteSectionBegin(std::string_view name) {
    return AppendMarker(kBeginMarker, name);
}

bool CKLFile::WriteSectionEnd(std::string_view name) {
    return AppendMarker(kEndMarker, name);
}

bool CKLFile::WriteInt(int32_t value) {
    return AppendNumber(value, 10);
}

bool CKLFile::WriteShort(int16_t value) {
    return AppendNumber(value, 10);
}

bool CKLFile::WriteUShort(uint16_t value) {
    return AppendNumber(value, 10);
}

bool CKLFile::WriteChar(int8_t value) {
    return AppendNumber(value, 10);
}

bool CKLFile::WriteByte(uint8_t value) {
    return AppendNumber(value, 10);
}

bool CKLFile::WriteBool(int32_t value) {
    return AppendLine(value != 0 ? "1" : "0");
}

bool CKLFile::WriteHex(uint32_t value) {
    return AppendNumber(value, 16);
}

bool CKLFile::WriteComment(std::string_view text) {
    return AppendMarker(";", text);
}

bool CKLFile::WriteString(std::string_view text) {
    if (mode_ != Mode::Write) {
        return false;
    }
    if (!text.empty() && (text.front() == ';' || text.front() == '%')) {
        out_.push_back(' ');
    }
    for (char c : text) {
        out_.push_back(BreaksLine(c) ? ' ' : c);
    }
    out_.append(kLineEnd);
    return true;
}

bool CKLFile::WriteByteArray(const uint8_t* bytes, int count) {
    if (mode_ != Mode::Write) {
        return false;
    }
    // A count of 0 or less still writes one line (the reader takes one), but touches no byte.
    if (count <= 0 || bytes == nullptr) {
        return AppendLine("0");
    }
    char buffer[4];
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            out_.push_back(',');
        }
        auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, bytes[i]);
        (void)error;
        out_.append(buffer, static_cast<size_t>(end - buffer));
    }
    out_.append(kLineEnd);
    return true;
}

bool CKLFile::WriteByteLines(const uint8_t* bytes, int count) {
    if (mode_ != Mode::Write) {
        return false;
    }
    if (bytes == nullptr && count > 0) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        WriteByte(bytes[i]);
    }
    return true;
}

bool CKLFile::WriteQuotedList(const char* first, int count, size_t stride) {
    if (mode_ != Mode::Write) {
        return false;
    }
    if (first == nullptr && count > 0) {
        return false;
    }
    out_.push_back('"');
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            out_.append("\",\"");
        }
        // Each string ends at its zero byte, but never runs past its own slot.
        const char* text = first + static_cast<size_t>(i) * stride;
        const size_t length = stride > 0 ? strnlen(text, stride) : std::strlen(text);
        for (size_t k = 0; k < length; ++k) {
            const char c = text[k];
            // A quote would split the element when read back; it becomes an apostrophe.
            out_.push_back(c == '"' ? '\'' : BreaksLine(c) ? ' ' : c);
        }
    }
    out_.push_back('"');
    out_.append(kLineEnd);
    return true;
}

// Reading --------------------------------------------------------------------------------------

bool CKLFile::ReadRawLine(std::string_view& line) {
    if (mode_ != Mode::Read || position_ >= data_.size()) {
        return false;
    }
    const char* start = data_.data() + position_;
    const size_t left = data_.size() - position_;
    // Nearly every line holds a few characters: a plain scan beats a library call here.
    size_t length = 0;
    while (length < left && start[length] != '\n') {
        ++length;
    }
    position_ += length < left ? length + 1 : length;
    if (length > 0 && start[length - 1] == '\r') {
        --length;
    }
    line = std::string_view(start, length);
    return true;
}

// One value line: comment lines are passed over; the end of the data and a marker line ("%...")
// fail and put the position back where the read began, so the marker is met again by whatever
// reads next.
bool CKLFile::ReadValueLine(std::string_view& line) {
    const size_t saved = position_;
    while (ReadRawLine(line)) {
        if (!line.empty() && line.front() == ';') {
            continue;
        }
        if (!line.empty() && line.front() == '%') {
            break;
        }
        return true;
    }
    position_ = saved;
    line = std::string_view();
    return false;
}

void CKLFile::NoteFinding(std::string what) {
    findings_.push_back({CurrentLine(), std::move(what)});
}

size_t CKLFile::CurrentLine() const {
    const size_t end = std::min(position_, data_.size());
    return 1 + static_cast<size_t>(std::count(
                   data_.begin(), data_.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
}

// Only marker lines begin with '%': section searches pass over every other line in one memchr
// each instead of reading it.
bool CKLFile::SkipToMarkerLine() {
    const char* const begin = data_.data();
    const size_t size = data_.size();
    size_t at = position_;
    while (at < size) {
        if (begin[at] == '%' && (at == position_ || begin[at - 1] == '\n')) {
            position_ = at;
            return true;
        }
        const void* next = std::memchr(begin + at + 1, '%', size - at - 1);
        if (next == nullptr) {
            break;
        }
        at = static_cast<size_t>(static_cast<const char*>(next) - begin);
    }
    position_ = size;
    return false;
}

bool CKLFile::TakeMarkerLine(std::string_view prefix, std::string_view name) {
    const size_t size = data_.size();
    const size_t length = prefix.size() + name.size();
    if (position_ > size || size - position_ < length) {
        return false;
    }
    const char* at = data_.data() + position_;
    if (!SameBytes(at, prefix.data(), prefix.size()) ||
        !SameBytes(at + prefix.size(), name.data(), name.size())) {
        return false;
    }
    size_t end = position_ + length;
    if (end < size && data_[end] == '\r' && end + 1 < size && data_[end + 1] == '\n') {
        ++end;
    }
    if (end < size && data_[end] != '\n') {
        return false;
    }
    position_ = end < size ? end + 1 : end;
    return true;
}

bool CKLFile::FindSectionFurther(std::string_view name) {
    if (mode_ != Mode::Read) {
        return false;
    }
    // The begin line right at the position, in the forms the inline check leaves to this one.
    if (TakeMarkerLine(kBeginMarker, name)) {
        return true;
    }
    const size_t saved = position_;
    std::string_view line;
    while (SkipToMarkerLine() && ReadRawLine(line)) {
        if (IsMarkerLine(line, kBeginMarker, name)) {
            return true;
        }
        if (line.starts_with(kEndMarker)) {
            position_ = saved;
            return false;
        }
    }
    // No end line followed: the position stays at the end of the data.
    return false;
}

bool CKLFile::SkipSectionFurther(std::string_view name) {
    if (mode_ != Mode::Read) {
        return false;
    }
    // The end line right at the position, in the forms the inline check leaves to this one.
    if (TakeMarkerLine(kEndMarker, name)) {
        return true;
    }
    std::string_view line;
    while (SkipToMarkerLine() && ReadRawLine(line)) {
        if (IsMarkerLine(line, kEndMarker, name)) {
            return true;
        }
    }
    return false;
}

bool CKLFile::SkipSectionWithin(std::string_view name, std::string_view enclosing) {
    if (mode_ != Mode::Read) {
        return false;
    }
    std::string_view line;
    while (SkipToMarkerLine()) {
        const size_t start = position_;
        if (!ReadRawLine(line)) {
            break;
        }
        if (IsMarkerLine(line, kEndMarker, name)) {
            return true;
        }
        if (IsMarkerLine(line, kEndMarker, enclosing)) {
            position_ = start;
            return false;
        }
    }
    return false;
}

bool CKLFile::ReadNumber(int32_t& value) {
    // Most lines of a database are a plain number of a few digits: such a line is read in one
    // pass. Anything else (blanks, a sign other than '-', more than nine digits, text after the
    // digits, a comment or marker line, the last line without its line end) takes the general
    // path below, which gives the same value for these lines.
    if (mode_ == Mode::Read && position_ < data_.size()) {
        const char* at = data_.data() + position_;
        const char* const end = data_.data() + data_.size();
        const bool negative = *at == '-';
        const char* const digits = negative ? at + 1 : at;
        const char* p = digits;
        uint32_t magnitude = 0;
        while (p < end && p - digits < 9 && static_cast<unsigned char>(*p - '0') < 10) {
            magnitude = magnitude * 10 + static_cast<uint32_t>(*p - '0');
            ++p;
        }
        if (p > digits && p < end) {
            const char* lineEnd = *p == '\r' && p + 1 < end ? p + 1 : p;
            if (*lineEnd == '\n') {
                position_ = static_cast<size_t>(lineEnd + 1 - data_.data());
                value =
                    negative ? -static_cast<int32_t>(magnitude) : static_cast<int32_t>(magnitude);
                return true;
            }
        }
    }
    std::string_view line;
    if (!ReadValueLine(line)) {
        value = 0;
        return false;
    }
    value = ParseInt(line);
    return true;
}

bool CKLFile::ReadHex(uint32_t& value) {
    std::string_view line;
    if (!ReadValueLine(line)) {
        value = 0;
        return false;
    }
    value = ParseHex(line);
    return true;
}

bool CKLFile::ReadString(char* destination, size_t size) {
    std::string_view line;
    if (!ReadValueLine(line)) {
        return false;
    }
    CopyToArray(TextOf(line), destination, size);
    return true;
}

bool CKLFile::ReadCString(std::string& destination) {
    std::string_view line;
    if (!ReadValueLine(line)) {
        return false;
    }
    destination.assign(TextOf(line));
    return true;
}

bool CKLFile::ReadTextView(std::string_view& text) {
    std::string_view line;
    if (!ReadValueLine(line)) {
        text = std::string_view();
        return false;
    }
    text = TextOf(line);
    return true;
}

bool CKLFile::ReadByteArray(uint8_t* destination, int count) {
    std::string_view line;
    if (!ReadValueLine(line)) {
        if (destination != nullptr && count > 0) {
            std::memset(destination, 0, static_cast<size_t>(count));
        }
        return false;
    }
    if (destination == nullptr || count <= 0) {
        return true;
    }
    // Element i is the number after the i-th comma; elements the line does not hold become 0.
    int i = 0;
    while (i < count) {
        destination[i++] = static_cast<uint8_t>(ParseInt(line));
        const size_t comma = line.find(',');
        if (comma == std::string_view::npos) {
            break;
        }
        line.remove_prefix(comma + 1);
    }
    if (i < count) {
        std::memset(destination + i, 0, static_cast<size_t>(count - i));
    }
    return true;
}

bool CKLFile::ReadByteLines(uint8_t* destination, int count) {
    if (count <= 0) {
        return true;
    }
    if (destination == nullptr) {
        return false;
    }
    int32_t values[64];
    int done = 0;
    while (done < count) {
        const int part = std::min(count - done, 64);
        const int read = ReadNumberLines(values, part);
        for (int i = 0; i < part; ++i) {
            destination[done + i] = static_cast<uint8_t>(values[i]);
        }
        done += part;
        if (read < part) {
            std::memset(destination + done, 0, static_cast<size_t>(count - done));
            return false;
        }
    }
    return true;
}

int CKLFile::ReadNumberLines(int32_t* values, int count) {
    int read = 0;
    if (mode_ == Mode::Read && values != nullptr) {
        // The position is kept here and stored once: every value stored through the pointer
        // would otherwise make the compiler read the member again.
        const std::string_view data(data_);
        size_t at = position_;
        while (read < count) {
            // Single digits come in runs: two such lines at a time where they do.
            if constexpr (std::endian::native == std::endian::little) {
                if (read + 1 < count && data.size() - at >= 8) {
                    uint64_t word;
                    std::memcpy(&word, data.data() + at, sizeof word);
                    const auto first = static_cast<uint32_t>(word & 0xFF) - '0';
                    const auto second = static_cast<uint32_t>((word >> 24) & 0xFF) - '0';
                    if ((word & 0xFFFF00FFFF00ull) == 0x0A0D000A0D00ull && first < 10 &&
                        second < 10) {
                        values[read] = static_cast<int32_t>(first);
                        values[read + 1] = static_cast<int32_t>(second);
                        read += 2;
                        at += 6;
                        continue;
                    }
                }
            }
            const size_t length = PlainNumberLine(data, at, values[read]);
            if (length != 0) {
                at += length;
                ++read;
                continue;
            }
            position_ = at;
            if (!ReadNumber(values[read])) {
                break;
            }
            at = position_;
            ++read;
        }
        position_ = at;
    }
    for (int i = read; i < count && values != nullptr; ++i) {
        values[i] = 0;
    }
    return read;
}

bool CKLFile::ReadQuotedItem(const char*& position, char* destination, size_t size) {
    if (position == nullptr) {
        CopyToArray(std::string_view(), destination, size);
        return false;
    }
    const char* open = std::strchr(position, '"');
    const char* close = open != nullptr ? std::strchr(open + 1, '"') : nullptr;
    if (close == nullptr) {
        // No complete element left: the rest of the text is taken and the position stays.
        CopyToArray(std::string_view(position), destination, size);
        return false;
    }
    CopyToArray(std::string_view(open + 1, static_cast<size_t>(close - open - 1)), destination,
                size);
    position = close + 1;
    return true;
}

} // namespace tallo

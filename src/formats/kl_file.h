#pragma once

#include <array>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

// The record file every database file is written in: 8-bit text, one value per line,
// grouped into sections between "%INDEX%<name>" and "%INDEXEND%<name>" lines.
// Values carry no names or types; each record writes and reads its values in a fixed order.
//
// Reading takes the whole file into a buffer of this object and walks it with a read
// position; a failing read puts the position back where it began, so loaders can probe for
// optional values and sections.
//
// Writing collects the text in memory; Close() writes it to a temporary file beside the
// target, flushes it and renames it over the target, so a failed save leaves the old file.
// Lines always end with CR LF; the reader takes LF or CR LF and stops at a 0x1A byte.
class CKLFile {
public:
    // Files larger than this are refused by OpenForRead (never cut).
    static constexpr size_t kMaxFileSize = size_t{256} * 1024 * 1024;

    CKLFile();
    // An object still open for writing is abandoned, not committed: only Close() writes the
    // target, so a save that stops half-way never replaces a file with a shortened one.
    virtual ~CKLFile();
    CKLFile(const CKLFile&) = delete;
    CKLFile& operator=(const CKLFile&) = delete;

    // Opening and closing ------------------------------------------------------------------

    // Opening closes whatever was open before (a pending write is abandoned).
    // Reads the whole file (path resolved regardless of case); everything from the first 0x1A
    // byte on is ignored. Fails for a missing or unreadable file and one over kMaxFileSize.
    bool OpenForRead(const std::string& path);
    // Reads from bytes already in memory (archives, tests); behaves as OpenForRead.
    bool OpenFromMemory(std::string_view data);
    // Nothing touches the disk before Close(); fails only for an empty path.
    bool OpenForWrite(const std::string& path);
    // Finishes the file. For a file open for writing this commits it (temporary file,
    // flush, rename) and returns false when any step failed; the target is then untouched.
    // Closing a file open for reading, or nothing, returns true.
    bool Close();
    // Drops a file open for writing without touching the target.
    void AbandonWrite();

    // Why the last OpenForRead failed: 0 after a successful open, else an errno value (ENOENT
    // for a missing file; FileErrorText gives the words).
    int OpenError() const { return openError_; }

    bool IsOpen() const;
    bool IsOpenForWrite() const;
    // Size of the data taken in by the last open for reading.
    size_t BytesRead() const;
    // The text written so far (for writers that hand the bytes on, and for tests).
    const std::string& WrittenText() const { return out_; }

    // Writing (each returns false when no file is open for writing) -------------------------

    bool WriteSectionBegin(std::string_view name);
    bool WriteSectionEnd(std::string_view name);
    bool WriteInt(int32_t value);
    bool WriteShort(int16_t value);
    bool WriteUShort(uint16_t value);
    bool WriteChar(int8_t value);
    bool WriteByte(uint8_t value);
    bool WriteBool(int32_t value);
    bool WriteHex(uint32_t value);
    // A text value. A line break, 0x1A or a zero byte inside it is written as a blank, and a
    // leading ';' or
    // '%' gets a blank in front, so that no value can read back as a comment, a marker or two
    // lines and shift the values after it.
    bool WriteString(std::string_view text);
    // A comment line: ';' followed by `text` (line breaks inside it written as blanks). Every
    // value read passes over it.
    bool WriteComment(std::string_view text);
    // Comma form: "a,b,c" on one line; a count of 1 writes element 0 only, a count of 0 or
    // less writes the line "0" without touching `bytes`.
    bool WriteByteArray(const uint8_t* bytes, int count);
    // Line form: one element per line; a count of 0 or less writes nothing.
    bool WriteByteLines(const uint8_t* bytes, int count);
    // "s0","s1",... on one line; the strings lie `stride` bytes apart, starting at `first`,
    // each ending at its zero byte or after `stride` bytes. A '"' inside a string is written
    // as an apostrophe and line breaks as blanks, so the list always reads back as written.
    // A count of 0 or less writes an empty pair of quotes.
    bool WriteQuotedList(const char* first, int count, size_t stride);

    // Reading --------------------------------------------------------------------------------

    // Looks for the begin line of `name`, stopping (and going back) at the first end line of
    // any section. On success the position stands on the first line inside the section.
    // When the data ends before either line, it fails and the position stays at the end.
    bool FindSection(std::string_view name) {
        return TakeMarkerLineWithCrLf(kBeginMarker, name) || FindSectionFurther(name);
    }
    // Moves past the first end line of `name` (nesting is not counted). When the data ends
    // first, it fails and the position stays at the end.
    bool SkipSection(std::string_view name) {
        return TakeMarkerLineWithCrLf(kEndMarker, name) || SkipSectionFurther(name);
    }
    // As SkipSection, but never past the end line of the enclosing section `enclosing`: when
    // that line comes first (a section cut short), it fails and the position stays on it.
    bool SkipSectionWithin(std::string_view name, std::string_view enclosing);

    // Typed reads of one value line. Comment lines (";...") are passed over. A read fails at
    // the end of the data and on a marker line ("%..."); the destination then becomes 0 and
    // the position goes back to where the read began. A line that is no number reads as 0
    // (or as the number at its start) and succeeds. Numbers beyond the 32-bit range saturate;
    // the narrower reads then keep the low bits ("-1" reads as 255 into an unsigned byte).
    bool ReadInt(int32_t& value) { return ReadAs(value); }
    bool ReadInt(uint32_t& value) { return ReadAs(value); }
    bool ReadShort(int16_t& value) { return ReadAs(value); }
    bool ReadShort(uint16_t& value) { return ReadAs(value); }
    bool ReadByte(uint8_t& value) { return ReadAs(value); }
    bool ReadByte(int8_t& value) { return ReadAs(value); }
    bool ReadBool(bool& value) {
        int32_t number = 0;
        const bool ok = ReadPlain(number);
        value = number != 0;
        return ok;
    }
    bool ReadBool(uint8_t& value) {
        int32_t number = 0;
        const bool ok = ReadPlain(number);
        value = number != 0 ? 1 : 0;
        return ok;
    }
    bool ReadBool(int32_t& value) {
        int32_t number = 0;
        const bool ok = ReadPlain(number);
        value = number != 0 ? 1 : 0;
        return ok;
    }
    bool ReadHex(uint32_t& value);
    // Into a fixed array of `size` bytes: at most size-1 characters, the rest zero-filled.
    // On failure the destination is left as it was. A string ends at a zero byte in the line.
    bool ReadString(char* destination, size_t size);
    // The whole line; on failure the destination is left as it was.
    bool ReadCString(std::string& destination);
    // The text ReadCString would give, as a view into the data read: valid until the file is
    // opened again or closed. On failure `text` becomes empty.
    bool ReadTextView(std::string_view& text);
    // Comma form; on failure all elements become 0.
    bool ReadByteArray(uint8_t* destination, int count);
    // Line form; a failure at element i zeroes elements i..count-1.
    bool ReadByteLines(uint8_t* destination, int count);
    // `count` number lines as `count` calls of ReadInt read them, in one call: returns how many
    // were read. A read that fails fails every read after it, so the values from there on
    // are all 0.
    int ReadNumberLines(int32_t* values, int count);
    // Takes the next quoted element of a line read with ReadString/ReadCString.
    // `position` must point into a zero-terminated text. The text between the next two
    // quotes (at most size-1 characters, the rest zero-filled) goes to `destination` and the
    // position moves past the closing quote. Without two quotes the rest of the text is taken,
    // the position stays and the result is false.
    static bool ReadQuotedItem(const char*& position, char* destination, size_t size);

    // The data from the read position to the end (empty unless open for reading), for readers
    // of a section of fixed shape that take its common form in one step and leave every other
    // form to the reads above. TakeAhead moves the position past `length` bytes of it, which
    // must be whole lines of the view.
    std::string_view Ahead() const {
        if (mode_ != Mode::Read || position_ >= data_.size()) {
            return {};
        }
        return std::string_view(data_).substr(position_);
    }
    void TakeAhead(size_t length) {
        assert(length <= Ahead().size());
        position_ += length;
    }

    // Findings of damage ---------------------------------------------------------------------
    // A loader that finds the file does not hold what it promises (a section cut short, a
    // count of records the file does not have) notes it here; the finding keeps the number of
    // the line being read. Opening clears them.
    struct Finding {
        size_t line = 0; // 1-based; the line after the last one when the data has ended
        std::string what;
    };
    void NoteFinding(std::string what);
    const std::vector<Finding>& Findings() const { return findings_; }
    // Number of the line the read position stands on (1-based).
    size_t CurrentLine() const;

private:
    enum class Mode { Closed, Read, Write };

    static constexpr char kBeginMarker[] = "%INDEX%";
    static constexpr char kEndMarker[] = "%INDEXEND%";

    // Whether the `n` bytes at `a` and `b` are equal. Marker names are a few bytes long, and a
    // call of memcmp costs more than comparing them a word at a time right here.
    static bool SameBytes(const char* a, const char* b, size_t n) {
        auto load64 = [](const char* p) {
            uint64_t word;
            std::memcpy(&word, p, sizeof word);
            return word;
        };
        auto load32 = [](const char* p) {
            uint32_t word;
            std::memcpy(&word, p, sizeof word);
            return word;
        };
        if (n >= 8) {
            for (size_t i = 0; i + 8 < n; i += 8) {
                if (load64(a + i) != load64(b + i)) {
                    return false;
                }
            }
            return load64(a + n - 8) == load64(b + n - 8);
        }
        if (n >= 4) {
            return load32(a) == load32(b) && load32(a + n - 4) == load32(b + n - 4);
        }
        for (size_t i = 0; i < n; ++i) {
            if (a[i] != b[i]) {
                return false;
            }
        }
        return true;
    }
    // Sections are nearly always looked for where they begin, and skipped when only their end
    // line is left: the line at the position, when it is `marker` then `name` and CR LF, is
    // taken right here, where the section reads are inlined into the record readers (the
    // marker and mostly the name are constants there). Every other case is left to
    // FindSectionFurther and SkipSectionFurther, which give the same result for such a line.
    template <size_t M>
    bool TakeMarkerLineWithCrLf(const char (&marker)[M], std::string_view name) {
        constexpr size_t kMarkerSize = M - 1;
        if (mode_ != Mode::Read) {
            return false;
        }
        const size_t size = data_.size();
        const size_t length = kMarkerSize + name.size();
        if (position_ > size || size - position_ < length + 2) {
            return false;
        }
        const char* at = data_.data() + position_;
        if (!SameBytes(at, marker, kMarkerSize) ||
            !SameBytes(at + kMarkerSize, name.data(), name.size()) || at[length] != '\r' ||
            at[length + 1] != '\n') {
            return false;
        }
        position_ += length + 2;
        return true;
    }
    bool FindSectionFurther(std::string_view name);
    bool SkipSectionFurther(std::string_view name);

    void Reset();
    // Takes `size` bytes at the start of `text`, which has room for one byte more.
    void TakeData(std::unique_ptr<char[]> text, size_t size);
    bool ReadValueLine(std::string_view& line);
    bool ReadRawLine(std::string_view& line);
    // Moves to the start of the next line, from the current position on, that begins with '%';
    // false (at the end of the data) when there is none.
    bool SkipToMarkerLine();
    // Takes the line at the current position when it is exactly `prefix` then `name`.
    bool TakeMarkerLine(std::string_view prefix, std::string_view name);
    bool ReadNumber(int32_t& value);
    // One number line. Two lines in three of a database are a single digit and CR LF, and
    // nearly all others a few digits and CR LF: those are read right here, where the typed
    // reads are inlined into the record readers; any other line is read by ReadNumber, which
    // gives the same values for these lines.
    bool ReadPlain(int32_t& number) {
        if (mode_ == Mode::Read) {
            const size_t length = PlainNumberLine(data_, position_, number);
            if (length != 0) {
                position_ += length;
                return true;
            }
        }
        return ReadNumber(number);
    }
    // The length of the plain number line at `at` of `data` (one to eight digits and CR LF),
    // its value in `number`; 0 for any other line, which ReadNumber reads.
    static size_t PlainNumberLine(std::string_view data, size_t at, int32_t& number) {
        if (at > data.size() || data.size() - at < 3) {
            return 0;
        }
        // Two lines in three: a single digit.
        const char* line = data.data() + at;
        const auto digit = static_cast<unsigned char>(line[0] - '0');
        if (digit < 10 && line[1] == '\r' && line[2] == '\n') {
            number = digit;
            return 3;
        }
        if constexpr (std::endian::native != std::endian::little) {
            return 0;
        } else {
            // Two to eight digits, taken eight bytes at a time.
            if (data.size() - at < 8) {
                return 0;
            }
            uint64_t word;
            std::memcpy(&word, line, sizeof word);
            constexpr uint64_t kZeros = 0x3030303030303030ull;
            constexpr uint64_t kHigh = 0xF0F0F0F0F0F0F0F0ull;
            // Bytes that are no digit: high half other than 3, or above '9' (which a carry
            // only ever leaves from a byte that is no digit anyway, into the bytes after it).
            const uint64_t other =
                ((word & kHigh) ^ kZeros) | (((word + 0x0606060606060606ull) & kHigh) ^ kZeros);
            const int digits = std::countr_zero(other) / 8; // 8 when all eight are digits
            if (digits < 2) {
                return 0;
            }
            if (digits <= 6) {
                if (((word >> (8 * digits)) & 0xFFFF) != 0x0A0D) {
                    return 0;
                }
            } else if (data.size() - at < static_cast<size_t>(digits) + 2 || line[digits] != '\r' ||
                       line[digits + 1] != '\n') {
                // Seven or eight digits (club references): the line end lies past the word.
                return 0;
            }
            // The digits to the top bytes, zeros (leading zeros) below; then pairs, fours, all.
            uint64_t value = (word - kZeros) << (64 - 8 * digits);
            value = (value * 10 + (value >> 8)) & 0x00FF00FF00FF00FFull;
            value = (value * 100 + (value >> 16)) & 0x0000FFFF0000FFFFull;
            value = (value * 10000 + (value >> 32)) & 0xFFFFFFFFull;
            number = static_cast<int32_t>(value);
            return static_cast<size_t>(digits) + 2;
        }
    }
    // A number line into a narrower or unsigned field: the low bits of the 32-bit value.
    template <class T> bool ReadAs(T& value) {
        int32_t number = 0;
        const bool ok = ReadPlain(number);
        value = static_cast<T>(number);
        return ok;
    }
    bool AppendLine(std::string_view text);
    bool AppendNumber(int64_t value, int base);
    bool AppendMarker(std::string_view prefix, std::string_view name);

    Mode mode_ = Mode::Closed;
    // The whole file while open for reading (cut at 0x1A), in `text_`, with a zero byte
    // behind it.
    std::string_view data_;
    std::unique_ptr<char[]> text_;
    size_t position_ = 0;  // start of the next line to read
    size_t bytesRead_ = 0; // size of the data of the last open for reading
    std::string out_;      // text collected while open for writing
    std::string target_;   // path of the file open for writing
    int openError_ = 0;
    std::vector<Finding> findings_;
};

// A run of N number lines read in one call (CKLFile::ReadNumberLines) and handed out in order,
// each stored as the typed reads store it: the low bits of the 32-bit value for a narrower
// field, 0 for a line that could not be read.
template <int N> class NumberLines {
public:
    explicit NumberLines(CKLFile& file) : read_(file.ReadNumberLines(values_, N)) {}

    int32_t Next() {
        assert(next_ < N);
        return values_[next_++];
    }
    template <class T> NumberLines& operator>>(T& field) {
        field = static_cast<T>(Next());
        return *this;
    }
    template <class T, size_t M> NumberLines& operator>>(std::array<T, M>& fields) {
        for (T& field : fields) {
            *this >> field;
        }
        return *this;
    }
    // How many of the N lines were read.
    int Read() const { return read_; }

private:
    int32_t values_[N];
    int read_;
    int next_ = 0;
};

} // namespace tallo

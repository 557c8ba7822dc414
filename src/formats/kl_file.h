#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

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
    CKLFile();
    virtual ~CKLFile();
    CKLFile(const CKLFile&) = delete;
    CKLFile& operator=(const CKLFile&) = delete;

    // Opening and closing ------------------------------------------------------------------

    bool OpenForRead(const std::string& path);
    // Reads from bytes already in memory (archives, tests); behaves as OpenForRead.
    bool OpenFromMemory(std::string_view data);
    bool OpenForWrite(const std::string& path);
    // Finishes the file. For a file open for writing this commits it (temporary file,
    // flush, rename) and returns false when any step failed; the target is then untouched.
    bool Close();
    // Drops a file open for writing without touching the target.
    void AbandonWrite();

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
    // A text value. A line break or 0x1A inside it is written as a blank, and a leading ';' or
    // '%' gets a blank in front, so that no value can read back as a comment, a marker or two
    // lines and shift the values after it.
    bool WriteString(std::string_view text);
    // Comma form: "a,b,c" on one line; a count of 1 or less writes element 0 only.
    bool WriteByteArray(const uint8_t* bytes, int count);
    // Line form: one element per line; a count of 0 or less writes nothing.
    bool WriteByteLines(const uint8_t* bytes, int count);
    // "s0","s1",... on one line; the strings lie `stride` bytes apart, starting at `first`.
    bool WriteQuotedList(const char* first, int count, size_t stride);

    // Reading --------------------------------------------------------------------------------

    // Looks for the begin line of `name`, stopping (and going back) at the first end line of
    // any section. On success the position stands on the first line inside the section.
    bool FindSection(std::string_view name);
    // Moves past the first end line of `name` (nesting is not counted).
    bool SkipSection(std::string_view name);

    // Typed reads; on failure the destination becomes 0 and the position goes back.
    bool ReadInt(int32_t& value);
    bool ReadInt(uint32_t& value);
    bool ReadShort(int16_t& value);
    bool ReadShort(uint16_t& value);
    bool ReadByte(uint8_t& value);
    bool ReadByte(int8_t& value);
    bool ReadBool(bool& value);
    bool ReadBool(uint8_t& value);
    bool ReadBool(int32_t& value);
    bool ReadHex(uint32_t& value);
    // Into a fixed array of `size` bytes: at most size-1 characters, the rest zero-filled.
    // On failure the destination is left as it was.
    bool ReadString(char* destination, size_t size);
    // The whole line; on failure the destination is left as it was.
    bool ReadCString(std::string& destination);
    // Comma form; on failure all elements become 0.
    bool ReadByteArray(uint8_t* destination, int count);
    // Line form; a failure at element i zeroes elements i..count-1.
    bool ReadByteLines(uint8_t* destination, int count);
    // Takes the next quoted element of a line read with ReadString/ReadCString.
    // `position` must point into a zero-terminated text.
    static bool ReadQuotedItem(const char*& position, char* destination, size_t size);

private:
    enum class Mode { Closed, Read, Write };

    bool ReadValueLine(std::string_view& line);
    bool ReadRawLine(std::string_view& line);
    bool AppendLine(std::string_view text);

    Mode mode_ = Mode::Closed;
    std::string data_;      // the whole file while open for reading (cut at 0x1A)
    size_t position_ = 0;   // start of the next line to read
    std::string out_;       // text collected while open for writing
    std::string target_;    // path of the file open for writing
};

} // namespace tallo

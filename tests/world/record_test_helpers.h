#pragma once

#include "formats/kl_file.h"
#include "support/record_text.h"
#include "world/file_version.h"

#include <initializer_list>
#include <string>

namespace tallo::test {

// Lines of a record file as the writer puts them on disk.
inline std::string KLLines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// The text a record writes.
template <class Record> std::string WrittenBy(const Record& record) {
    return test::TextWrittenBy([&](CKLFile& file) { record.Write(file); });
}

// Reads a record from text, as a file of the given format version.
template <class Record>
bool ReadFrom(const std::string& text, Record& record, uint32_t version = FileVersion::kCurrent) {
    CKLFile file;
    if (!file.OpenFromMemory(text)) {
        return false;
    }
    FileVersion::SetLoaded(version);
    return record.Read(file);
}

// Writes a record and reads it back into a fresh one.
template <class Record> Record RoundTrip(const Record& record) {
    Record back;
    ReadFrom(WrittenBy(record), back);
    return back;
}

} // namespace tallo::test

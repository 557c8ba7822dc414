#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

// What a path that a command writes to names. Commands write the files the user names on the
// command line (a packed file, Master.dat, a report, a world archive) through WriteOutputFile,
// which decides here how the path is written, or whether it may be written at all.
enum class OutputKind {
    NewFile,     // nothing there yet: written atomically
    PlainFile,   // a regular file: replaced atomically
    SpecialFile, // a device, FIFO or socket: written into directly and never replaced
    Folder,      // refused: a folder is never replaced by a file
    InputFile,   // refused: the same file as one of the command's inputs
    Unusable,    // refused: the path cannot be looked at (errno in `error`)
};

struct OutputTarget {
    OutputKind kind = OutputKind::NewFile;
    std::string path;  // the path as given
    std::string input; // InputFile: the input it is the same file as
    int error = 0;     // Unusable: why
};

// Looks at `path` (resolved regardless of case, links followed) and at each of `inputs`: an
// output that is the same file (device and inode) as an input is InputFile. Inputs that do not
// exist are passed over.
OutputTarget ClassifyOutput(const std::string& path, const std::vector<std::string>& inputs = {});

// Why an output may not be written, as words that name the path ("" when it may be):
// "x is a folder", "x is the same file as y, which is being read", "x: Permission denied".
std::string OutputRefusal(const OutputTarget& target);

// Writes `bytes` as the whole content of the output `path`: a new or regular file atomically,
// a device, FIFO or socket directly. False with the reason in `error` (naming the path) when the
// path is refused (see ClassifyOutput) or the write fails; a regular file keeps its old bytes
// then.
bool WriteOutputFile(const std::string& path, std::string_view bytes,
                     const std::vector<std::string>& inputs, std::string& error);
// The same with the content in pieces, written one after the other.
bool WriteOutputFile(const std::string& path, std::span<const std::string_view> pieces,
                     const std::vector<std::string>& inputs, std::string& error);

// Writes `bytes` into a device, FIFO or socket without replacing it: opened for writing (a
// socket connected to), written to the end, closed. A FIFO waits for its reader. False with
// errno set on failure.
bool WriteIntoSpecialFile(const std::string& path, std::string_view bytes);
bool WriteIntoSpecialFile(const std::string& path, std::span<const std::string_view> pieces);

// Writes the whole content of the regular file `source` into a device, FIFO or socket, as
// WriteIntoSpecialFile does. False with errno set on failure.
bool CopyIntoSpecialFile(const std::string& source, const std::string& path);

} // namespace tallo

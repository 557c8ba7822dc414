#include "app/big_extraction.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <set>
#include <string_view>
#include <utility>

#include "app/entry_targets.h"
#include "assets/vantor_big.h"
#include "platform/atomic_write_batch.h"
#include "platform/output_target.h"
#include "platform/path_resolver.h"
#include "platform/progress.h"

namespace tallo {

namespace {

std::string Folded(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        if (c == '/') {
            c = '\\';
        }
    }
    FoldNameCase(folded);
    return folded;
}

std::string EntryText(int index, const BigEntry& entry) {
    return "entry " + std::to_string(index) + " \"" + entry.name + "\"";
}

// The files an entry must not be written over, by device and inode.
std::set<std::pair<dev_t, ino_t>> FilesOf(const std::vector<std::string>& paths) {
    std::set<std::pair<dev_t, ino_t>> files;
    for (const std::string& path : paths) {
        struct stat info;
        if (stat(ResolvePath(path).c_str(), &info) == 0) {
            files.insert({info.st_dev, info.st_ino});
        }
    }
    return files;
}

std::string Reason(int error) {
    return std::strerror(error != 0 ? error : EIO);
}

// Writes one entry's bytes to `target` through the batch. An existing target that is a regular
// file is replaced at commit; a device, FIFO or socket is written into directly, as a command's
// output would be; an input of the extraction is refused. "" when written, else the failure.
std::string WriteEntry(AtomicWriteBatch& batch, const std::string& target, std::string_view bytes,
                       const std::set<std::pair<dev_t, ino_t>>& inputs,
                       const std::vector<std::string>& inputPaths) {
    struct stat info;
    if (stat(target.c_str(), &info) == 0) {
        if (inputs.count({info.st_dev, info.st_ino}) != 0 || !S_ISREG(info.st_mode)) {
            // The careful road: refused with the usual words, or written into directly.
            std::string error;
            WriteOutputFile(target, bytes, inputPaths, error);
            return error;
        }
    }
    errno = 0;
    if (!batch.Write(target, bytes)) {
        return "cannot write " + target + ": " + Reason(errno);
    }
    return "";
}

} // namespace

bool ExtractBigEntries(CVantorBig& big, const std::string& folder, const BigExtractOptions& options,
                       IProgress& progress, BigExtractReport& report) {
    report = BigExtractReport();
    errno = 0;
    if (!CreateFolders(folder)) {
        report.failedFiles.push_back(folder + ": " + Reason(errno));
        return false;
    }
    std::set<std::string> wanted;
    for (const std::string& name : options.names) {
        wanted.insert(Folded(name));
    }
    const int count = big.GetCount();
    progress.SetRange(0, count);

    const std::set<std::pair<dev_t, ino_t>> inputs = FilesOf(options.inputs);
    EntryTargets targets(folder);
    AtomicWriteBatch batch;
    size_t written = 0;
    std::set<std::string> done; // the first entry of a name wins, as look-ups find it
    std::vector<uint8_t> data;
    for (int i = 0; i < count && report.failedFiles.empty(); ++i) {
        progress.SetPosition(i + 1);
        const BigEntry& entry = big.GetEntry(i);
        const std::string key = Folded(entry.name);
        if (!wanted.empty() && wanted.count(key) == 0) {
            continue;
        }
        if (!done.insert(key).second) {
            report.notes.push_back(EntryText(i, entry) + " repeats an earlier name; skipped");
            continue;
        }
        const std::optional<std::string> target = targets.Target(entry.name);
        if (!target) {
            report.problems.push_back(EntryText(i, entry) + " leads outside the folder; skipped");
            continue;
        }
        if (!big.ReadEntry(i, data, !options.raw)) {
            report.problems.push_back(EntryText(i, entry) + " cannot be read or unpacked; skipped");
            continue;
        }
        bool refused = false;
        errno = 0;
        if (!targets.PrepareFolders(*target, refused)) {
            if (refused) {
                report.problems.push_back("cannot write " + *target +
                                          ": it leads outside the folder");
                continue;
            }
            const std::string parent = target->substr(0, target->rfind('/'));
            report.failedFiles.push_back("cannot create the folder " + parent + ": " +
                                         Reason(errno));
            break;
        }
        const std::string error =
            WriteEntry(batch, *target,
                       std::string_view(reinterpret_cast<const char*>(data.data()), data.size()),
                       inputs, options.inputs);
        if (!error.empty()) {
            report.failedFiles.push_back(error);
            break;
        }
        ++written;
    }
    if (report.failedFiles.empty() && !batch.Commit()) {
        for (const AtomicWriteBatch::Failure& failure : batch.Failures()) {
            report.failedFiles.push_back("cannot write " + failure.target + ": " + failure.reason);
        }
    }
    if (!report.failedFiles.empty()) {
        return false; // the batch renamed nothing
    }
    report.extracted = written;
    for (const std::string& name : options.names) {
        if (done.count(Folded(name)) == 0) {
            report.problems.push_back("no entry \"" + name + "\"");
        }
    }
    return report.problems.empty();
}

} // namespace tallo

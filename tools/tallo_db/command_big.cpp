// tallo-db big list|extract: the entries of a BIG archive (such as badges.big), as the editor's
// reader sees them, and their extraction into a folder.

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/entry_target.h"
#include "assets/vantor_big.h"
#include "commands.h"
#include "installation.h"
#include "path_check.h"
#include "platform/console_prompt.h"
#include "platform/output_target.h"
#include "platform/path_resolver.h"
#include "terminal_progress.h"

namespace tallo::db {

namespace {

struct BigOptions {
    std::string archive;
    std::string folder;
    std::vector<std::string> names;
    bool raw = false;
};

// Opens the archive; the reader reports its own failures (messages 869, 871) on standard error.
bool OpenArchive(CVantorBig& big, const std::string& path, const char* command) {
    const std::string problem = FileProblem(path);
    if (!problem.empty()) {
        ReportFailure(command, "the archive " + path + " " + problem);
        return false;
    }
    if (!big.Open(path, true)) {
        ReportFailure(command, path + " cannot be read as a BIG archive");
        return false;
    }
    return true;
}

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

void RunList(const BigOptions& options) {
    const char* command = "big list";
    ConsolePrompt prompt(std::cerr);
    CVantorBig big(&prompt);
    if (!OpenArchive(big, options.archive, command)) {
        return;
    }
    std::cout << "index\toffset\tsize\tunpacked\tname\n";
    for (int i = 0; i < big.GetCount(); ++i) {
        const BigEntry& entry = big.GetEntry(i);
        std::cout << i << "\t" << entry.offset << "\t" << entry.size << "\t";
        if (entry.unpackedSize != 0) {
            std::cout << entry.unpackedSize;
        } else {
            std::cout << "-";
        }
        std::cout << "\t" << entry.name << "\n";
    }
    std::cout << "Entries: " << big.GetCount() << "\n";
    SetExitStatus(0);
}

void RunExtract(const BigOptions& options) {
    const char* command = "big extract";
    ConsolePrompt prompt(std::cerr);
    CVantorBig big(&prompt);
    if (!OpenArchive(big, options.archive, command)) {
        return;
    }
    const std::string problem = FolderOrMissingProblem(options.folder);
    if (!problem.empty()) {
        ReportFailure(command, "the folder " + options.folder + " " + problem);
        return;
    }
    errno = 0;
    if (!CreateFolders(options.folder)) {
        ReportFailure(command, "cannot create the folder " + options.folder + ": " +
                                   std::strerror(errno != 0 ? errno : EIO));
        return;
    }
    std::set<std::string> wanted;
    for (const std::string& name : options.names) {
        wanted.insert(Folded(name));
    }
    TerminalProgress progress;
    progress.SetTitle("Extracting " + options.archive);
    progress.SetRange(0, big.GetCount());

    size_t extracted = 0;
    size_t problems = 0;
    std::set<std::string> done; // the first entry of a name wins, as look-ups find it
    for (int i = 0; i < big.GetCount(); ++i) {
        progress.SetPosition(i + 1);
        const BigEntry& entry = big.GetEntry(i);
        const std::string key = Folded(entry.name);
        if (!wanted.empty() && wanted.count(key) == 0) {
            continue;
        }
        if (!done.insert(key).second) {
            std::cerr << "tallo-db " << command << ": entry " << i << " \"" << entry.name
                      << "\" repeats an earlier name; skipped\n";
            continue;
        }
        const std::optional<std::string> target = EntryTargetPath(options.folder, entry.name);
        if (!target) {
            std::cerr << "tallo-db " << command << ": entry " << i << " \"" << entry.name
                      << "\" leads outside the folder; skipped\n";
            ++problems;
            continue;
        }
        std::vector<uint8_t> data;
        if (!big.ReadEntry(i, data, !options.raw)) {
            std::cerr << "tallo-db " << command << ": entry " << i << " \"" << entry.name
                      << "\" cannot be read or unpacked; skipped\n";
            ++problems;
            continue;
        }
        const std::string parent = target->substr(0, target->rfind('/'));
        errno = 0;
        std::string error;
        if (!CreateFolders(parent)) {
            error = "cannot create the folder " + parent + ": " +
                    std::strerror(errno != 0 ? errno : EIO);
        } else if (!StaysInsideFolder(ResolvePath(options.folder), *target)) {
            error = "cannot write " + *target + ": it leads outside the folder";
        } else {
            // The archive itself is never written over by one of its entries.
            WriteOutputFile(
                *target, std::string_view(reinterpret_cast<const char*>(data.data()), data.size()),
                {options.archive}, error);
        }
        if (!error.empty()) {
            std::cerr << "tallo-db " << command << ": " << error << "\n";
            ++problems;
            continue;
        }
        ++extracted;
    }
    progress.Finish();
    for (const std::string& name : options.names) {
        if (done.count(Folded(name)) == 0) {
            std::cerr << "tallo-db " << command << ": no entry \"" << name << "\"\n";
            ++problems;
        }
    }
    std::cout << "Extracted " << extracted << " entries into " << options.folder << "\n";
    if (problems != 0) {
        ReportFailure(command, std::to_string(problems) + " entries were not extracted");
        return;
    }
    SetExitStatus(0);
}

} // namespace

void RegisterBigCommand(CLI::App& app) {
    CLI::App* bigCommand = app.add_subcommand("big", "BIG archives (such as badges.big)");
    bigCommand->require_subcommand(1);

    auto listOptions = std::make_shared<BigOptions>();
    CLI::App* list = bigCommand->add_subcommand("list", "List the entries of a BIG archive");
    list->add_option("ARCHIVE", listOptions->archive, "BIG archive")->required();
    list->callback([listOptions] { RunList(*listOptions); });

    auto extractOptions = std::make_shared<BigOptions>();
    CLI::App* extract = bigCommand->add_subcommand(
        "extract", "Extract entries (all, or those named) into a folder, unpacking packed ones");
    extract->add_option("ARCHIVE", extractOptions->archive, "BIG archive")->required();
    extract->add_option("FOLDER", extractOptions->folder, "Folder to extract into")->required();
    extract->add_option("NAMES", extractOptions->names,
                        "Entry names to extract (any case); all when none are given");
    extract->add_flag("--raw", extractOptions->raw, "Keep packed entries packed");
    extract->callback([extractOptions] { RunExtract(*extractOptions); });
}

} // namespace tallo::db

// tallo-db big list|extract: the entries of a BIG archive (such as badges.big), as the editor's
// reader sees them, and their extraction into a folder.

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/big_extraction.h"
#include "assets/vantor_big.h"
#include "commands.h"
#include "installation.h"
#include "path_check.h"
#include "platform/console_prompt.h"
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
    TerminalProgress progress;
    progress.SetTitle("Extracting " + options.archive);
    BigExtractOptions extract;
    extract.names = options.names;
    extract.raw = options.raw;
    extract.inputs = {options.archive}; // never written over by one of its entries
    BigExtractReport report;
    ExtractBigEntries(big, options.folder, extract, progress, report);
    progress.Finish();

    for (const std::string& line : report.notes) {
        std::cerr << "tallo-db " << command << ": " << line << "\n";
    }
    for (const std::string& line : report.problems) {
        std::cerr << "tallo-db " << command << ": " << line << "\n";
    }
    if (!report.failedFiles.empty()) {
        std::string files;
        for (const std::string& file : report.failedFiles) {
            files += (files.empty() ? "" : "; ") + file;
        }
        ReportFailure(command, files + "; nothing was extracted, every file keeps what it had");
        return;
    }
    std::cout << "Extracted " << report.extracted << " entries into " << options.folder << "\n";
    if (!report.problems.empty()) {
        ReportFailure(command,
                      std::to_string(report.problems.size()) + " entries were not extracted");
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

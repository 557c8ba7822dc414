#include "database_safety.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <set>

#include "installation.h"
#include "platform/code_page.h"
#include "world/world.h"

namespace tallo::db {

std::string PrintableText(std::string_view bytes) {
    const std::string utf8 = ToUtf8(bytes, ActiveCodePage());
    std::string text;
    text.reserve(utf8.size());
    char escaped[8];
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x20 || byte == 0x7F) {
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        } else if (byte == 0xC2 && i + 1 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) < 0xA0) {
            // U+0080 to U+009F: the control characters of the upper half.
            std::snprintf(escaped, sizeof escaped, "\\x%02X",
                          static_cast<unsigned char>(utf8[i + 1]));
            text += escaped;
            ++i;
        } else {
            text += utf8[i];
        }
    }
    return text;
}

void PrintLoadFindings(const std::string& command, const CWorld& world) {
    for (const LoadFinding& finding : world.LoadFindings()) {
        std::cerr << "tallo-db " << command
                  << ": damaged: " << PrintableText(FormatLoadFinding(finding)) << "\n";
    }
}

void AddAcceptDamageOption(CLI::App& command, bool& acceptDamage) {
    command.add_flag("--accept-damage", acceptDamage,
                     "Save even though the load found damaged files: files that could not be "
                     "read at all are left as they are, the others are saved as loaded");
}

bool MaySaveAfterLoad(const std::string& command, const CWorld& world, bool acceptDamage) {
    if (!world.HasLoadDamage() || acceptDamage) {
        return true;
    }
    std::set<std::string> files;
    for (const LoadFinding& finding : world.LoadFindings()) {
        files.insert(finding.file);
    }
    std::string list;
    for (const std::string& file : files) {
        list += "\n  " + PrintableText(file);
    }
    ReportFailure(command, "the load found damage in these files, so nothing was saved (pass "
                           "--accept-damage to save what could be read):" +
                               list);
    return false;
}

bool SaveDatabase(const std::string& command, CWorld& world) {
    SaveOutcome outcome;
    const bool saved = world.SaveAll(nullptr, &outcome);
    for (const std::string& kept : outcome.keptAsTheyWere) {
        std::cerr << "tallo-db " << command
                  << ": left as it was (it could not be read): " << PrintableText(kept) << "\n";
    }
    if (saved) {
        return true;
    }
    std::string list;
    for (const SaveFailure& failure : outcome.failed) {
        list += "\n  " + PrintableText(failure.file) + ": " + failure.reason;
    }
    ReportFailure(command, "the database " + world.DatabaseFolder() +
                               " was not saved; no file was changed:" + list);
    return false;
}

} // namespace tallo::db

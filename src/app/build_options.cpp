#include "app/build_options.h"

#include <strings.h>

namespace tallo {

namespace {

// Applies one argument; the first word of the table that matches decides.
void ApplyArgument(const std::string& argument, BuildOptions& options) {
    struct Word {
        const char* text;
        void (*apply)(BuildOptions&);
    };
    static const Word kWholeWords[] = {
        {"-master", [](BuildOptions& o) { o.buildRequested = true; }},
        {"ger", [](BuildOptions& o) { o.language = kGerman; }},
        {"eng", [](BuildOptions& o) { o.language = kEnglish; }},
        {"fra", [](BuildOptions& o) { o.language = kFrench; }},
        {"spa", [](BuildOptions& o) { o.language = kSpanish; }},
        {"ps2", [](BuildOptions& o) { o.optionBits |= BuildOption::kConsole; }},
    };
    for (const Word& word : kWholeWords) {
        if (argument == word.text) {
            word.apply(options);
            return;
        }
    }
    if (argument.compare(0, 4, "path") == 0) {
        std::string folder = argument.substr(4);
        if (folder.size() < BuildOptions::kFolderBufferSize) {
            options.folder = std::move(folder);
        } else {
            options.folderRefused = true;
        }
        return;
    }
    static const Word kLaterWords[] = {
        {"OutputBadge", [](BuildOptions& o) { o.optionBits |= BuildOption::kOutputBadge; }},
        {"OutputKits", [](BuildOptions& o) { o.optionBits |= BuildOption::kOutputKits; }},
        {"OutputStadium", [](BuildOptions& o) { o.optionBits |= BuildOption::kOutputStadium; }},
        {"killdata", [](BuildOptions& o) { o.optionBits |= BuildOption::kKillData; }},
    };
    for (const Word& word : kLaterWords) {
        if (argument == word.text) {
            word.apply(options);
            return;
        }
    }
    if (strcasecmp(argument.c_str(), "logPS2") == 0) {
        options.optionBits |= BuildOption::kLogConsole;
        return;
    }
    if (argument == "wolkenkratzern_ost") {
        options.admin = true;
    }
}

} // namespace

BuildOptions ParseCommandLine(const std::vector<std::string>& arguments) {
    BuildOptions options;
    for (const std::string& argument : arguments) {
        ApplyArgument(argument, options);
    }
    return options;
}

} // namespace tallo

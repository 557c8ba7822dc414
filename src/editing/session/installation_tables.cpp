#include "editing/session/installation_tables.h"

#include "formats/per_language_tables.h"
#include "formats/string_table.h"
#include "mapping/global_tools.h"

namespace tallo {

namespace {

constexpr int kLanguageCodeString = 799;

} // namespace

LoadPreparation LoadInstallationTables(const std::string& installFolder, IPrompt* prompt) {
    LoadPreparation prepared;
    const std::string& languageCode = LoadString(kLanguageCodeString);
    PrepareProcessTables(installFolder, languageCode, prepared);
    PrepareCompetitionTables(installFolder, prepared);
    GlobalLanguageTables().Load(GameDatabaseFolder(installFolder), languageCode);
    GlobalTools().Start(installFolder, prompt);
    return prepared;
}

} // namespace tallo

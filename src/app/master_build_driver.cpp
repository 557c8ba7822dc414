#include "app/master_build_driver.h"

#include <ostream>

#include "app/app_state.h"
#include "formats/per_language_tables.h"
#include "world/game_date.h"
#include "world/stadium_list.h"

namespace tallo {

void RunMasterBuild(int32_t language, uint32_t optionBits, IPrompt& prompt, std::ostream& err) {
    (void)optionBits;
    (void)prompt;
    AppState& state = AppState::Instance();
    state.SetCurrentLanguage(language);
    FolderTable& folders = state.Folders();
    SetUpFolders(folders, "database");

    // The model list and its two fallback stadiums; a missing list leaves it empty.
    GlobalStadiumList().Load(folders.database, folders.languageCode);
    // Ages in the game database are counted from the game's first day.
    SetCurrentGameDate(GameDate::FromDate(2003, 7, 6));
    // Shoes, faces, club speeches and team colours of the build's language.
    GlobalLanguageTables().Load(folders.database, folders.languageCode);

    // The world loader and the game database builder are not part of this version yet;
    // say so instead of pretending that a file was written.
    err << "Master.dat was not written: this version of the editor has no game database "
           "builder yet.\n";
    GlobalStadiumList().Clear();
}

}  // namespace tallo

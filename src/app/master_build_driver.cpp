#include "app/master_build_driver.h"

#include <ostream>

#include "app/app_state.h"

namespace tallo {

void RunMasterBuild(int32_t language, uint32_t optionBits, IPrompt& prompt, std::ostream& err) {
    (void)optionBits;
    (void)prompt;
    AppState& state = AppState::Instance();
    state.SetCurrentLanguage(language);
    SetUpFolders(state.Folders(), "database");
    // The world loader and the game database builder are not part of this version yet;
    // say so instead of pretending that a file was written.
    err << "Master.dat was not written: this version of the editor has no game database "
           "builder yet.\n";
}

}  // namespace tallo

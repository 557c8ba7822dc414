#include "editors/assistants/player_search_loop.h"

#include <QDialog>

#include "editing/assistants/search_criteria.h"
#include "editing/assistants/search_result_model.h"
#include "editing/assistants/world_changes.h"
#include "editors/assistants/dlg_player_search.h"
#include "editors/assistants/dlg_search_result.h"

namespace tallo {

uint32_t RunPlayerSearch(QWidget* owner, CWorld& world, int languageSlot, SearchCriteria& kept,
                         const PlayerSearchOpening& opening, const WorldChanges& changes,
                         IRecordChoosers* choosers, bool* changed) {
    SearchResultSettings settings;
    settings.contextMenu = opening.contextMenu;
    settings.showClub = opening.showClub;
    settings.targetClub = opening.targetClub;
    for (;;) {
        CDlgPlayerSearch search(kept, owner);
        if (search.exec() != QDialog::Accepted) {
            return 0;
        }
        SearchResultModel model(world, languageSlot, SearchKeys::From(kept), settings, changes,
                                choosers);
        int answer = QDialog::Rejected;
        {
            CDlgSearchResult result(model, owner);
            answer = result.exec();
        }
        if (model.Changed() && changed != nullptr) {
            *changed = true;
        }
        if (answer != QDialog::Accepted) {
            return 0;
        }
        if (opening.showClub && model.ChosenClub() != 0) {
            return model.ChosenClub();
        }
    }
}

} // namespace tallo

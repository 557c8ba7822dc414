// The player search: the search dialog with criteria filled in, and the result list of a
// search on the sample (with the context menu and the club button of the main window's search).

#include <QElapsedTimer>

#include <memory>

#include "editing/assistants/search_criteria.h"
#include "editing/assistants/search_result_model.h"
#include "editing/assistants/world_changes.h"
#include "editing/session/database_session.h"
#include "editors/assistants/dlg_player_search.h"
#include "editors/assistants/dlg_search_result.h"
#include "screen_editor.h"
#include "screen_registry.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

// The criteria the dialog shows; the dialog keeps a reference, so one for the whole run.
SearchCriteria& Criteria() {
    static SearchCriteria criteria;
    criteria.firstName = "A*";
    criteria.surname = "*";
    criteria.nickname.clear();
    return criteria;
}

const ScreenRegistration searchDialog("player_search", WidgetScreen([](ScreenContext&) {
                                          return std::make_unique<CDlgPlayerSearch>(Criteria());
                                      }));

const ScreenRegistration searchResult("search_result", [](ScreenContext& screen) {
    ScreenEditor editor(screen, "search");
    if (editor.session == nullptr) {
        return QImage();
    }
    CWorld& world = editor.session->World();
    SearchResultModel model(world, world.Language(), SearchKeys::From(Criteria()),
                            SearchResultSettings{true, true, 0},
                            WorldChanges::Journal(editor.session->Journal()), nullptr);
    QImage image;
    {
        CDlgSearchResult dialog(model);
        dialog.show();
        QElapsedTimer clock;
        clock.start();
        while (model.Running() && clock.elapsed() < 5000) {
            Settle(20);
        }
        Settle(50);
        image = GrabShown(dialog);
    }
    return image;
});

} // namespace

} // namespace tallo::screens

// The player doubles window on a copy of the sample's game database in which a few players of
// the richest country were given the names of others (the sample itself has hardly any doubles),
// opened on that country's richest club; and the first printed page of its list: the page
// function paints a picture for the pictures folder and the same list is written beside it as
// a PDF file (doubles_print_page-<language>.pdf).

#include <QDir>
#include <QFileInfo>
#include <QRadioButton>

#include <memory>
#include <string>

#include "editing/assistants/world_changes.h"
#include "editing/journal/change_journal.h"
#include "editing/journal/journal_target.h"
#include "editors/assistants/dlg_player_double.h"
#include "editors/assistants/list_print.h"
#include "screen_registry.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

// The copy the window works on, with a journal of its own, so the sample stays as it is.
class DoublesWorld : public JournalTarget {
public:
    DoublesWorld() : journal_(*this) {}
    CWorld& World() override { return world_; }
    DatabaseContents ExchangeContents(DatabaseContents replacement) override { return replacement; }
    void Changed(const ChangeScope*) override {}
    ChangeJournal& Journal() { return journal_; }

    int country = 0;
    uint32_t club = 0;

private:
    CWorld world_;
    ChangeJournal journal_;
};

// The ordinary club with the most players.
const CClub* RichestClub(const CWorld& world, int& country) {
    const CClub* best = nullptr;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        for (const auto& [id, club] : world.GetCountry(number)->Clubs()) {
            if (!club->IsNationalTeam() &&
                (best == nullptr || club->PlayerCount() > best->PlayerCount())) {
                best = club.get();
                country = number;
            }
        }
    }
    return best;
}

DoublesWorld& Doubles(ScreenContext& context) {
    static DoublesWorld* doubles = nullptr;
    if (doubles != nullptr) {
        return *doubles;
    }
    doubles = new DoublesWorld; // kept for the run: windows of both languages use it
    CWorld& world = doubles->World();
    world.CopyFrom(*context.world);
    const CClub* richest = RichestClub(world, doubles->country);
    if (richest == nullptr) {
        return *doubles;
    }
    doubles->club = richest->Id();
    // Every third player of the richest club gets a twin: the first player of another club of
    // the world takes his name (and, for every other twin, his birth date).
    int twins = 0;
    for (int number = 1; number <= CWorld::kCountryCount && twins < 12; ++number) {
        for (const auto& [id, club] : world.GetCountry(number)->Clubs()) {
            if (club->IsNationalTeam() || club->Id() == richest->Id() || club->PlayerCount() == 0 ||
                static_cast<uint32_t>(twins * 3) >= richest->PlayerCount() || twins >= 12) {
                continue;
            }
            const CPlayer* original = world.FindPlayer(richest->PlayerId(twins * 3));
            CPlayer* twin = world.FindPlayer(club->PlayerId(0));
            if (original != nullptr && twin != nullptr) {
                twin->SetSurname(original->Surname());
                twin->SetFirstName(original->FirstName());
                if (twins % 2 == 0) {
                    twin->SetBirthDate(original->BirthDate());
                }
            }
            ++twins;
        }
    }
    return *doubles;
}

std::unique_ptr<CPlayerDouble> MakeDialog(ScreenContext& context) {
    DoublesWorld& doubles = Doubles(context);
    return std::make_unique<CPlayerDouble>(nullptr, doubles.World(), doubles.World().Language(),
                                           doubles.country, doubles.club,
                                           WorldChanges::Journal(doubles.Journal()));
}

std::unique_ptr<QWidget> MakeWindow(ScreenContext& context) {
    auto dialog = MakeDialog(context);
    // The whole world's pairs: the fuller picture.
    dialog->ScopeRadio(DoublesScope::All).click();
    dialog->resize(1180, 540);
    return dialog;
}

QImage PrintedPage(ScreenContext& context) {
    auto dialog = MakeDialog(context);
    dialog->ScopeRadio(DoublesScope::All).click();
    const PrintedList printed = PrintedList::From(dialog->List(), CPlayerDouble::ListTitle());
    const QString language = context.language == InterfaceLanguage::Russian ? QStringLiteral("ru")
                                                                            : QStringLiteral("en");
    const QString folder = QFileInfo(QString::fromStdString(context.install)).dir().path();
    PrintListToPdf(folder + QStringLiteral("/doubles_print_page-%1.pdf").arg(language), printed);
    return RenderListPage(printed, 0, 100);
}

const ScreenRegistration window("player_doubles", WidgetScreen(MakeWindow));
const ScreenRegistration printedPage("doubles_print_page", PrintedPage);

} // namespace

} // namespace tallo::screens
